#include <gtest/gtest.h>

#include "gif/ColorLookup.h"
#include "gif/ReductionPalettes.h"

using namespace kestrova;

namespace {

template <class L>
int IndexOf(L& lookup, int r, int g, int b) {
  std::uint8_t pr, pg, pb;
  return lookup.Lookup(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                       static_cast<std::uint8_t>(b), pr, pg, pb);
}

template <class L>
TColor ColorOf(L& lookup, int r, int g, int b) {
  std::uint8_t pr, pg, pb;
  lookup.Lookup(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b), pr, pg, pb);
  return RGBColor(pr, pg, pb);
}

}  // namespace

TEST(ReductionPalettes, FixedTables) {
  const auto web = CreateNetscapePalette();
  ASSERT_EQ(web.size(), 216u);
  EXPECT_EQ(web[0], RGBColor(0, 0, 0));
  EXPECT_EQ(web[1], RGBColor(0, 0, 51));
  EXPECT_EQ(web[6], RGBColor(0, 51, 0));
  EXPECT_EQ(web[36], RGBColor(51, 0, 0));
  EXPECT_EQ(web[215], RGBColor(255, 255, 255));
  const auto grey = CreateGrayScalePalette();
  ASSERT_EQ(grey.size(), 256u);
  EXPECT_EQ(grey[77], RGBColor(77, 77, 77));
  EXPECT_EQ(CreateMonochromePalette(), (std::vector<TColor>{0, 0xFFFFFF}));
  EXPECT_EQ(CreateWindowsGrayPalette(), (std::vector<TColor>{0, 0x808080, 0xC0C0C0, 0xFFFFFF}));
  EXPECT_EQ(CreateWindows20Palette().size(), 20u);
  EXPECT_EQ(CreateScreenHalftonePalette().size(), 256u);
}

TEST(ColorLookup, FixedLookupBoundaries) {
  TMonochromeLookup mono;
  EXPECT_EQ(IndexOf(mono, 127, 127, 127), 0);  // 127 x 256 = 32512
  EXPECT_EQ(ColorOf(mono, 127, 127, 127), clBlack);
  EXPECT_EQ(IndexOf(mono, 128, 128, 128), 1);
  EXPECT_EQ(ColorOf(mono, 128, 128, 128), clWhite);

  TNetscapeColorLookup web;
  EXPECT_EQ(IndexOf(web, 47, 0, 0), 0);
  EXPECT_EQ(IndexOf(web, 48, 0, 0), 36);
  EXPECT_EQ(IndexOf(web, 0, 98, 99), 6 + 2);
  EXPECT_EQ(IndexOf(web, 200, 201, 251), 3 * 36 + 4 * 6 + 4);
  EXPECT_EQ(IndexOf(web, 255, 255, 255), 215);
  EXPECT_EQ(ColorOf(web, 48, 150, 252), RGBColor(51, 153, 255));

  TGrayScaleLookup grey;
  for (int v = 0; v < 256; ++v) {
    ASSERT_EQ(IndexOf(grey, v, v, v), v);
    ASSERT_EQ(ColorOf(grey, v, v, v), RGBColor(v, v, v));
  }
  EXPECT_EQ(IndexOf(grey, 255, 0, 0), 76);  // 255 x 77 / 256
}

TEST(FastColorLookup, ExactColoursAndTies) {
  TFastColorLookup lookup(CreateNetscapePalette());
  EXPECT_EQ(lookup.Colors(), 216);
  EXPECT_EQ(IndexOf(lookup, 51, 102, 153), 36 + 12 + 3);
  EXPECT_EQ(ColorOf(lookup, 51, 102, 153), RGBColor(51, 102, 153));

  // Two entries at the same distance: the lower index, whatever their order.
  TFastColorLookup tie({RGBColor(10, 0, 0), RGBColor(0, 10, 0)});
  EXPECT_EQ(IndexOf(tie, 5, 5, 0), 0);
  TFastColorLookup swapped({RGBColor(0, 10, 0), RGBColor(10, 0, 0)});
  EXPECT_EQ(IndexOf(swapped, 5, 5, 0), 0);

  EXPECT_EQ(TFastColorLookup({}).Colors(), 0);
  EXPECT_EQ(TFastColorLookup(std::vector<TColor>(300, 0)).Colors(), 256);
}

TEST(FastColorLookup, ACellWithEntriesGivesItsLowestIndex) {
  // Entries 1 and 2 share the cell of (0..7, 0..7, 0..7).
  TFastColorLookup lookup({RGBColor(255, 0, 0), RGBColor(1, 1, 1), RGBColor(2, 2, 2)});
  EXPECT_EQ(IndexOf(lookup, 2, 2, 2), 1);
  EXPECT_EQ(IndexOf(lookup, 7, 0, 7), 1);
}

TEST(FastColorLookup, AnEmptyCellKeepsTheAnswerForItsFirstColour) {
  const std::vector<TColor> palette = {RGBColor(0, 0, 0), RGBColor(20, 20, 20)};
  TFastColorLookup first9(palette);
  EXPECT_EQ(IndexOf(first9, 9, 9, 9), 0);
  EXPECT_EQ(IndexOf(first9, 15, 15, 15), 0);  // nearer to entry 1, but the cell is taken
  TFastColorLookup first15(palette);
  EXPECT_EQ(IndexOf(first15, 15, 15, 15), 1);
  EXPECT_EQ(IndexOf(first15, 9, 9, 9), 1);
  EXPECT_EQ(ColorOf(first15, 9, 9, 9), RGBColor(20, 20, 20));
}
