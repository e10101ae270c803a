#include <gtest/gtest.h>

#include <set>

#include "core/generation/CaptionLayout.h"
#include "tests/support/PangoReference.h"

using namespace kestrova;

namespace {

CaptionStyle TestStyle() {
  CaptionStyle style;
  style.font = TFont{"DejaVu Sans", 12, fsBold, 1, clBlack, fqDefault};
  style.layout = TextLayout{1, 1, 0, 0, 0};
  return style;
}

Bitmap Drawn(const std::vector<std::string>& lines, const CaptionStyle& style, int h = 32) {
  Bitmap b(96, h);
  b.Fill(clWhite);
  DrawCaption(b, lines, style);
  return b;
}

// Smallest rectangle holding every pixel of colour c.
TRect BoundsOf(const Bitmap& b, TColor c) {
  TRect r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.GetPixel(x, y) == c)
        r = TRect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
  return r;
}

}  // namespace

TEST(CaptionLinePosition, AlignsByMarginsEdgesAndCentre) {
  // Two lines 13 high with 2 pixels between them, centred on a 32-pixel bitmap.
  const TextLayout middle{0, 1, 4, 9, 2};
  EXPECT_EQ(CaptionLinePosition(middle, {96, 32}, 2, 0, {40, 13}), (TPoint{4, 2}));
  EXPECT_EQ(CaptionLinePosition(middle, {96, 32}, 2, 1, {40, 13}), (TPoint{4, 17}));
  const TextLayout rightBottom{2, 2, 4, 3, 2};
  EXPECT_EQ(CaptionLinePosition(rightBottom, {96, 32}, 2, 0, {40, 13}), (TPoint{96 - 44, 32 - 3 - 26 - 2}));
  // Centring halves toward zero, also when the text is larger than the bitmap.
  const TextLayout centred{1, 1, 7, 7, 0};
  EXPECT_EQ(CaptionLinePosition(centred, {10, 10}, 1, 0, {15, 13}), (TPoint{-2, -1}));
}

TEST(DrawCaption, IgnoredBlankLinesArePlacedAsIfTheyWereNotThere) {
  CaptionStyle style = TestStyle();
  const Bitmap twoLines = Drawn({"Top", "Down"}, style, 64);
  EXPECT_FALSE(Drawn({"Top", " \t", "Down"}, style, 64) == twoLines);
  style.ignoreBlank = true;
  EXPECT_EQ(Drawn({"Top", " \t", "Down"}, style, 64), twoLines);
}

TEST(DrawCaption, ShadowFollowsTheOffsetAndTheDoubleShadowTheOpposite) {
  CaptionStyle style = TestStyle();
  style.shadow = TextShadow{true, false, clRed, {-2, -3}};
  const Bitmap single = Drawn({"Shadow"}, style);
  const TRect text = BoundsOf(single, clBlack), shadow = BoundsOf(single, clRed);
  ASSERT_FALSE(text.IsEmpty());
  EXPECT_EQ(shadow.left, text.left - 2);
  EXPECT_EQ(shadow.top, text.top - 3);
  EXPECT_LE(shadow.right, text.right);

  style.shadow.doubled = true;
  const Bitmap doubled = Drawn({"Shadow"}, style);
  EXPECT_EQ(BoundsOf(doubled, clRed), (TRect{text.left - 2, text.top - 3, text.right + 2, text.bottom + 3}));
  EXPECT_EQ(BoundsOf(doubled, clBlack), text);
}

TEST(DrawCaption, AntialiasingBlendsEdgesAndMonochromeDoesNot) {
  auto colours = [](bool antialias) {
    CaptionStyle style = TestStyle();
    style.antialias = antialias;
    const Bitmap b = Drawn({"Gray edges"}, style);
    std::set<TColor> seen;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) seen.insert(b.GetPixel(x, y));
    return seen;
  };
  EXPECT_EQ(colours(false), (std::set<TColor>{clBlack, clWhite}));
  EXPECT_GT(colours(true).size(), 8u);
}

// A right-to-left or joined caption is placed by its shaped width: centred and
// right-aligned, its ink lies where Pango's layout of the line, placed by
// Pango's own width, puts it.
TEST(DrawCaption, ShapedLinesAreAlignedByTheirShapedWidth) {
  if (!kestrova::testing::HavePangoView()) GTEST_SKIP() << "pango-view (pango1.0-tools) is not installed";
  struct Case {
    int align;
    const char* text;
  };
  const Case cases[] = {{1, "مرحبا بالعالم"}, {2, "مرحبا بالعالم"}, {1, "नमस्ते दुनिया"}, {2, "שלום עולם"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " aligned " + std::to_string(c.align));
    CaptionStyle style;
    style.font = TFont{"DejaVu Sans", 16, 0, 1, clBlack, fqDefault};
    style.antialias = true;
    style.layout = TextLayout{c.align, 0, 5, 0, 0};
    Bitmap b(200, 40);
    b.Fill(clWhite);
    DrawCaption(b, {c.text}, style);
    const kestrova::testing::PangoText pango = kestrova::testing::RenderedByPango("DejaVu Sans", 21, c.text);
    ASSERT_GT(pango.width, 0);
    const int x = c.align == 1 ? (200 - pango.width) / 2 : 200 - pango.width - 5;
    using namespace kestrova::testing;
    EXPECT_TRUE(SpansAgree(Shifted(InkSpans(pango.image), x), InkSpans(InkOfBitmap(b))));
  }
}
