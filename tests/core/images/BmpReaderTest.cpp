#include <gtest/gtest.h>

#include "core/images/BmpReader.h"
#include "core/images/ImageFileError.h"
#include "tests/core/images/ImageTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// A bitmap file with a 40-byte info header; `extra` lies between header and colour table.
std::vector<std::uint8_t> InfoBmp(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                                  const std::vector<TColor>& palette, const std::vector<std::uint8_t>& pixels,
                                  const std::vector<std::uint32_t>& extra = {}) {
  ByteWriter w;
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(extra.size() + palette.size());
  w.Raw({'B', 'M'}).U32(offset + static_cast<std::uint32_t>(pixels.size())).U32(0).U32(offset);
  w.U32(40).U32(static_cast<std::uint32_t>(width)).U32(static_cast<std::uint32_t>(height)).U16(1).U16(bits);
  w.U32(compression).U32(static_cast<std::uint32_t>(pixels.size())).U32(2835).U32(2835);
  w.U32(static_cast<std::uint32_t>(palette.size())).U32(0);
  for (std::uint32_t v : extra) w.U32(v);
  for (TColor c : palette) w.U8(BlueOf(c)).U8(GreenOf(c)).U8(RedOf(c)).U8(0);
  w.bytes.insert(w.bytes.end(), pixels.begin(), pixels.end());
  return w.bytes;
}

std::vector<TColor> Grey16() {
  std::vector<TColor> p;
  for (unsigned i = 0; i < 16; ++i) p.push_back(RGBColor(i * 17, i * 17, i * 17));
  return p;
}

std::vector<std::uint32_t> RawRow(const Bitmap& b, int y) {
  std::vector<std::uint32_t> row;
  for (int x = 0; x < b.Width(); ++x) row.push_back(b.RawPixel(x, y));
  return row;
}

