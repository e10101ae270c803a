// The table of picture formats, and the readers' refusal of a file whose first
// bytes show it is not of the kind its name chooses, before the rest is read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/images/BmpReader.h"
#include "core/images/GifCodec.h"
#include "core/images/ImageFiles.h"
#include "core/images/JpegCodec.h"
#include "core/images/Metafile.h"
#include "core/images/PngCodec.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFGraphic.h"
#include "tests/core/images/EmfSample.h"
#include "tests/core/images/ImageTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// Bytes this process has read from files so far.
std::uint64_t BytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  ADD_FAILURE() << "no read count in /proc/self/io";
  return 0;
}

// A file of `size` bytes (a sparse one: it takes no room on the disk) that
// starts with `start`, zeros after it.
void MakeLargeFile(const std::string& path, const std::string& start, std::uintmax_t size) {
  std::ofstream(path, std::ios::binary) << start;
  std::filesystem::resize_file(path, size);
}

std::string DecodeError(const std::function<Bitmap(std::span<const std::uint8_t>)>& decode,
                        const std::string& bytes) {
  try {
    decode(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(PictureFormats, TheTableChoosesTheReaders) {
  const auto& formats = PictureFormats();
  ASSERT_EQ(formats.size(), 5u);
  EXPECT_EQ(formats.back().kind, PictureKind::WindowsBitmap);
  const PictureFormat& gif = PictureFormatOf(PictureKind::Gif);
  EXPECT_EQ(gif.description, "GIF Image");
  EXPECT_EQ(gif.extensions, std::vector<std::string_view>{".GIF"});
  for (const PictureFormat& format : formats) {
    EXPECT_EQ(&PictureFormatOf(format.kind), &format);
    for (std::string_view ext : format.extensions) {
      EXPECT_EQ(PictureKindForReading("a/b" + std::string(ext)), format.kind) << ext;
      std::string lower(ext);
      for (char& c : lower) c = static_cast<char>(std::tolower(c));
      EXPECT_EQ(PictureKindForReading("b" + lower + " "), format.kind) << ext;
    }
  }
  EXPECT_EQ(PictureKindForReading("b.ico"), PictureKind::WindowsBitmap);
}

TEST(PictureFormats, ALargeFileOfAnotherKindIsRefusedOnItsFirstBytes) {
  TempDir dir;
  constexpr std::uintmax_t kSize = 300u << 20;
  const std::vector<std::pair<std::string, std::string>> cases{
      {"base.bmp", "Not a bitmap file"},
      {"base.ico", "Not a bitmap file"},
      {"base.png", "Not a PNG file"},
      {"base.jpg", "JPEG: Not a JPEG file: starts with 0x00 0x00"},
      {"base.gif", "Invalid GIF signature"},
      {"base.wmf", "Not a metafile"},
  };
  for (const auto& [name, message] : cases) {
    const std::string path = dir.File(name);
    MakeLargeFile(path, "", kSize);
    Bitmap target(2, 2);
    std::string errorText;
    const std::uint64_t before = BytesReadSoFar();
    EXPECT_FALSE(LoadPictureInto(path, &target, errorText)) << name;
    EXPECT_LT(BytesReadSoFar() - before, 1u << 20) << name;
    EXPECT_EQ(errorText, message) << name;
    EXPECT_EQ(target.Width(), 2) << name;
    std::filesystem::remove(path);
  }

  // The base image and the GIF reader go the same way.
  const std::string path = dir.File("big.gif");
  MakeLargeFile(path, "PK\3\4", kSize);
  Bitmap base(2, 2);
  TSettings settings;
  BaseImageHost host{&base, &settings, nullptr, nullptr};
  std::string errorText;
  const std::uint64_t before = BytesReadSoFar();
  EXPECT_FALSE(LoadBaseImage(host, path, errorText));
  EXPECT_EQ(errorText, "Invalid GIF signature");
  EXPECT_FALSE(LoadGif(path, &base, errorText));
  EXPECT_EQ(errorText, "Invalid GIF signature");
  EXPECT_LT(BytesReadSoFar() - before, 1u << 20);
  EXPECT_TRUE(settings.image_file.empty());
}

TEST(PictureFormats, ErrorsAreThoseOfReadingTheWholeFile) {
  TempDir dir;
  const std::vector<std::pair<std::string, std::function<Bitmap(std::span<const std::uint8_t>)>>> readers{
      {"bmp", DecodeBmp},
      {"png", DecodePng},
      {"jpg", DecodeJpeg},
      {"gif", DecodeGif},
      {"emf", [](std::span<const std::uint8_t> f) { return RenderMetafile({f.begin(), f.end()}); }},
  };
  // Empty and short files, files of another kind, files that start right
  // and break off.
  const std::vector<std::string> contents{
      "",
      "B",
      "BM",
      "GIF8",
      "xxxxGIF89a",
      "GIF89a\1\0",
      "\x89PNG\r\n\x1a",
      std::string("\xFF\xD8\xFF", 3),
      std::string("\x01\x00\x09\x00", 4),
      std::string(60, 'z'),
      "BM" + std::string(58, '\0'),
  };
  for (const auto& [ext, decode] : readers) {
    for (std::size_t i = 0; i < contents.size(); ++i) {
      const std::string path = dir.File("f" + std::to_string(i) + "." + ext);
      std::ofstream(path, std::ios::binary) << contents[i];
      Bitmap target;
      std::string errorText;
      EXPECT_FALSE(LoadPictureInto(path, &target, errorText));
      EXPECT_EQ(errorText, DecodeError(decode, contents[i])) << ext << " content " << i;
    }
  }
}

namespace {

// A metafile as the GIF code takes pictures of other kinds.
class MetafileGraphic : public TGIFGraphic {
 public:
  explicit MetafileGraphic(MetafilePicture picture) : picture_(std::move(picture)) {}
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }
  TGIFGraphicKind Kind() const override { return TGIFGraphicKind::gkMetafile; }
  void Draw(TCanvas& canvas) const override { picture_.Draw(canvas); }

 private:
  MetafilePicture picture_;
};

}  // namespace

TEST(PictureFormats, AMetafileFrameIsTransparentWhereNothingIsDrawn) {
  const MetafileGraphic graphic(MetafilePicture::Load(SampleEmf()));
  const Bitmap drawn = RenderMetafile(SampleEmf());
  TGIFImage gif;
  gif.ColorReduction = TColorReduction::rmQuantize;
  TGIFSubImage frame(&gif);
  frame.Assign(graphic);
  ASSERT_EQ(frame.Width(), drawn.Width());
  ASSERT_TRUE(frame.Transparent());
  const int transparent = frame.GraphicControlExtension()->TransparentColorIndex();
  EXPECT_EQ(frame.Pixels(2, 2), transparent);  // outside every shape
  EXPECT_EQ(frame.Pixels(drawn.Width() - 1, drawn.Height() - 1), transparent);
  EXPECT_NE(frame.Pixels(30, 20), transparent);  // inside the red rectangle
  EXPECT_EQ(frame.ColorMap().Colors(frame.Pixels(30, 20)), drawn.GetPixel(30, 20));
}
