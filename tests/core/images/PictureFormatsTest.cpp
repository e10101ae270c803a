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
#include "core/images/metafile/Metafile.h"
#include "core/images/PngCodec.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFGraphic.h"
#include "tests/core/images/metafile/EmfSample.h"
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

TEST(PictureFormats, AFileIsReadNoFurtherThanItsHeaderAsksFor) {
  // 300 MiB files (sparse) that start right: each is refused, or gives its
  // size, having read less than 1 MiB of it.
  const auto text = [](const ByteWriter& w) { return std::string(w.bytes.begin(), w.bytes.end()); };
  const auto bitmap = [&](std::uint32_t headerSize, std::int32_t width, std::int32_t height) {
    ByteWriter w;
    w.Raw({'B', 'M'}).U32(0).U32(0).U32(54).U32(headerSize).U32(static_cast<std::uint32_t>(width));
    w.U32(static_cast<std::uint32_t>(height)).U16(1).U16(24).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    return text(w);
  };
  const std::vector<std::uint8_t> emf = SampleEmf();
  const std::string emfHeader(emf.begin(), emf.begin() + (emf[4] | emf[5] << 8));
  const struct {
    std::string name;
    std::string start;
    std::string error;  // empty: the size is read
    TSize size;
  } cases[] = {
      {"header.bmp", bitmap(0x10000000, 10, 10), "Unsupported bitmap header", {}},
      // 16000 x 16000 in 24 bits takes 768 MB.
      {"rows.bmp", bitmap(40, 16000, 16000), "Bitmap file is truncated", {}},
      {"size.bmp", bitmap(40, 10240, 10240), "", {10240, 10240}},
      {"sig.png", "\x89PNG\r\n\x1a\n", "PNG: [00][00][00][00]: invalid chunk type", {}},
      {"sig.jpg", "\xFF\xD8", "JPEG: Corrupt JPEG data: no marker after the start of image", {}},
      {"frame.gif", text(ByteWriter().Raw({'G', 'I', 'F', '8', '9', 'a'}).U16(10).U16(10).U32(0).Raw({','}).U32(0)
                             .U16(10).U16(10).U8(0)),
       "Invalid LZW code size", {}},
      {"records.wmf", text(ByteWriter().U16(1).U16(9).U16(0x0300).U32(0).U16(0).U32(0).U16(0)),
       "Invalid metafile record", {}},
      {"records.emf", emfHeader, "Invalid metafile record", {}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.File(c.name);
    MakeLargeFile(path, c.start, 300u << 20);
    Bitmap target(2, 2);
    TSize size;
    std::string errorText;
    const std::uint64_t before = BytesReadSoFar();
    if (c.error.empty()) {
      // As the icon palette reads a file: its picture only when it is small enough.
      const auto small = [](TSize s) { return s.cx <= 4096 && s.cy <= 4096; };
      EXPECT_TRUE(LoadPictureOfWantedSize(path, small, size, target, errorText)) << errorText;
      EXPECT_EQ(size, c.size);
    } else {
      EXPECT_FALSE(LoadPictureInto(path, &target, errorText));
      EXPECT_EQ(errorText, c.error);
    }
    EXPECT_EQ(target.Width(), 2);
    EXPECT_LT(BytesReadSoFar() - before, 1u << 20);
    std::filesystem::remove(path);
  }
}

TEST(PictureFormats, ErrorsAreThoseOfReadingTheWholeFile) {
  TempDir dir;
  using Bytes = std::span<const std::uint8_t>;
  const std::vector<std::pair<std::string, std::function<Bitmap(Bytes)>>> readers{
      {"bmp", [](Bytes f) { return DecodeBmp(f); }},
      {"png", [](Bytes f) { return DecodePng(f); }},
      {"jpg", [](Bytes f) { return DecodeJpeg(f); }},
      {"gif", [](Bytes f) { return DecodeGif(f); }},
      {"emf", [](Bytes f) { return RenderMetafile({f.begin(), f.end()}); }},
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
