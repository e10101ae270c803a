#include <gtest/gtest.h>

#include "gif/GIFExtensionGraphicControl.h"
#include "tests/gif/GIFTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

std::vector<TColor> Greys(int n) {
  std::vector<TColor> p;
  for (int i = 0; i < n; ++i) p.push_back(RGBColor(i, i, i));
  return p;
}

class TestMap : public TGIFColorMap {
 public:
  mutable std::vector<std::string> warnings;
  Bytes pixels;
  void Warning(int, const std::string& m) const override { warnings.push_back(m); }

 protected:
  void CountPixels(TGIFHistogram& h) const override {
    for (auto p : pixels) ++h[p].count;
  }
  void MapImages(const TGIFColorMapping& map) override {
    for (auto& p : pixels) p = map[p];
  }
  void Changed() override {}
};

}  // namespace

TEST(GIFFileLayout, OneFrameFile) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 2, {clRed, RGBColor(0, 0, 255)}, Bytes(4, 0));
  EXPECT_EQ(Hex(Save(image)), Hex(std::string("GIF87a") +
                                  S({2, 0, 2, 0, 0x00, 0, 0}) +                 // screen, no global table
                                  S({',', 0, 0, 0, 0, 2, 0, 2, 0, 0x80}) +      // descriptor, 2 entries
                                  S({255, 0, 0, 0, 0, 255}) +                   // local table
                                  S({2, 2, 0x84, 0x51, 0}) + ";"));
  // The same with the RLE encoder writes the same image data.
  image.Compression = TGIFCompression::gcRLE;
  EXPECT_NE(Save(image).find(S({2, 2, 0x84, 0x51, 0})), std::string::npos);
}

TEST(GIFFileLayout, ColorTableSizes) {
  struct Case { int entries, written, packedBits; };
  for (const Case c : {Case{1, 2, 0}, Case{3, 4, 1}, Case{216, 256, 7}, Case{256, 256, 7}}) {
    TGIFImage image;
    AddFrame(image, 0, 0, 1, 1, Greys(c.entries), Bytes{0});
    const std::string bytes = Save(image);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[10]), (c.packedBits << 4) | c.packedBits) << c.entries;
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[22]), 0x80 | c.packedBits);
    const std::size_t table = 23;
    EXPECT_EQ(bytes.substr(table + 3 * c.entries, 3 * (c.written - c.entries)),
              std::string(3 * (c.written - c.entries), '\0'));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[table + 3 * c.written]), std::max(2, c.packedBits + 1));
  }
}

TEST(GIFFileLayout, HeaderSizeBitsFollowTheGlobalTable) {
  // A global table of 2 entries and a local one of 256: the header must
  // describe the 2-entry table that follows it.
  TGIFImage image;
  image.Header().GlobalColorMap().ImportPalette({clBlack, clWhite});
  AddFrame(image, 0, 0, 2, 1, Greys(256), Bytes{0, 255});
  const std::string bytes = Save(image);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[10]), 0xF0);
  EXPECT_EQ(bytes.substr(13, 6), S({0, 0, 0, 255, 255, 255}));
  const GiflibResult decoded = DecodeWithGiflib(bytes);
  ASSERT_TRUE(decoded.ok);
  EXPECT_EQ(decoded.frames[0].pixels, (Bytes{0, 255}));
}

TEST(GIFFileLayout, InterlaceBitOnlyWithoutLocalTable) {
  // Two frames of 1 x 5; the first has a local table, the second uses the global one.
  TGIFImage image;
  image.Header().GlobalColorMap().ImportPalette(Greys(4));
  AddFrame(image, 0, 0, 1, 5, Greys(4), Bytes{0, 1, 2, 3, 0});
  AddFrame(image, 0, 0, 1, 5, {}, Bytes{0, 1, 2, 3, 0});
  const std::string descriptor = S({',', 0, 0, 0, 0, 1, 0, 5, 0});
  const auto packedBytes = [&](const std::string& file) {
    const std::size_t first = file.find(descriptor);
    const std::size_t second = file.find(descriptor, first + 1);
    return std::pair{static_cast<std::uint8_t>(file.at(first + 9)), static_cast<std::uint8_t>(file.at(second + 9))};
  };
  // Flag both descriptors interlaced; read so, the rows come back as 0, 4, 2, 1, 3.
  std::string bytes = Save(image);
  bytes[bytes.find(descriptor) + 9] |= 0x40;
  bytes[bytes.find(descriptor, bytes.find(descriptor) + 1) + 9] |= 0x40;
  auto loaded = Load(bytes);
  ASSERT_EQ(loaded->image->Images().Count(), 2);
  EXPECT_EQ(loaded->image->Images()[0].Data(), (Bytes{0, 3, 2, 0, 1}));
  EXPECT_TRUE(loaded->image->Images()[1].Interlaced());
  // Written back: the frame with a local table plainly, the other one interlaced.
  const std::string again = Save(*loaded->image);
  EXPECT_EQ(packedBytes(again), std::pair(std::uint8_t{0x81}, std::uint8_t{0x40}));
  const GiflibResult decoded = DecodeWithGiflib(again);
  ASSERT_TRUE(decoded.ok);
  EXPECT_EQ(decoded.frames[0].pixels, (Bytes{0, 3, 2, 0, 1}));
  EXPECT_EQ(decoded.frames[1].pixels, (Bytes{0, 3, 2, 0, 1}));
}

