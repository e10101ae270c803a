#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rendering/Canvas.h"
#include "rendering/FontMatch.h"

using namespace kestrova;

namespace {

// A white 96 x 32 canvas writing black text with a clear brush.
struct TextCanvas {
  Bitmap bitmap;
  TCanvas canvas;
  explicit TextCanvas(const std::string& family, int points, std::uint8_t quality = fqNonAntialiased,
                      PixelFormat format = PixelFormat::pf24bit, std::vector<TColor> palette = {})
      : bitmap(96, 32, format), canvas(bitmap) {
    if (!palette.empty()) bitmap.SetPalette(std::move(palette));
    bitmap.Fill(clWhite);
    canvas.Font.name = family;
    canvas.Font.size = points;
    canvas.Font.quality = quality;
    canvas.Brush.style = BrushStyle::bsClear;
  }
};

bool IsInk(TColor c) { return c != clWhite; }

// Colours found in a rectangle of the bitmap.
std::set<TColor> Colours(const Bitmap& b, TRect r = TRect{0, 0, 96, 32}) {
  std::set<TColor> colours;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) colours.insert(b.GetPixel(x, y));
  return colours;
}

// First and last row holding ink; {-1, -1} when none.
std::pair<int, int> InkRows(const Bitmap& b) {
  int first = -1, last = -1;
  for (int y = 0; y < b.Height(); ++y)
    if (Colours(b, TRect{0, y, b.Width(), y + 1}) != std::set<TColor>{clWhite}) {
      if (first < 0) first = y;
      last = y;
    }
  return {first, last};
}

}  // namespace

TEST(TextExtent, HeightIsTheScaledWindowsAscentPlusDescent) {
  // The matched faces' OS/2 tables: Liberation Sans 1854 + 434, DejaVu Sans
  // 1901 + 483, both 2048 units per em.
  ASSERT_NE(MatchFontFile("Arial", false, false).path.find("LiberationSans-Regular"), std::string::npos);
  TextCanvas t("Arial", 10);
  EXPECT_EQ(t.canvas.TextHeight("Hg"), 15);  // 13 px: 11.77 -> 12, 2.75 -> 3
  t.canvas.Font.size = 8;
  EXPECT_EQ(t.canvas.TextHeight("Hg"), 12);  // 11 px: 9.96 -> 10, 2.33 -> 2
  t.canvas.Font.size = 20;
  EXPECT_EQ(t.canvas.TextHeight("Hg"), 30);  // 27 px: 24.44 -> 24, 5.72 -> 6
  t.canvas.Font.name = "DejaVu Sans";
  EXPECT_EQ(t.canvas.TextHeight("Hg"), 31);  // 27 px: 25.06 -> 25, 6.37 -> 6
  // The cell height belongs to the font, not to the text or the decorations.
  t.canvas.Font.style = fsUnderline | fsStrikeOut;
  EXPECT_EQ(t.canvas.TextExtent(""), (TSize{0, 31}));
}

TEST(TextExtent, WidthIsTheSumOfAdvancesAndGrowsWithTextAndBold) {
  TextCanvas t("Arial", 10);
  TCanvas& c = t.canvas;
  EXPECT_GT(c.TextWidth("Hello World"), c.TextWidth("Hello"));
  EXPECT_EQ(c.TextWidth("HH"), 2 * c.TextWidth("H"));
  EXPECT_EQ(c.TextWidth("AV"), c.TextWidth("A") + c.TextWidth("V"));  // no kerning
  EXPECT_EQ(c.TextWidth("\xC3\xA9"), c.TextWidth("e"));  // one UTF-8 character
  const int regular = c.TextWidth("Hello World");
  c.Font.quality = fqAntialiased;
  EXPECT_EQ(c.TextWidth("Hello World"), regular);  // the quality does not move text
  c.Font.style = fsBold;
  EXPECT_GT(c.TextWidth("Hello World"), regular);
}

