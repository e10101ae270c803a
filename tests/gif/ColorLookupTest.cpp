#include <gtest/gtest.h>

#include "gif/ColorLookup.h"
#include "gif/ReductionPalettes.h"

using namespace kestrova;

namespace {

// Index and palette colour, packed as index << 24 | 0x00BBGGRR.
template <class L>
std::uint32_t Look(L& lookup, int r, int g, int b) {
  std::uint8_t pr, pg, pb;
  const auto index = lookup.Lookup(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                   static_cast<std::uint8_t>(b), pr, pg, pb);
  return static_cast<std::uint32_t>(index) << 24 | RGBColor(pr, pg, pb);
}

template <class L>
int IndexOf(L& lookup, int r, int g, int b) {
  return static_cast<int>(Look(lookup, r, g, b) >> 24);
}

}  // namespace

TEST(ColorLookup, FixedPalettesAndTheirLookupBoundaries) {
  const auto web = CreateNetscapePalette();
  ASSERT_EQ(web.size(), 216u);
  EXPECT_EQ(web[1], RGBColor(0, 0, 51));
  EXPECT_EQ(web[6], RGBColor(0, 51, 0));
  EXPECT_EQ(web[36], RGBColor(51, 0, 0));
  EXPECT_EQ(CreateWindowsGrayPalette(), (std::vector<TColor>{0, 0x808080, 0xC0C0C0, 0xFFFFFF}));

  TNetscapeColorLookup cube;
  EXPECT_EQ(IndexOf(cube, 47, 0, 0), 0);
  EXPECT_EQ(IndexOf(cube, 48, 0, 0), 36);
  EXPECT_EQ(IndexOf(cube, 0, 98, 99), 6 + 2);
  EXPECT_EQ(IndexOf(cube, 200, 201, 251), 3 * 36 + 4 * 6 + 4);
  EXPECT_EQ(Look(cube, 255, 255, 255), 215u << 24 | 0xFFFFFF);
  EXPECT_EQ(Look(cube, 48, 150, 252) & 0xFFFFFF, RGBColor(51, 153, 255));

  TMonochromeLookup mono;
  EXPECT_EQ(Look(mono, 127, 127, 127), 0u);  // 127 x 256 = 32512
  EXPECT_EQ(Look(mono, 128, 128, 128), 1u << 24 | 0xFFFFFF);

  TGrayScaleLookup grey;
  for (int v = 0; v < 256; ++v) ASSERT_EQ(Look(grey, v, v, v), static_cast<std::uint32_t>(v) << 24 | RGBColor(v, v, v));
  EXPECT_EQ(IndexOf(grey, 255, 0, 0), 76);  // 255 x 77 / 256
}

TEST(FastColorLookup, NearestLowestIndexAndCellRules) {
  TFastColorLookup cube(CreateNetscapePalette());
  EXPECT_EQ(Look(cube, 51, 102, 153), (36u + 12 + 3) << 24 | RGBColor(51, 102, 153));
  // Two entries at the same distance: the lower index, whatever their order.
  TFastColorLookup tie({RGBColor(10, 0, 0), RGBColor(0, 10, 0)});
  EXPECT_EQ(IndexOf(tie, 5, 5, 0), 0);
  TFastColorLookup swapped({RGBColor(0, 10, 0), RGBColor(10, 0, 0)});
  EXPECT_EQ(IndexOf(swapped, 5, 5, 0), 0);
  // Entries 1 and 2 share the cell of (0..7, 0..7, 0..7): the lower one always.
  TFastColorLookup shared({RGBColor(255, 0, 0), RGBColor(1, 1, 1), RGBColor(2, 2, 2)});
  EXPECT_EQ(IndexOf(shared, 2, 2, 2), 1);
  EXPECT_EQ(IndexOf(shared, 7, 0, 7), 1);

  EXPECT_EQ(TFastColorLookup({}).Colors(), 0);
  EXPECT_EQ(TFastColorLookup(std::vector<TColor>(300, 0)).Colors(), 256);
}

TEST(FastColorLookup, AnEmptyCellKeepsTheAnswerForItsFirstColour) {
  const std::vector<TColor> palette = {RGBColor(0, 0, 0), RGBColor(20, 20, 20)};
  TFastColorLookup first9(palette);
  EXPECT_EQ(IndexOf(first9, 9, 9, 9), 0);
  EXPECT_EQ(IndexOf(first9, 15, 15, 15), 0);  // nearer to entry 1, but the cell is taken
  TFastColorLookup first15(palette);
  EXPECT_EQ(IndexOf(first15, 15, 15, 15), 1);
  EXPECT_EQ(Look(first15, 9, 9, 9), 1u << 24 | RGBColor(20, 20, 20));
}