TEST(GIFFileLayout, SignatureAndVersion) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 2, {clRed, clWhite}, Bytes{0, 1, 1, 0});
  const std::string file = Save(image);
  // Four other bytes before "GIF", lower case, any version characters.
  for (const std::string& variant : {"abcd" + file, "gif" + file.substr(3), "GIFxyz" + file.substr(6)}) {
    auto loaded = Load(variant);
    ASSERT_EQ(loaded->image->Images().Count(), 1);
    EXPECT_EQ(loaded->image->Images()[0].Data(), (Bytes{0, 1, 1, 0}));
  }
  for (const std::string& bad : {"ab" + file, "abcde" + file, std::string("PNG12345678901234")}) {
    TGIFImage target;
    std::istringstream in(bad);
    try {
      target.LoadFromStream(in);
      FAIL() << "loaded";
    } catch (const GIFException& e) {
      EXPECT_STREQ(e.what(), "Invalid GIF signature");
    }
    EXPECT_EQ(in.tellg(), 0);  // back where it started
  }
  // A graphic control extension makes it an 89a file.
  image.Images()[0].Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(&image.Images()[0]));
  EXPECT_EQ(Save(image).substr(0, 6), "GIF89a");
  // No frames: nothing to write.
  TGIFImage empty;
  try {
    Save(empty);
    FAIL() << "saved";
  } catch (const GIFException& e) {
    EXPECT_STREQ(e.what(), "Unsupported GIF version");
  }
}

TEST(GIFFileLayout, BlocksBetweenFrames) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 1, {clRed, clWhite}, Bytes{0, 1});
  const std::string file = Save(image);
  const std::size_t frame = 13;
  // Zero bytes between blocks are skipped; a missing trailer is no fault.
  auto padded = Load(file.substr(0, frame) + std::string(3, '\0') + file.substr(frame));
  EXPECT_EQ(padded->image->Images().Count(), 1);
  EXPECT_TRUE(padded->warnings.empty());
  auto noTrailer = Load(file.substr(0, file.size() - 1));
  EXPECT_EQ(noTrailer->image->Images().Count(), 1);
  EXPECT_TRUE(noTrailer->warnings.empty());
  auto badTrailer = Load(file.substr(0, file.size() - 1) + "x");
  EXPECT_EQ(badTrailer->warnings, (std::vector<std::string>{"Unknown GIF block type", "Invalid Image trailer"}));
}

TEST(GIFFileLayout, FrameBoundsAndScreen) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 3, 4, 5, 6, {clRed}, Bytes(30, 0));
  EXPECT_EQ(image.Width(), 8);
  EXPECT_EQ(image.Height(), 10);
  std::vector<std::string> warnings;
  image.OnItemWarning = [&](const void*, int, const std::string& m) { warnings.push_back(m); };
  frame.SetBounds(3, 4, 7, 6);
  EXPECT_EQ(image.Width(), 10);
  EXPECT_EQ(warnings, (std::vector<std::string>{"Image width too small for contained frames",
                                                 "Image exceeds Logical Screen size"}));
  for (auto bounds : {std::array{0, 0, 65536, 1}, std::array{65535, 0, 1, 1}}) {
    try {
      frame.SetBounds(bounds[0], bounds[1], bounds[2], bounds[3]);
      FAIL() << "accepted";
    } catch (const GIFException& e) {
      EXPECT_STREQ(e.what(), "Image too large for GIF");
    }
  }
  EXPECT_THROW(frame.Pixels(7, 0), GIFException);
  EXPECT_THROW(frame.Scanline(6), GIFException);
}

