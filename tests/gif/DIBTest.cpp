#include <gtest/gtest.h>

#include <algorithm>
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
      EXPECT_EQ(writer.DIBInfo().size(), format == PixelFormat::pf8bit ? 1064u : 40u);
    }
    ASSERT_EQ(target.Format(), format);
    EXPECT_EQ(target.Width(), width);
    EXPECT_EQ(target.Stride(), stride);
    EXPECT_EQ(target.ScanLine(0)[0], 7);
    EXPECT_EQ(target.ScanLine(1)[0], 9);
  }
}

TEST(DIBWriter, ColourTableHas256EntriesAndCountsThePalette) {
  std::vector<TColor> palette;
  for (unsigned i = 0; i < 216; ++i) palette.push_back(RGBColor(i, 255 - i, 1));
  for (const auto& [colors, important] : {std::pair{palette, 216u}, std::pair{std::vector<TColor>{}, 0u}}) {
    Bitmap target;
    {
      TDIBWriter writer(target, PixelFormat::pf8bit, 2, 1, colors);
      EXPECT_TRUE(writer.DIBInfo().empty());
      writer.GetScanline(0);
      const auto& info = writer.DIBInfo();
      EXPECT_EQ(U32At(info, 32), 256u);
      EXPECT_EQ(U32At(info, 36), important);
      EXPECT_EQ(std::count(info.begin() + 40 + 4 * important, info.end(), 0), 4 * (256 - important));
    }
    auto expected = colors;
    expected.resize(256, 0);
    EXPECT_EQ(target.Palette(), expected);
  }
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
  for (PixelFormat f : {PixelFormat::pf4bit, PixelFormat::pf32bit})
    EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, f, 1, 1); }), "Unsupported PixelFormat");
  for (auto [w, h] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{-3, 1}})
    EXPECT_EQ(MessageOf<GIFException>([&] { TDIBWriter(target, PixelFormat::pf8bit, w, h); }),
              "Invalid image dimensions");

  TDIBWriter writer(target, PixelFormat::pf8bit, 2, 3);
  for (int row : {-1, 3})
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { writer.GetScanline(row); }),
              "Scan line index out of range");

  TDIBWriter huge(target, PixelFormat::pf24bit, 70000, 70000);
  EXPECT_EQ(MessageOf<EOutOfMemory>([&] { huge.GetScanline(0); }), "Failed to allocate memory for GIF DIB");
  EXPECT_TRUE(huge.DIBInfo().empty());
}
