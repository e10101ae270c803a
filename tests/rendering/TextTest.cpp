#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rendering/Canvas.h"
#include "rendering/FontMatch.h"

using namespace kestrova;

namespace {

// A white 24-bit canvas with a black font of the given family and size.
struct TextCanvas {
  Bitmap bitmap;
  TCanvas canvas;
  TextCanvas(const std::string& family, int points, std::uint8_t quality = fqNonAntialiased, int w = 96,
             int h = 32)
      : bitmap(w, h), canvas(bitmap) {
    bitmap.Fill(clWhite);
    canvas.Font.name = family;
    canvas.Font.size = points;
    canvas.Font.quality = quality;
    canvas.Brush.style = BrushStyle::bsClear;
  }
};

bool IsInk(TColor c) { return c != clWhite; }

// Rows holding at least one inked pixel, as [first, last]; {-1, -1} when none.
std::pair<int, int> InkRows(const Bitmap& b) {
  int first = -1, last = -1;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (IsInk(b.GetPixel(x, y))) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

int CountInk(const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += IsInk(b.GetPixel(x, y));
  return n;
}

std::set<TColor> Colours(const Bitmap& b) {
  std::set<TColor> colours;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) colours.insert(b.GetPixel(x, y));
  return colours;
}

bool RowFullyInked(const Bitmap& b, int y, int x0, int x1) {
  for (int x = x0; x < x1; ++x)
    if (b.GetPixel(x, y) != clBlack) return false;
  return true;
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
  EXPECT_GT(c.TextWidth("Hello"), 0);
  EXPECT_GT(c.TextWidth("Hello World"), c.TextWidth("Hello"));
  EXPECT_EQ(c.TextWidth("HH"), 2 * c.TextWidth("H"));
  EXPECT_EQ(c.TextWidth("AV"), c.TextWidth("A") + c.TextWidth("V"));  // no kerning
  const int regular = c.TextWidth("Hello World");
  c.Font.quality = fqAntialiased;
  EXPECT_EQ(c.TextWidth("Hello World"), regular);  // the quality does not move text
  c.Font.style = fsBold;
  EXPECT_GT(c.TextWidth("Hello World"), regular);
  // One character per well-formed UTF-8 sequence.
  EXPECT_EQ(c.TextWidth("\xC3\xA9"), c.TextWidth("e"));
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
  EXPECT_LT(last, 4 + u.canvas.TextHeight("Hgjy"));
  EXPECT_GT(last, 15);  // descenders go below the baseline
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
  int partial = 0;
  for (TColor c : colours) {
    if (c == clRed || c == clWhite) continue;
    ++partial;
    EXPECT_EQ(RedOf(c), 255);  // red blended over white keeps full red
    EXPECT_EQ(GreenOf(c), BlueOf(c));
  }
  EXPECT_GT(partial, 3);
}

TEST(TextOut, UnderlineAndStrikeoutAddFullRows) {
  TextCanvas plain("Arial", 10);
  plain.canvas.TextOut(4, 2, "ace");
  const int width = plain.canvas.TextWidth("ace");
  const auto [top, bottom] = InkRows(plain.bitmap);

  TextCanvas under("Arial", 10);
  under.canvas.Font.style = fsUnderline;
  under.canvas.TextOut(4, 2, "ace");
  // Only one row changes, below the letters, inked across the whole advance.
  int changedRows = 0, changedRow = -1;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 96; ++x)
      if (plain.bitmap.GetPixel(x, y) != under.bitmap.GetPixel(x, y)) {
        ++changedRows;
        changedRow = y;
        break;
      }
  EXPECT_EQ(changedRows, 1);
  EXPECT_GT(changedRow, bottom);
  EXPECT_LT(changedRow, 2 + under.canvas.TextHeight("ace"));
  EXPECT_TRUE(RowFullyInked(under.bitmap, changedRow, 4, 4 + width));
  EXPECT_FALSE(IsInk(under.bitmap.GetPixel(3, changedRow)));
  EXPECT_FALSE(IsInk(under.bitmap.GetPixel(4 + width, changedRow)));

  TextCanvas strike("Arial", 10);
  strike.canvas.Font.style = fsStrikeOut;
  strike.canvas.TextOut(4, 2, "ace");
  int struck = -1;
  for (int y = top; y <= bottom; ++y)
    if (RowFullyInked(strike.bitmap, y, 4, 4 + width)) struck = y;
  // Through the middle of the lower-case letters (x-height rows 7..13 here).
  EXPECT_GE(struck, top + 2);
  EXPECT_LE(struck, bottom - 2);
}

