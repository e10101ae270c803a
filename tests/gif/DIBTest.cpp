#include <gtest/gtest.h>

#include <string>

#include "gif/DIB.h"
#include "gif/GIFException.h"

using namespace kestrova;

namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

template <class E, class F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e.what();
  }
  return "(nothing raised)";
}

}  // namespace

TEST(DIBWriter, RowsArePaddedAndLandTopDownInTheTarget) {
  for (auto [format, width, stride] : {std::tuple{PixelFormat::pf8bit, 3, 4},
                                       std::tuple{PixelFormat::pf24bit, 3, 12},
                                       std::tuple{PixelFormat::pf24bit, 1, 4}}) {
    Bitmap target;
    {
      TDIBWriter writer(target, format, width, 2, {clRed});
      writer.GetScanline(0)[0] = 7;
      writer.GetScanline(1)[0] = 9;
    }
    ASSERT_EQ(target.Format(), format);
    EXPECT_EQ(target.Width(), width);
    EXPECT_EQ(target.Height(), 2);
    EXPECT_EQ(target.Stride(), stride);
    EXPECT_EQ(target.ScanLine(0)[0], 7);
    EXPECT_EQ(target.ScanLine(1)[0], 9);
  }
}

TEST(DIBWriter, ColourTableHas256EntriesAndCountsThePalette) {
  std::vector<TColor> palette;
  for (unsigned i = 0; i < 216; ++i) palette.push_back(RGBColor(i, 255 - i, 1));
  Bitmap target;
  {
    TDIBWriter writer(target, PixelFormat::pf8bit, 2, 1, palette);
    EXPECT_TRUE(writer.DIBInfo().empty());
    writer.GetScanline(0);
    const auto& info = writer.DIBInfo();
    ASSERT_EQ(info.size(), 1064u);
    EXPECT_EQ(info[14], 8);
    EXPECT_EQ(U32At(info, 32), 256u);
    EXPECT_EQ(U32At(info, 36), 216u);
    EXPECT_EQ(info[40 + 4 * 5 + 0], 1);  // blue of entry 5
    EXPECT_EQ(info[40 + 4 * 5 + 2], 5);  // red of entry 5
    for (std::size_t i = 40 + 4 * 216; i < info.size(); ++i) ASSERT_EQ(info[i], 0) << i;
  }
  ASSERT_EQ(target.Palette().size(), 256u);
  EXPECT_EQ(target.Palette()[215], RGBColor(215, 40, 1));
  EXPECT_EQ(target.Palette()[216], 0u);
  EXPECT_EQ(target.Palette()[255], 0u);
}

TEST(DIBWriter, NoPaletteGivesAZeroTableAndTrueColourNone) {
  Bitmap target;
  {
    TDIBWriter writer(target, PixelFormat::pf8bit, 1, 1);
    writer.GetScanline(0);
    const auto& info = writer.DIBInfo();
    EXPECT_EQ(U32At(info, 36), 0u);
    for (std::size_t i = 40; i < info.size(); ++i) ASSERT_EQ(info[i], 0) << i;
  }
  EXPECT_EQ(target.Palette(), std::vector<TColor>(256, 0));
  TDIBWriter writer(target, PixelFormat::pf24bit, 1, 1, {clRed});
  writer.GetScanline(0);
  EXPECT_EQ(writer.DIBInfo().size(), 40u);
  EXPECT_EQ(U32At(writer.DIBInfo(), 32), 0u);
}

TEST(DIBWriter, AWriterThatHandedOutNoRowLeavesTheTargetAlone) {
  Bitmap target(5, 5, PixelFormat::pf24bit);
  target.Fill(clRed);
  const Bitmap before = target;
  { TDIBWriter writer(target, PixelFormat::pf8bit, 2, 2); }
  EXPECT_EQ(target, before);
}

TEST(DIBWriter, Errors) {
  Bitmap target;
  EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, PixelFormat::pf4bit, 1, 1); }),
            "Unsupported PixelFormat");
  EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, PixelFormat::pf32bit, 1, 1); }),
            "Unsupported PixelFormat");
  EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, PixelFormat::pf8bit, 0, 1); }),
            "Invalid image dimensions");
  EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, PixelFormat::pf8bit, 1, 0); }),
            "Invalid image dimensions");
  EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, PixelFormat::pf8bit, -3, 1); }),
            "Invalid image dimensions");

  TDIBWriter writer(target, PixelFormat::pf8bit, 2, 3);
  for (int row : {-1, 3})
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { writer.GetScanline(row); }),
              "Scan line index out of range");
  EXPECT_NO_THROW(writer.GetScanline(2));

  TDIBWriter huge(target, PixelFormat::pf24bit, 70000, 70000);
  EXPECT_EQ(MessageOf<EOutOfMemory>([&] { huge.GetScanline(0); }),
            "Failed to allocate memory for GIF DIB");
  EXPECT_TRUE(huge.DIBInfo().empty());
}

TEST(DIBReader, ConvertsTheBitmapItselfAndHandsOutItsRows) {
  Bitmap bitmap(2, 2, PixelFormat::pf8bit);
  bitmap.SetPalette({clBlack, RGBColor(10, 20, 30)});
  bitmap.SetRawPixel(1, 1, 1);
  TDIBReader reader(bitmap, PixelFormat::pf24bit);
  EXPECT_EQ(bitmap.Format(), PixelFormat::pf24bit);
  EXPECT_EQ(reader.GetScanline(1), bitmap.ScanLine(1));
  const std::uint8_t* p = reader.GetScanline(1) + 3;
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2]}), (std::vector<int>{30, 20, 10}));
  EXPECT_THROW(reader.GetScanline(2), EInvalidGraphicOperation);
}