std::string ErrorOf(const std::vector<std::uint8_t>& file) {
  try {
    DecodeBmp(file);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(BmpReader, ReadsImageMagickFilesPixelForPixel) {
  const struct {
    const char* name;
    PixelFormat format;
  } cases[] = {
      {"b24", PixelFormat::pf24bit},   {"v5_24", PixelFormat::pf24bit}, {"v5x32", PixelFormat::pf32bit},
      {"v5a32", PixelFormat::pf32bit}, {"b555", PixelFormat::pf15bit},  {"b565", PixelFormat::pf16bit},
      {"core8", PixelFormat::pf8bit},  {"core4", PixelFormat::pf4bit},  {"p8", PixelFormat::pf8bit},
      {"p4", PixelFormat::pf4bit},     {"p1", PixelFormat::pf1bit},     {"rle8", PixelFormat::pf8bit},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bitmap expected = ParsePpm(ReadBytes(DataPath(std::string("bmp/") + c.name + ".ppm")));
    const Bitmap actual = DecodeBmp(ReadBytes(DataPath(std::string("bmp/") + c.name + ".bmp")));
    EXPECT_EQ(actual.Format(), c.format);
    EXPECT_TRUE(SamePixels(expected, actual));
  }
}

TEST(BmpReader, IndexedFilesKeepTheirColourTable) {
  const Bitmap b = DecodeBmp(ReadBytes(DataPath("bmp/p1.bmp")));
  EXPECT_EQ(b.Palette(), (std::vector<TColor>{clBlack, clWhite}));
  const std::vector<TColor> table{0x0000FF, 0x00FF00, 0xFF0000};
  const Bitmap small = DecodeBmp(InfoBmp(3, 1, 8, 0, table, {2, 1, 0, 0}));
  EXPECT_EQ(small.Palette(), table);
  EXPECT_EQ(RawRow(small, 0), (std::vector<std::uint32_t>{2, 1, 0}));
}

TEST(BmpReader, TopDownAndBottomUpRows) {
  const std::vector<std::uint8_t> rows{1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  const Bitmap up = DecodeBmp(InfoBmp(2, 2, 24, 0, {}, rows));
  const Bitmap down = DecodeBmp(InfoBmp(2, -2, 24, 0, {}, rows));
  EXPECT_EQ(up.GetPixel(0, 1), RGBColor(3, 2, 1));
  EXPECT_EQ(up.GetPixel(1, 0), RGBColor(12, 11, 10));
  EXPECT_EQ(down.GetPixel(0, 0), RGBColor(3, 2, 1));
  EXPECT_EQ(down.GetPixel(1, 1), RGBColor(12, 11, 10));
}

TEST(BmpReader, Rle4RunsLiteralsDeltasAndLineEnds) {
  const std::vector<std::uint8_t> stream{
      5,    0x12, 0, 0,        // row 0: 1 2 1 2 1, end of line
      0,    3,    0x34, 0x50,  // row 1: literal 3 4 5
      0,    2,    1,    1,     // move one right and one up
      2,    0x77, 0,    1,     // row 2 from x = 4: 7 7, end of picture
  };
  const Bitmap b = DecodeBmp(InfoBmp(6, 3, 4, 2, Grey16(), stream));
  EXPECT_EQ(b.Format(), PixelFormat::pf4bit);
  EXPECT_EQ(RawRow(b, 2), (std::vector<std::uint32_t>{1, 2, 1, 2, 1, 0}));
  EXPECT_EQ(RawRow(b, 1), (std::vector<std::uint32_t>{3, 4, 5, 0, 0, 0}));
  EXPECT_EQ(RawRow(b, 0), (std::vector<std::uint32_t>{0, 0, 0, 0, 7, 7}));
}

TEST(BmpReader, Rle8OddLiteralsArePaddedAndLongRunsClipped) {
  const std::vector<std::uint8_t> stream{0, 3, 9, 8, 7, 0, 10, 5, 0, 0, 0, 1};
  const Bitmap b = DecodeBmp(InfoBmp(4, 2, 8, 1, Grey16(), stream));
  EXPECT_EQ(RawRow(b, 1), (std::vector<std::uint32_t>{9, 8, 7, 5}));
  EXPECT_EQ(RawRow(b, 0), (std::vector<std::uint32_t>{0, 0, 0, 0}));
}

TEST(BmpReader, SixteenAndThirtyTwoBitMasks) {
  // 16 bits without masks are 5-5-5: 0x7FFF white, 0x001F blue.
  const Bitmap b16 = DecodeBmp(InfoBmp(2, 1, 16, 0, {}, {0xFF, 0x7F, 0x1F, 0x00}));
  EXPECT_EQ(b16.GetPixel(0, 0), clWhite);
  EXPECT_EQ(b16.GetPixel(1, 0), RGBColor(0, 0, 255));
  // 32 bits with masks after a 40-byte header: red in the top byte.
  const Bitmap b32 = DecodeBmp(InfoBmp(1, 1, 32, 3, {}, {0x00, 0x30, 0x20, 0x10}, {0xFF000000, 0xFF0000, 0xFF00}));
  EXPECT_EQ(b32.GetPixel(0, 0), RGBColor(0x10, 0x20, 0x30));
  EXPECT_EQ(ErrorOf(InfoBmp(1, 1, 32, 3, {}, {0, 0, 0, 0}, {0xF0F00000, 0xFF00, 0xFF})), "Invalid bitmap colour masks");
}

TEST(BmpReader, SixteenBitFilesKeepTheirWordsWhenTheirMasksNameAWordFormat) {
  // Two pixels each, stored as little-endian words.
  const std::vector<std::uint32_t> none, m555{0x7C00, 0x03E0, 0x001F}, m565{0xF800, 0x07E0, 0x001F};
  const struct {
    const char* what;
    std::uint32_t compression;
    std::vector<std::uint32_t> masks;
    std::vector<std::uint8_t> pixels;
    PixelFormat format;
    std::vector<std::uint32_t> raw;  // checked for 15 and 16 bits
    std::vector<TColor> colors;
  } cases[] = {
      {"no masks, top bit set", 0, none, {0xFF, 0xFF, 0x1F, 0x00}, PixelFormat::pf15bit, {0x7FFF, 0x001F},
       {clWhite, RGBColor(0, 0, 255)}},
      {"5-5-5 masks", 3, m555, {0x00, 0x7C, 0x10, 0x42}, PixelFormat::pf15bit, {0x7C00, 0x4210},
       {RGBColor(255, 0, 0), RGBColor(0x84, 0x84, 0x84)}},
      {"5-6-5 masks", 3, m565, {0x00, 0xF8, 0x20, 0x00}, PixelFormat::pf16bit, {0xF800, 0x0020},
       {RGBColor(255, 0, 0), RGBColor(0, 4, 0)}},
      {"4-4-4 masks", 3, {0x0F00, 0x00F0, 0x000F}, {0x00, 0x0F, 0x0F, 0x00}, PixelFormat::pf24bit, {},
       {RGBColor(255, 0, 0), RGBColor(0, 0, 255)}},
      {"5-6-5 masks, blue high", 3, {0x001F, 0x07E0, 0xF800}, {0x00, 0xF8, 0x1F, 0x00}, PixelFormat::pf24bit, {},
       {RGBColor(0, 0, 255), RGBColor(255, 0, 0)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Bitmap b = DecodeBmp(InfoBmp(2, 1, 16, c.compression, {}, c.pixels, c.masks));
    EXPECT_EQ(b.Format(), c.format);
    if (!c.raw.empty()) {
      EXPECT_EQ(RawRow(b, 0), c.raw);
    }
    EXPECT_EQ((std::vector<TColor>{b.GetPixel(0, 0), b.GetPixel(1, 0)}), c.colors);
  }
  // The unused top bit is not kept, so it is not written back either.
  EXPECT_EQ(DecodeBmp(InfoBmp(1, 1, 16, 0, {}, {0xFF, 0xFF, 0, 0})).ScanLine(0)[1], 0x7F);
}

TEST(BmpReader, LyingHeadersAreRefused) {
  const std::vector<std::uint8_t> row{1, 2, 3, 0};
  EXPECT_EQ(ErrorOf({'B', 'A', 0, 0}), "Not a bitmap file");
  EXPECT_EQ(ErrorOf(InfoBmp(1, 1, 24, 0, {}, {})), "Bitmap file is truncated");
  EXPECT_EQ(ErrorOf(InfoBmp(0, 1, 24, 0, {}, row)), "Invalid bitmap size");
  EXPECT_EQ(ErrorOf(InfoBmp(1, 1, 12, 0, {}, row)), "Unsupported bitmap format");
  EXPECT_EQ(ErrorOf(InfoBmp(1, -1, 8, 1, {}, row)), "Unsupported bitmap format");  // top-down RLE
  // Huge sizes fail on the file's length, before any memory is taken.
  EXPECT_EQ(ErrorOf(InfoBmp(16000, 16000, 8, 0, Grey16(), row)), "Bitmap file is truncated");
  EXPECT_EQ(ErrorOf(InfoBmp(16000, 16000, 8, 1, Grey16(), {0, 0})), "Bitmap file is truncated");
  EXPECT_EQ(ErrorOf(InfoBmp(100000, 100000, 8, 1, Grey16(), {0, 1})), "Image too large");

  auto wrongHeader = InfoBmp(1, 1, 24, 0, {}, row);
  wrongHeader[14] = 16;
  EXPECT_EQ(ErrorOf(wrongHeader), "Unsupported bitmap header");
  auto offsetIntoTable = InfoBmp(1, 1, 8, 0, Grey16(), row);
  ByteWriter patch{offsetIntoTable};
  patch.PatchU32(10, 60);
  EXPECT_EQ(ErrorOf(patch.bytes), "Invalid bitmap data offset");
  auto hugeTable = InfoBmp(1, 1, 8, 0, {}, row);
  ByteWriter table{hugeTable};
  table.PatchU32(46, 0xFFFFFFFF);  // 2^32 - 1 colours declared, none present
  EXPECT_EQ(ErrorOf(table.bytes), "Bitmap file is truncated");
}

TEST(BmpReader, EveryTruncationFailsCleanly) {
  // An RLE picture whose rows are all complete reads without its end marker.
  for (const char* name : {"core8", "p4", "rle8", "v5a32", "b565"}) {
    const auto file = ReadBytes(DataPath(std::string("bmp/") + name + ".bmp"));
    const std::size_t complete = std::string(name) == "rle8" ? file.size() - 2 : file.size();
    for (std::size_t n = 0; n < complete; ++n) {
      const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_THROW(DecodeBmp(cut), std::runtime_error) << name << " cut at " << n;
    }
  }
}