TEST(GIFFileLayout, GetBitmap) {
  TGIFImage image;
  EXPECT_EQ(image.GetBitmap(), nullptr);
  // A frame that covers the screen: its own 8-bit bitmap.
  AddFrame(image, 0, 0, 2, 1, {clRed, clWhite}, Bytes{1, 0});
  const Bitmap* whole = image.GetBitmap();
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(whole->Format(), PixelFormat::pf8bit);
  EXPECT_EQ(whole->GetPixel(0, 0), clWhite);
  EXPECT_EQ(whole->GetPixel(1, 0), clRed);

  // A frame smaller than the screen: the screen in the background colour.
  auto loaded = Load(ReadFile(DataPath("im_small_first.gif")));
  const Bitmap* small = loaded->image->GetBitmap();
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->Format(), PixelFormat::pf24bit);
  ASSERT_EQ(small->Width(), 30);
  ASSERT_EQ(small->Height(), 20);
  const TColor background = loaded->image->GetBackgroundColor();
  const TColor green = RGBColor(0, 128, 0);
  EXPECT_EQ(small->GetPixel(6, 5), background);
  EXPECT_EQ(small->GetPixel(7, 4), background);
  EXPECT_EQ(small->GetPixel(7, 5), green);
  EXPECT_EQ(small->GetPixel(22, 13), green);
  EXPECT_EQ(small->GetPixel(23, 13), background);
  EXPECT_EQ(small->GetPixel(22, 14), background);

  // Without a global table the background is black; a frame past the screen is cut.
  TGIFImage offset;
  AddFrame(offset, 1, 0, 2, 1, {clWhite}, Bytes{0, 0});
  offset.Header().SetLogicalScreenWidth(2);
  const Bitmap* cut = offset.GetBitmap();
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->Width(), 2);
  EXPECT_EQ(cut->GetPixel(0, 0), clBlack);
  EXPECT_EQ(cut->GetPixel(1, 0), clWhite);
}

TEST(GIFColorMap, Entries) {
  TestMap map;
  EXPECT_EQ(map.BitsPerPixel(), 0);
  for (TColor c : {clRed, clWhite, clBlack, clWhite}) map.Add(c);
  EXPECT_EQ(map.IndexOf(clWhite), 3);  // unsorted: searched from the end
  EXPECT_EQ(map.IndexOf(RGBColor(1, 2, 3)), -1);
  EXPECT_EQ(map.AddUnique(clRed), 0);
  EXPECT_EQ(map.BitsPerPixel(), 2);
  EXPECT_EQ(map.Colors(9), clRed);
  EXPECT_EQ(map.warnings, std::vector<std::string>{"Invalid color index"});
  EXPECT_THROW(map.Delete(4), GIFException);
  map.Delete(0);
  EXPECT_EQ(map.Colors(0), clWhite);
  TestMap empty;
  EXPECT_THROW(empty.Colors(0), GIFException);
  TestMap full;
  for (int i = 0; i < 256; ++i) full.Add(RGBColor(i, 0, 0));
  try {
    full.Add(clWhite);
    FAIL();
  } catch (const GIFException& e) {
    EXPECT_STREQ(e.what(), "Color table overflow");
  }
}

TEST(GIFColorMap, OptimizeSortsByUse) {
  TestMap map;
  map.ImportPalette({clRed, clWhite, clBlack, RGBColor(1, 2, 3)});
  map.pixels = {2, 2, 2, 1, 0, 0, 2};
  EXPECT_TRUE(map.Optimize());
  EXPECT_TRUE(map.Optimized());
  ASSERT_EQ(map.Count(), 3);  // the unused entry is dropped
  EXPECT_EQ(map.ExportPalette(), (std::vector<TColor>{clBlack, clRed, clWhite}));
  EXPECT_EQ(map.pixels, (Bytes{0, 0, 0, 2, 1, 1, 0}));
  // Sorted: searched from the start; a new entry clears the flag.
  map.Add(clBlack);
  EXPECT_FALSE(map.Optimized());
  map.pixels = {0, 0, 0, 1, 1, 2};
  map.Optimize();
  EXPECT_EQ(map.IndexOf(clBlack), 0);
  // Already in order: entries nobody uses stay.
  EXPECT_EQ(map.Count(), 4);
}