TEST(TextOut, CellTopLeftSitsAtThePointAndGlyphsStayInTheCell) {
  TextCanvas t("Arial", 10);
  t.canvas.TextOut(3, 4, "x");
  // 'x' stands on the baseline: the row above top + ascent (4 + 12) is its last.
  EXPECT_EQ(InkRows(t.bitmap).second, 15);

  TextCanvas u("Arial", 10);
  u.canvas.TextOut(3, 4, "Hgjy");
  const auto [first, last] = InkRows(u.bitmap);
  EXPECT_GE(first, 4);
  EXPECT_GT(last, 15);  // descenders go below the baseline, but stay in the cell
  EXPECT_LT(last, 4 + u.canvas.TextHeight("Hgjy"));
}

TEST(TextOut, AntialiasedHasGreyLevelsAndMonochromeHasNone) {
  for (std::uint8_t quality : {std::uint8_t{fqNonAntialiased}, std::uint8_t{fqDefault}}) {
    TextCanvas t("Arial", 10, quality);
    t.canvas.TextOut(2, 2, "Shadow & Text");
    EXPECT_EQ(Colours(t.bitmap), (std::set<TColor>{clBlack, clWhite})) << int(quality);
  }
  TextCanvas aa("Arial", 10, fqAntialiased);
  aa.canvas.Font.color = clRed;
  aa.canvas.TextOut(2, 2, "Shadow & Text");
  const std::set<TColor> colours = Colours(aa.bitmap);
  EXPECT_TRUE(colours.count(clRed));
  EXPECT_GT(colours.size(), 5u);
  for (TColor c : colours) {  // red blended over white
    EXPECT_EQ(RedOf(c), 255);
    EXPECT_EQ(GreenOf(c), BlueOf(c));
  }
}

TEST(TextOut, UnderlineAndStrikeoutAddFullRows) {
  TextCanvas plain("Arial", 10), under("Arial", 10), strike("Arial", 10);
  under.canvas.Font.style = fsUnderline;
  strike.canvas.Font.style = fsStrikeOut;
  for (TextCanvas* t : {&plain, &under, &strike}) t->canvas.TextOut(4, 2, "ace");
  const int width = plain.canvas.TextWidth("ace");
  const auto [top, bottom] = InkRows(plain.bitmap);
  const std::set<TColor> black{clBlack};

  // The underline is the one changed row, below the letters, across the advance.
  std::vector<int> changed;
  for (int y = 0; y < 32; ++y)
    if (Colours(plain.bitmap, TRect{0, y, 96, y + 1}) != Colours(under.bitmap, TRect{0, y, 96, y + 1}))
      changed.push_back(y);
  ASSERT_EQ(changed.size(), 1u);
  const int row = changed[0];
  EXPECT_GT(row, bottom);
  EXPECT_LT(row, 2 + under.canvas.TextHeight("ace"));
  EXPECT_EQ(Colours(under.bitmap, TRect{4, row, 4 + width, row + 1}), black);
  EXPECT_FALSE(IsInk(under.bitmap.GetPixel(3, row)));
  EXPECT_FALSE(IsInk(under.bitmap.GetPixel(4 + width, row)));

  // The strikeout runs through the middle of the lower-case letters.
  int struck = -1;
  for (int y = top; y <= bottom; ++y)
    if (Colours(strike.bitmap, TRect{4, y, 4 + width, y + 1}) == black) struck = y;
  EXPECT_GE(struck, top + 2);
  EXPECT_LE(struck, bottom - 2);
}

