// The image's size setters, identity, copies to a bitmap, files, palette and
// clipboard.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "gif/GIFClipboard.h"
#include "gif/GIFFormat.h"
#include "tests/gif/GIFTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

// A clipboard in memory that can be told to refuse data.
class MemoryClipboard : public TGIFClipboard {
 public:
  bool refuse = false;
  std::map<std::string, std::vector<std::uint8_t>> data;
  std::optional<Bitmap> picture;

  bool SetData(const std::string& format, std::span<const std::uint8_t> bytes) override {
    if (refuse) return false;
    data[format].assign(bytes.begin(), bytes.end());
    return true;
  }
  void SetBitmap(const Bitmap& p) override { picture = p; }
  std::optional<std::vector<std::uint8_t>> Data(const std::string& format) const override {
    const auto it = data.find(format);
    return it == data.end() ? std::nullopt : std::optional(it->second);
  }
  std::optional<Bitmap> Picture() const override { return picture; }
};

}  // namespace

TEST(GIFImageMembers, WidthAndHeightMustHoldEveryFrame) {
  TGIFImage image;
  AddFrame(image, 2, 1, 3, 2, {clRed, clWhite}, Bytes{0, 1, 1, 0, 0, 1});
  int changes = 0;
  image.OnChange = [&] { ++changes; };
  ASSERT_NE(image.GetBitmap(), nullptr);

  EXPECT_EQ(ErrorOf([&] { image.SetWidth(4); }), "Image width too small for contained frames");
  EXPECT_EQ(ErrorOf([&] { image.SetHeight(2); }), "Image height too small for contained frames");
  EXPECT_EQ(ErrorOf([&] { image.SetWidth(70000); }), "Image too large for GIF");
  EXPECT_EQ(image.Width(), 5);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(changes, 0);

  // The frame's own edges are accepted; the same size changes nothing.
  image.SetWidth(5);
  image.SetHeight(3);
  EXPECT_EQ(changes, 0);

  // A new size drops the cached bitmap and tells.
  image.SetWidth(8);
  image.SetHeight(6);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Save(image).substr(6, 4), S({8, 0, 6, 0}));
  const Bitmap* picture = image.GetBitmap();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 8);
  EXPECT_EQ(picture->Height(), 6);
  EXPECT_EQ(picture->GetPixel(3, 1), clWhite);
  EXPECT_EQ(picture->GetPixel(7, 5), clBlack);
}

TEST(GIFImageMembers, EqualsOnlyItself) {
  const std::string bytes = ReadFile(DataPath("im_small_first.gif"));
  auto a = Load(bytes), b = Load(bytes);
  EXPECT_TRUE(a->image->Equals(*a->image));
  EXPECT_FALSE(a->image->Equals(*b->image));
}

TEST(GIFImageMembers, AssignToABitmap) {
  auto loaded = Load(ReadFile(DataPath("im_small_first.gif")));
  Bitmap target(3, 3);
  loaded->image->AssignTo(target);
  EXPECT_TRUE(target == *loaded->image->GetBitmap());
  EXPECT_EQ(target.Width(), 30);
  EXPECT_EQ(target.GetPixel(7, 5), clGreen);

  TGIFImage empty;
  empty.AssignTo(target);
  EXPECT_TRUE(target.Empty());
}

TEST(GIFImageMembers, FilesAreReadAndWrittenWhole) {
  TempDir dir;
  TGIFImage image;
  AddFrame(image, 0, 0, 3, 2, {clRed, clWhite, clBlue}, Bytes{0, 1, 2, 2, 1, 0});
  const std::string path = dir.File("out.gif");
  image.SaveToFile(path);
  const std::string written = ReadFile(path);
  EXPECT_EQ(written, Save(image));
  const GiflibResult decoded = DecodeWithGiflib(written);
  ASSERT_TRUE(decoded.ok);
  ASSERT_EQ(decoded.frames.size(), 1u);
  EXPECT_EQ(decoded.frames[0].pixels, (Bytes{0, 1, 2, 2, 1, 0}));

  TGIFImage again;
  again.LoadFromFile(path);
  ASSERT_EQ(again.Images().Count(), 1);
  EXPECT_EQ(again.Images()[0].Data(), (Bytes{0, 1, 2, 2, 1, 0}));

  // An image that cannot be encoded leaves the file as it was.
  TGIFImage empty;
  EXPECT_EQ(ErrorOf([&] { empty.SaveToFile(path); }), "Unsupported GIF version");
  EXPECT_EQ(ReadFile(path), written);

  EXPECT_EQ(ErrorOf([&] { image.SaveToFile(dir.File("missing/out.gif")); }),
            "Cannot create file \"" + dir.File("missing/out.gif") + "\". No such file or directory");
  EXPECT_EQ(ErrorOf([&] { again.LoadFromFile(dir.File("none.gif")); }),
            "Cannot open file \"" + dir.File("none.gif") + "\". No such file or directory");
  std::filesystem::create_directory(dir.File("folder.gif"));
  EXPECT_EQ(ErrorOf([&] { again.LoadFromFile(dir.File("folder.gif")); }),
            "Cannot open file \"" + dir.File("folder.gif") + "\". Is a directory");
  EXPECT_THROW(again.LoadFromFile(dir.File("none.gif")), EFileError);
}

