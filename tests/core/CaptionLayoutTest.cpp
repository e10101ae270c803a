#include <gtest/gtest.h>

#include <set>

#include "core/CaptionLayout.h"
#include "rendering/FontError.h"

using namespace kestrova;

namespace {

CaptionStyle TestStyle() {
  CaptionStyle style;
  style.font.name = "DejaVu Sans";
  style.font.size = 12;
  style.font.style = fsBold;
  style.font.color = clBlack;
  style.layout = TextLayout{1, 1, 0, 0, 0};
  return style;
}

Bitmap White(int w, int h) {
  Bitmap b(w, h);
  b.Fill(clWhite);
  return b;
}

// Smallest rectangle holding every pixel of colour c; empty when there is none.
TRect BoundsOf(const Bitmap& b, TColor c) {
  TRect r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.GetPixel(x, y) == c) r = TRect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                                           std::max(r.bottom, y + 1)};
  return r;
}

}  // namespace

TEST(CaptionLinePosition, AlignsByMarginsEdgesAndCentre) {
  // Two lines 13 high with 2 pixels between them, centred on a 32-pixel bitmap.
  TextLayout middle{0, 1, 4, 9, 2};
  EXPECT_EQ(CaptionLinePosition(middle, {96, 32}, 2, 0, {40, 13}).y, 2);
  EXPECT_EQ(CaptionLinePosition(middle, {96, 32}, 2, 1, {40, 13}).y, 17);
  EXPECT_EQ(CaptionLinePosition(middle, {96, 32}, 2, 1, {40, 13}).x, 4);

  TextLayout rightBottom{2, 2, 4, 3, 2};
  EXPECT_EQ(CaptionLinePosition(rightBottom, {96, 32}, 1, 0, {40, 13}), (TPoint{96 - 44, 32 - 3 - 13}));
  EXPECT_EQ(CaptionLinePosition(rightBottom, {96, 32}, 2, 0, {40, 13}).y, 32 - 3 - 26 - 2);

  TextLayout topLeft{0, 0, 4, 3, -5};
  EXPECT_EQ(CaptionLinePosition(topLeft, {96, 32}, 3, 2, {40, 13}), (TPoint{4, 3 + 26 - 10}));

  // Centring halves toward zero, also when the text is wider than the bitmap.
  TextLayout centred{1, 1, 7, 7, 0};
  EXPECT_EQ(CaptionLinePosition(centred, {10, 10}, 1, 0, {15, 13}), (TPoint{-2, -1}));
  EXPECT_EQ(CaptionLinePosition(centred, {10, 10}, 1, 0, {5, 3}), (TPoint{2, 3}));
}

TEST(LinesToDraw, DropsBlankLinesOnlyWhenAsked) {
  const std::vector<std::string> lines{"Home", " \t", "", "Page"};
  EXPECT_EQ(LinesToDraw(lines, false), lines);
  EXPECT_EQ(LinesToDraw(lines, true), (std::vector<std::string>{"Home", "Page"}));
}

TEST(DrawCaption, IgnoredBlankLinesArePlacedAsIfTheyWereNotThere) {
  CaptionStyle style = TestStyle();
  Bitmap withBlank = White(96, 64), twoLines = White(96, 64);
  style.ignoreBlank = true;
  DrawCaption(withBlank, {"Top", "", "Down"}, style);
  style.ignoreBlank = false;
  DrawCaption(twoLines, {"Top", "Down"}, style);
  EXPECT_EQ(withBlank, twoLines);

  Bitmap kept = White(96, 64);
  DrawCaption(kept, {"Top", "", "Down"}, style);
  EXPECT_FALSE(kept == twoLines);
}

TEST(DrawCaption, ShadowFollowsTheOffsetAndTheDoubleShadowTheOpposite) {
  CaptionStyle style = TestStyle();
  style.shadow = TextShadow{true, false, clRed, {-2, -3}};
  Bitmap single = White(96, 32);
  DrawCaption(single, {"Shadow"}, style);
  const TRect text = BoundsOf(single, clBlack), shadow = BoundsOf(single, clRed);
  ASSERT_FALSE(text.IsEmpty());
  EXPECT_EQ(shadow.left, text.left - 2);
  EXPECT_EQ(shadow.top, text.top - 3);
  EXPECT_LE(shadow.right, text.right);

  style.shadow.doubled = true;
  Bitmap doubled = White(96, 32);
  DrawCaption(doubled, {"Shadow"}, style);
  EXPECT_EQ(BoundsOf(doubled, clRed), (TRect{text.left - 2, text.top - 3, text.right + 2, text.bottom + 3}));
  EXPECT_EQ(BoundsOf(doubled, clBlack), text);
}

TEST(DrawCaption, AntialiasingBlendsEdgesAndMonochromeDoesNot) {
  auto colours = [](bool antialias) {
    CaptionStyle style = TestStyle();
    style.antialias = antialias;
    style.font.quality = fqDefault;  // taken from the antialias flag
    Bitmap b = White(96, 32);
    DrawCaption(b, {"Gray edges"}, style);
    std::set<TColor> seen;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) seen.insert(b.GetPixel(x, y));
    return seen;
  };
  EXPECT_EQ(colours(false), (std::set<TColor>{clBlack, clWhite}));
  EXPECT_GT(colours(true).size(), 8u);
}

TEST(DrawCaption, FontThatCannotBeLoadedRaisesFontError) {
  CaptionStyle style = TestStyle();
  style.font.size = 100000;
  Bitmap b = White(8, 8);
  EXPECT_THROW(DrawCaption(b, {"x"}, style), FontError);
  Bitmap empty;
  EXPECT_NO_THROW(DrawCaption(empty, {"x"}, style));  // nothing is drawn on an empty tile
}