TEST(TextOut, BrushDecidesAboutTheBackgroundBox) {
  TextCanvas t("Arial", 10);
  t.bitmap.Fill(clRed);
  t.canvas.TextOut(5, 5, "Go");
  EXPECT_EQ(t.bitmap.GetPixel(5, 5), clRed);  // clear brush: no box
  EXPECT_EQ(Colours(t.bitmap), (std::set<TColor>{clRed, clBlack}));

  t.bitmap.Fill(clRed);
  t.canvas.Brush.style = BrushStyle::bsSolid;
  t.canvas.Brush.color = 0x00FF00;
  t.canvas.TextOut(5, 5, "Go");
  const TSize cell = t.canvas.TextExtent("Go");
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 96; ++x) {
      const bool inCell = x >= 5 && x < 5 + cell.cx && y >= 5 && y < 5 + cell.cy;
      const TColor c = t.bitmap.GetPixel(x, y);
      if (inCell) {
        EXPECT_TRUE(c == 0x00FF00 || c == clBlack) << x << "," << y;
      } else {
        EXPECT_EQ(c, clRed) << x << "," << y;
      }
    }
}

TEST(TextOut, ClipRegionAndBitmapEdgesLimitTheText) {
  TextCanvas t("Arial", 14, fqAntialiased);
  const ClipRegion clip = ClipRegion::Rectangle(TRect{10, 0, 30, 32});
  t.canvas.SelectClipRegion(&clip);
  t.canvas.Brush.style = BrushStyle::bsSolid;
  t.canvas.Brush.color = 0x808080;
  t.canvas.Font.style = fsUnderline;
  t.canvas.TextOut(0, 2, "WWWWW");
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 96; ++x)
      if (x < 10 || x >= 30) {
        EXPECT_EQ(t.bitmap.GetPixel(x, y), clWhite) << x << "," << y;
      }
  EXPECT_GT(CountInk(t.bitmap), 0);

  // Text hanging over the edges draws its visible part only.
  TextCanvas e("Arial", 14);
  e.canvas.Font.style = fsUnderline;
  e.canvas.TextOut(-7, -9, "Edge");
  EXPECT_EQ(InkRows(e.bitmap).first, 0);
  TextCanvas f("Arial", 14);
  f.canvas.Font.style = fsUnderline;
  f.canvas.TextOut(80, 10, "Edge");
  int inkInLastColumn = 0;  // at least the underline's
  for (int y = 0; y < 32; ++y) inkInLastColumn += IsInk(f.bitmap.GetPixel(95, y));
  EXPECT_GT(inkInLastColumn, 0);
  f.canvas.TextOut(-100000, 100000, "Far away");
  f.canvas.TextOut(2147483000, -2147483000, "Far away");
}

TEST(TextOut, UnknownFamilyFallsBackAndStillDraws) {
  TextCanvas t("No Such Family Kestrova", 10);
  EXPECT_GT(t.canvas.TextWidth("Fallback"), 0);
  EXPECT_GT(t.canvas.TextHeight("Fallback"), 0);
  t.canvas.TextOut(2, 2, "Fallback");
  EXPECT_GT(CountInk(t.bitmap), 20);
}

TEST(TextOut, IndexedBitmapsTakeTheNearestPaletteEntry) {
  const TColor grey = 0x808080;
  for (std::uint8_t quality : {std::uint8_t{fqAntialiased}, std::uint8_t{fqNonAntialiased}}) {
    Bitmap b(96, 32, PixelFormat::pf8bit);
    b.SetPalette({clWhite, clBlack, grey});
    b.Fill(clWhite);
    TCanvas c(b);
    c.Brush.style = BrushStyle::bsClear;
    c.Font.name = "Arial";
    c.Font.size = 12;
    c.Font.quality = quality;
    c.TextOut(2, 2, "Indexed");
    const std::set<TColor> colours = Colours(b);
    EXPECT_TRUE(colours.count(clBlack));
    EXPECT_EQ(colours.count(grey), quality == fqAntialiased ? 1u : 0u);
  }
}

TEST(TextOut, ThirtyTwoBitMatchesTwentyFourBit) {
  TextCanvas t("DejaVu Sans", 11, fqAntialiased);
  t.canvas.Font.color = 0x3366CC;
  t.canvas.TextOut(1, 3, "Blend 32");
  Bitmap b32(96, 32, PixelFormat::pf32bit);
  b32.Fill(clWhite);
  TCanvas c32(b32);
  c32.Brush.style = BrushStyle::bsClear;
  c32.Font = t.canvas.Font;
  c32.TextOut(1, 3, "Blend 32");
  EXPECT_EQ(b32.Converted(PixelFormat::pf24bit), t.bitmap);
}
