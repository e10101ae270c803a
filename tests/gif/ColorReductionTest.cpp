#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gif/ColorReduction.h"
#include "gif/GIFException.h"
#include "gif/Octree.h"
#include "gif/ReductionPalettes.h"
#include "rendering/SystemPalettes.h"

using namespace kestrova;

namespace {

constexpr TDitherMode kModes[] = {TDitherMode::dmNearest,  TDitherMode::dmFloydSteinberg,
                                  TDitherMode::dmStucki,   TDitherMode::dmSierra,
                                  TDitherMode::dmJaJuNI,   TDitherMode::dmSteveArche,
                                  TDitherMode::dmBurkes};

Bitmap Picture(int w, int h, const std::vector<TColor>& colors, unsigned seed) {
  std::mt19937 random(seed);
  Bitmap b(w, h, PixelFormat::pf24bit);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, colors[random() % colors.size()]);
  return b;
}

std::string ErrorOf(Bitmap source, TColorReduction reduction, TDitherMode mode, int bits = 8,
                    const std::vector<TColor>& palette = {}) {
  try {
    ReduceColors(source, reduction, mode, bits, palette);
  } catch (const GIFException& e) {
    return e.what();
  }
  return "(nothing raised)";
}

std::vector<TColor> Padded(std::vector<TColor> p) {
  p.resize(256, 0);
  return p;
}

}  // namespace

TEST(ReduceColors, EveryMethodGivesEightBitsAndA256SlotTable) {
  const struct {
    TColorReduction reduction;
    std::vector<TColor> palette;
  } cases[] = {
      {TColorReduction::rmWindows20, StaticColors20()},
      {TColorReduction::rmWindows256, HalftonePalette256()},
      {TColorReduction::rmWindowsGray, {0, 0x808080, 0xC0C0C0, 0xFFFFFF}},
      {TColorReduction::rmMonochrome, {0, 0xFFFFFF}},
      {TColorReduction::rmGrayScale, CreateGrayScalePalette()},
      {TColorReduction::rmNetscape, CreateNetscapePalette()},
      {TColorReduction::rmPalette, {clRed, 0x00FF00}},
  };
  for (const auto& c : cases) {
    Bitmap source = Picture(5, 4, {0x123456, 0xFEDCBA, 0x808080}, 1);
    const Bitmap result = ReduceColors(source, c.reduction, TDitherMode::dmFloydSteinberg, 8, c.palette);
    ASSERT_EQ(result.Format(), PixelFormat::pf8bit);
    EXPECT_EQ(result.Width(), 5);
    EXPECT_EQ(result.Height(), 4);
    EXPECT_EQ(result.Palette(), Padded(c.palette)) << static_cast<int>(c.reduction);
  }
}

TEST(ReduceColors, NoneCopiesAndLeavesTheSource) {
  Bitmap source(3, 2, PixelFormat::pf8bit);
  source.SetPalette({clBlack, clRed});
  source.SetRawPixel(2, 1, 1);
  const Bitmap before = source;
  const Bitmap copy = ReduceColors(source, TColorReduction::rmNone, TDitherMode::dmNearest);
  EXPECT_EQ(source, before);
  EXPECT_EQ(copy.Format(), PixelFormat::pf24bit);
  EXPECT_EQ(copy.GetPixel(2, 1), clRed);

  // Every other method converts the source itself to 24 bits first.
  ReduceColors(source, TColorReduction::rmNetscape, TDitherMode::dmNearest);
  EXPECT_EQ(source.Format(), PixelFormat::pf24bit);
  EXPECT_EQ(source.GetPixel(2, 1), clRed);
}

TEST(ReduceColors, ExactColoursSurviveEveryModeAndShape) {
  // Few colours: the octree keeps each one, so no pixel carries an error.
  std::vector<TColor> colors;
  for (unsigned i = 0; i < 40; ++i) colors.push_back(RGBColor(i * 6, 255 - i * 5, (i * 37) & 0xFF));
  for (auto [w, h] : {std::pair{9, 7}, std::pair{1, 6}, std::pair{6, 1}, std::pair{1, 1}}) {
    const Bitmap original = Picture(w, h, colors, 3);
    for (TDitherMode mode : kModes) {
      for (auto reduction : {TColorReduction::rmQuantize, TColorReduction::rmQuantizeWindows}) {
        Bitmap source = original;
        const Bitmap result = ReduceColors(source, reduction, mode);
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x)
            ASSERT_EQ(result.GetPixel(x, y), original.GetPixel(x, y))
                << w << "x" << h << " mode " << static_cast<int>(mode);
      }
    }
  }
}

TEST(ReduceColors, QuantizeTakesTwoToTheReductionBitsColours) {
  Bitmap source = Picture(8, 8, {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x808080}, 7);
  Bitmap copy = source;
  const Bitmap result = ReduceColors(source, TColorReduction::rmQuantize, TDitherMode::dmNearest, 2);
  EXPECT_EQ(result.Palette(), Padded(CreateOctreePaletteForBitmap(copy, 4, 8, false)));
}

TEST(ReduceColors, CacheFollowsTheSerpentineWalkAndStartsFreshEachCall) {
  // (9,9,9) and (15,15,15) share a cell without palette entries. Row 1 is
  // walked right to left, so (15,15,15) is met first and decides the cell.
  const std::vector<TColor> palette = {RGBColor(0, 0, 0), RGBColor(20, 20, 20)};
  Bitmap source(2, 2, PixelFormat::pf24bit);
  source.SetPixel(0, 1, RGBColor(9, 9, 9));
  source.SetPixel(1, 1, RGBColor(15, 15, 15));
  const Bitmap result = ReduceColors(source, TColorReduction::rmPalette, TDitherMode::dmNearest, 8, palette);
  EXPECT_EQ(result.ScanLine(1)[0], 1);
  EXPECT_EQ(result.ScanLine(1)[1], 1);

  Bitmap nine(1, 1, PixelFormat::pf24bit);
  nine.SetPixel(0, 0, RGBColor(9, 9, 9));
  EXPECT_EQ(ReduceColors(nine, TColorReduction::rmPalette, TDitherMode::dmNearest, 8, palette).ScanLine(0)[0], 0);
}

TEST(ReduceColors, BadArgumentsRaise) {
  const Bitmap source = Picture(2, 2, {clRed}, 1);
  EXPECT_EQ(ErrorOf(source, static_cast<TColorReduction>(10), TDitherMode::dmNearest),
            "Invalid reduction method");
  EXPECT_EQ(ErrorOf(source, TColorReduction::rmNetscape, static_cast<TDitherMode>(7)),
            "Invalid dither mode");
  EXPECT_EQ(ErrorOf(source, TColorReduction::rmPalette, TDitherMode::dmNearest), "Color table is empty");
  EXPECT_EQ(ErrorOf(source, TColorReduction::rmQuantize, TDitherMode::dmNearest, 9), "Invalid reduction bits");
  EXPECT_EQ(ErrorOf(source, TColorReduction::rmQuantize, TDitherMode::dmNearest, -1), "Invalid reduction bits");
  for (auto reduction : {TColorReduction::rmNetscape, TColorReduction::rmQuantize})
    EXPECT_EQ(ErrorOf(Bitmap(0, 3), reduction, TDitherMode::dmNearest), "Invalid image dimensions");
}