TEST(TextOut, BrushDecidesAboutTheBackgroundBox) {
  TextCanvas t("Arial", 10);
  t.bitmap.Fill(clRed);
  t.canvas.TextOut(5, 5, "Go");
  EXPECT_EQ(Colours(t.bitmap), (std::set<TColor>{clRed, clBlack}));  // no box

  t.bitmap.Fill(clRed);
  t.canvas.Brush.style = BrushStyle::bsSolid;
  t.canvas.Brush.color = 0x00FF00;
  t.canvas.TextOut(5, 5, "Go");
  const TSize cell = t.canvas.TextExtent("Go");
  EXPECT_EQ(Colours(t.bitmap, TRect{5, 5, 5 + cell.cx, 5 + cell.cy}), (std::set<TColor>{0x00FF00, clBlack}));
  EXPECT_EQ(Colours(t.bitmap, TRect{0, 0, 96, 5}), std::set<TColor>{clRed});
  EXPECT_EQ(Colours(t.bitmap, TRect{0, 5 + cell.cy, 96, 32}), std::set<TColor>{clRed});
  EXPECT_EQ(Colours(t.bitmap, TRect{0, 0, 5, 32}), std::set<TColor>{clRed});
  EXPECT_EQ(Colours(t.bitmap, TRect{5 + cell.cx, 0, 96, 32}), std::set<TColor>{clRed});
}

TEST(TextOut, ClipRegionAndBitmapEdgesLimitTheText) {
  TextCanvas t("Arial", 14, fqAntialiased);
  const ClipRegion clip = ClipRegion::Rectangle(TRect{10, 0, 30, 32});
  t.canvas.SelectClipRegion(&clip);
  t.canvas.Brush.style = BrushStyle::bsSolid;
  t.canvas.Brush.color = 0x808080;
  t.canvas.Font.style = fsUnderline;
  t.canvas.TextOut(0, 2, "WWWWW");
  EXPECT_EQ(Colours(t.bitmap, TRect{0, 0, 10, 32}), std::set<TColor>{clWhite});
  EXPECT_EQ(Colours(t.bitmap, TRect{30, 0, 96, 32}), std::set<TColor>{clWhite});
  EXPECT_GT(Colours(t.bitmap, TRect{10, 0, 30, 32}).size(), 3u);

  // Text hanging over the edges draws its visible part only.
  TextCanvas e("Arial", 14);
  e.canvas.Font.style = fsUnderline;
  e.canvas.TextOut(-7, -9, "Edge");
  EXPECT_EQ(InkRows(e.bitmap).first, 0);
  e.bitmap.Fill(clWhite);
  e.canvas.TextOut(80, 10, "Edge");
  EXPECT_NE(Colours(e.bitmap, TRect{95, 0, 96, 32}), std::set<TColor>{clWhite});  // the underline
  e.canvas.TextOut(-100000, 100000, "Far away");
  e.canvas.TextOut(2147483000, -2147483000, "Far away");
}

TEST(TextOut, UnknownFamilyFallsBackAndStillDraws) {
  TextCanvas t("No Such Family Kestrova", 10);
  EXPECT_GT(t.canvas.TextWidth("Fallback"), 20);
  EXPECT_GT(t.canvas.TextHeight("Fallback"), 10);
  t.canvas.TextOut(2, 2, "Fallback");
  EXPECT_NE(InkRows(t.bitmap).first, -1);
}

TEST(TextOut, OtherPixelFormats) {
  // Indexed: blends become the nearest palette entry.
  const TColor grey = 0x808080;
  for (std::uint8_t quality : {std::uint8_t{fqAntialiased}, std::uint8_t{fqNonAntialiased}}) {
    TextCanvas t("Arial", 12, quality, PixelFormat::pf8bit, {clWhite, clBlack, grey});
    t.canvas.TextOut(2, 2, "Indexed");
    const std::set<TColor> colours = Colours(t.bitmap);
    EXPECT_TRUE(colours.count(clBlack));
    EXPECT_EQ(colours.count(grey), quality == fqAntialiased ? 1u : 0u);
  }
  // 32 bits: the same pixels as 24 bits.
  TextCanvas t24("DejaVu Sans", 11, fqAntialiased), t32("DejaVu Sans", 11, fqAntialiased, PixelFormat::pf32bit);
  for (TextCanvas* t : {&t24, &t32}) {
    t->canvas.Font.color = 0x3366CC;
    t->canvas.TextOut(1, 3, "Blend 32");
  }
  EXPECT_EQ(t32.bitmap.Converted(PixelFormat::pf24bit), t24.bitmap);
}