TEST(GIFImageMembers, APaletteSetFromOutsideShowsTheFrames) {
  TGIFImage image;
  image.Header().GlobalColorMap().ImportPalette({clRed, clGreen});
  TGIFSubImage& frame = AddFrame(image, 0, 0, 2, 1, {}, Bytes{0, 1});
  int changes = 0;
  image.OnChange = [&] { ++changes; };
  ASSERT_EQ(image.GetBitmap()->GetPixel(0, 0), clRed);
  ASSERT_EQ(frame.GetBitmap().GetPixel(1, 0), clGreen);

  image.SetPalette({clBlue, clWhite});
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(image.PaletteModified);
  EXPECT_EQ(image.GetPalette(), (std::vector<TColor>{clBlue, clWhite}));
  EXPECT_EQ(image.GetBitmap()->GetPixel(0, 0), clBlue);
  EXPECT_EQ(frame.GetBitmap().GetPixel(1, 0), clWhite);

  // The same palette again changes nothing.
  image.SetPalette({clBlue, clWhite});
  EXPECT_EQ(changes, 1);

  // No palette: the colour tables again.
  image.SetPalette({});
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(image.GetBitmap()->GetPixel(0, 0), clRed);

  image.SetPalette({clBlue, clWhite});
  image.Clear();
  EXPECT_TRUE(image.GetPalette().empty());
}

TEST(GIFImageMembers, ALoadThatFailsKeepsThePaletteSetFromOutside) {
  TGIFImage image;
  image.Header().GlobalColorMap().ImportPalette({clRed, clGreen});
  AddFrame(image, 0, 0, 2, 1, {}, Bytes{0, 1});
  image.SetPalette({clBlue, clWhite});
  std::istringstream cut(Save(image).substr(0, 20));
  EXPECT_THROW(image.LoadFromStream(cut), GIFException);
  EXPECT_EQ(image.GetPalette(), (std::vector<TColor>{clBlue, clWhite}));
  EXPECT_EQ(image.GetBitmap()->GetPixel(0, 0), clBlue);
}

TEST(GIFImageMembers, ClipboardCarriesTheFileAndThePicture) {
  EXPECT_STREQ(kGIFClipboardFormat, "image/gif");
  TGIFImage image;
  AddFrame(image, 0, 0, 3, 2, {clRed, clWhite, clBlue}, Bytes{0, 1, 2, 2, 1, 0});
  MemoryClipboard clipboard;
  image.SaveToClipboardFormat(clipboard);
  ASSERT_EQ(clipboard.data.count(kGIFClipboardFormat), 1u);
  const std::vector<std::uint8_t>& file = clipboard.data[kGIFClipboardFormat];
  EXPECT_EQ(std::string(file.begin(), file.end()), Save(image));
  ASSERT_TRUE(clipboard.picture);
  EXPECT_TRUE(*clipboard.picture == *image.GetBitmap());

  // From the clipboard: the GIF file, or one frame of the picture.
  TGIFImage pasted;
  pasted.LoadFromClipboardFormat(clipboard, kGIFClipboardFormat);
  ASSERT_EQ(pasted.Images().Count(), 1);
  EXPECT_EQ(pasted.Images()[0].Data(), (Bytes{0, 1, 2, 2, 1, 0}));
  Bitmap four(2, 2);
  four.Fill(clWhite);
  four.SetPixel(1, 1, clRed);
  clipboard.picture = four;
  pasted.ColorReduction = TColorReduction::rmNone;
  pasted.LoadFromClipboardFormat(clipboard, kBitmapClipboardFormat);
  ASSERT_EQ(pasted.Images().Count(), 1);
  EXPECT_EQ(pasted.GetBitmap()->GetPixel(1, 1), clRed);
  EXPECT_EQ(pasted.GetBitmap()->GetPixel(0, 1), clWhite);
  EXPECT_EQ(ErrorOf([&] { pasted.LoadFromClipboardFormat(clipboard, "text/plain"); }),
            "Unsupported clipboard format");

  // A clipboard that refuses the file; an empty image puts nothing.
  MemoryClipboard refusing;
  refusing.refuse = true;
  EXPECT_EQ(ErrorOf([&] { image.SaveToClipboardFormat(refusing); }), "Failed to store GIF on clipboard");
  MemoryClipboard untouched;
  TGIFImage().SaveToClipboardFormat(untouched);
  EXPECT_TRUE(untouched.data.empty());
  EXPECT_FALSE(untouched.picture);
}
