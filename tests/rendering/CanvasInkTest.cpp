// What pens and brushes paint: the binary and ternary raster operations,
// hatched and pattern brushes laid from their origin.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "rendering/BrushPattern.h"
#include "rendering/Canvas.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr TColor kPen = 0x00F0CC, kBelow = 0x3C5AA5;

}  // namespace

TEST(CanvasInk, EachBinaryRasterOperationCombinesPenAndPixelBelow) {
  const TColor p = kPen, d = kBelow, m = 0xFFFFFF;
  // The sixteen operations by their numbers, written out one by one.
  const std::function<TColor()> expected[] = {
      [] { return TColor{0}; },      [&] { return ~(p | d) & m; }, [&] { return ~p & d & m; }, [&] { return ~p & m; },
      [&] { return p & ~d & m; },    [&] { return ~d & m; },       [&] { return p ^ d; },       [&] { return ~(p & d) & m; },
      [&] { return p & d; },         [&] { return ~(p ^ d) & m; }, [&] { return d; },           [&] { return (~p | d) & m; },
      [&] { return p; },             [&] { return (p | ~d) & m; }, [&] { return p | d; },       [] { return TColor{0xFFFFFF}; },
  };
  for (int rop = 1; rop <= 16; ++rop) {
    Bitmap b = Filled(8, 8, kBelow);
    TCanvas c(b);
    c.Rop2 = rop;
    c.Pen.color = kPen;
    c.Brush.color = kPen;
    c.MoveTo(0, 1);
    c.LineTo(8, 1);  // the pen
    c.FillRect(Rect(0, 4, 8, 6));  // the brush
    EXPECT_EQ(b.GetPixel(3, 1), expected[rop - 1]()) << "pen, operation " << rop;
    EXPECT_EQ(b.GetPixel(3, 4), expected[rop - 1]()) << "brush, operation " << rop;
    EXPECT_EQ(b.GetPixel(3, 2), kBelow) << "untouched, operation " << rop;
  }
}

TEST(CanvasInk, ExclusiveOrTwiceRestoresThePicture) {
  Bitmap b = Filled(40, 40, kBelow);
  const Bitmap before = b;
  TCanvas c(b);
  c.Rop2 = kRop2XorPen;
  c.Pen.color = kPen;
  c.Pen.width = 5;
  c.Brush.color = 0x123456;
  for (int i = 0; i < 2; ++i) c.Ellipse(5, 5, 35, 30);
  EXPECT_TRUE(b == before);
}

TEST(CanvasInk, TernaryOperationsWorkedOutByHand) {
  // Pattern (brush) 0x0F0F0F, source 0x333333, destination 0x555555.
  const struct {
    std::uint8_t rop;
    TColor expected;
  } cases[] = {
      {0xCC, 0x333333},  // source copy
      {0x88, 0x111111},  // source and destination
      {0xEE, 0x777777},  // source or destination
      {0x66, 0x666666},  // source xor destination
      {0x33, 0xCCCCCC},  // not source
      {0xC0, 0x030303},  // pattern and source
      {0x5A, 0x5A5A5A},  // pattern xor destination
      {0x55, 0xAAAAAA},  // not destination
      {0xFB, 0xDFDFDF},  // pattern or not source or destination
      {0xF0, 0x0F0F0F},  // pattern
      {0x00, 0x000000},  // black
      {0xFF, 0xFFFFFF},  // white
  };
  const Bitmap source = Filled(4, 4, 0x333333);
  for (const auto& k : cases) {
    Bitmap b = Filled(10, 10, 0x555555);
    TCanvas c(b);
    c.Brush.color = 0x0F0F0F;
    c.RasterCopy(Rect(2, 2, 6, 6), source, Rect(0, 0, 4, 4), k.rop);
    EXPECT_EQ(b.GetPixel(3, 3), k.expected) << std::hex << int(k.rop);
    EXPECT_EQ(b.GetPixel(6, 6), 0x555555u) << std::hex << int(k.rop);
    if (!Rop3UsesSource(k.rop)) {
      Bitmap q = Filled(10, 10, 0x555555);
      TCanvas qc(q);
      qc.Brush.color = 0x0F0F0F;
      qc.PatternBlit(Rect(2, 2, 6, 6), k.rop);
      EXPECT_EQ(q.GetPixel(5, 5), k.expected) << "without source " << std::hex << int(k.rop);
      EXPECT_EQ(q.GetPixel(6, 5), 0x555555u);
    }
  }
}

TEST(CanvasInk, AlphaBlendWeighsTheSource) {
  Bitmap src(2, 1, PixelFormat::pf32bit);
  src.Fill(0);
  // Premultiplied: a half-transparent red (alpha 128) and an opaque blue.
  src.ScanLine(0)[2] = 128;
  src.ScanLine(0)[3] = 128;
  src.ScanLine(0)[4] = 255;
  src.ScanLine(0)[7] = 255;
  Bitmap b = Filled(2, 1, clWhite);
  TCanvas(b).AlphaBlend(Rect(0, 0, 2, 1), src, Rect(0, 0, 2, 1), 255, true);
  EXPECT_EQ(b.GetPixel(0, 0), RGBColor(255, 127, 127));
  EXPECT_EQ(b.GetPixel(1, 0), RGBColor(0, 0, 255));
  Bitmap half = Filled(2, 1, clWhite);
  TCanvas(half).AlphaBlend(Rect(0, 0, 2, 1), Filled(2, 1, clBlack), Rect(0, 0, 2, 1), 64, false);
  EXPECT_EQ(half.GetPixel(0, 0), RGBColor(191, 191, 191));
}

TEST(CanvasInk, HatchesLayTheirLinesFromTheBrushOrigin) {
  // Which cells of the 8 x 8 hatch cell hold a line, pattern cell (x, y).
  const struct {
    HatchStyle style;
    std::function<bool(int, int)> line;
  } cases[] = {
      {HatchStyle::Horizontal, [](int, int y) { return y == 7; }},
      {HatchStyle::Vertical, [](int x, int) { return x == 7; }},
      {HatchStyle::ForwardDiagonal, [](int x, int y) { return x == y; }},
      {HatchStyle::BackwardDiagonal, [](int x, int y) { return x + y == 7; }},
      {HatchStyle::Cross, [](int x, int y) { return x == 7 || y == 7; }},
      {HatchStyle::DiagonalCross, [](int x, int y) { return x == y || x + y == 7; }},
  };
  const TPoint origins[] = {{0, 0}, {3, 5}, {-2, 9}};
  for (const auto& k : cases) {
    for (const TPoint origin : origins) {
      for (const bool opaque : {true, false}) {
        Bitmap b = Filled(24, 24, clWhite);
        TCanvas c(b);
        c.Brush.color = clRed;
        c.Brush.origin = origin;
        c.Brush.pattern = std::make_shared<BrushPattern>(
            BrushPattern::Hatch(k.style, clRed, opaque ? std::optional<TColor>(kGreen) : std::nullopt));
        c.FillRect(Rect(2, 2, 22, 22));
        for (int y = 0; y < 24; ++y)
          for (int x = 0; x < 24; ++x) {
            const bool inside = x >= 2 && x < 22 && y >= 2 && y < 22;
            const int px = ((x - origin.x) % 8 + 8) % 8, py = ((y - origin.y) % 8 + 8) % 8;
            const TColor want = !inside ? clWhite : k.line(px, py) ? clRed : opaque ? kGreen : clWhite;
            ASSERT_EQ(b.GetPixel(x, y), want) << int(k.style) << " at " << x << "," << y << " opaque " << opaque;
          }
      }
    }
  }
}

TEST(CanvasInk, PatternBrushesRepeatTheirPictureInEveryFigure) {
  Bitmap picture(2, 2, PixelFormat::pf1bit);
  picture.SetPalette({clBlack, clWhite});
  picture.SetRawPixel(0, 0, 1);  // index 1 at (0, 0) and (1, 1), index 0 elsewhere
  picture.SetRawPixel(1, 1, 1);
  const auto twoColor = std::make_shared<BrushPattern>(BrushPattern::TwoColor(picture, clRed, kBlue));
  const auto colour = std::make_shared<BrushPattern>(BrushPattern::Picture(picture));
  const std::function<void(TCanvas&)> figures[] = {
      [](TCanvas& c) { c.FillRect(Rect(0, 0, 12, 12)); },
      [](TCanvas& c) { c.Rectangle(0, 0, 12, 12); },
      [](TCanvas& c) { c.Ellipse(-20, -20, 40, 40); },
      [](TCanvas& c) { c.Polygon(std::vector<TPoint>{{0, 0}, {30, 0}, {30, 30}, {0, 30}}); },
      [](TCanvas& c) { c.Pie(-40, -40, 40, 40, 0, 50, 50, 0); },
  };
  for (std::size_t f = 0; f < std::size(figures); ++f) {
    for (const auto& [pattern, zero, one] : {std::tuple{twoColor, clRed, kBlue}, std::tuple{colour, clBlack, clWhite}}) {
      Bitmap b = Filled(12, 12, kGreen);
      TCanvas c(b);
      c.Pen.style = PenStyle::psClear;
      c.Brush.pattern = pattern;
      c.Brush.origin = TPoint{1, 0};
      figures[f](c);
      // Pattern cell ((x - 1) mod 2, y mod 2) is index 1 when both agree.
      for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 10; ++x)
          ASSERT_EQ(b.GetPixel(x, y), ((x - 1) % 2 == y % 2) ? one : zero) << "figure " << f << " at " << x << "," << y;
    }
  }
}

TEST(CanvasInk, EachPixelOfAStrokeIsPaintedOnce) {
  // Drawn with the exclusive-or pen on white, a pixel painted twice would
  // come back white: the picture must be the copy pen's, recoloured.
  const std::vector<TPoint> zigzag{{5, 50}, {20, 8}, {35, 50}, {50, 8}, {55, 40}};
  const std::vector<TPoint> star{{30, 4}, {40, 55}, {8, 20}, {55, 20}, {18, 55}};
  const struct {
    const char* what;
    int width;
    bool geometric;
    PenStyle style;
    std::function<void(TCanvas&)> draw;
  } cases[] = {
      {"wide polyline", 9, false, PenStyle::psSolid, [&](TCanvas& c) { c.Polyline(zigzag); }},
      {"wide closed polygon", 7, false, PenStyle::psSolid, [&](TCanvas& c) { c.Polygon(star); }},
      {"wide line", 8, false, PenStyle::psSolid, [](TCanvas& c) { c.MoveTo(10, 10), c.LineTo(50, 40); }},
      {"wide chord", 9, false, PenStyle::psSolid, [](TCanvas& c) { c.Chord(6, 6, 56, 50, 50, 6, 6, 40); }},
      {"wide pie", 6, false, PenStyle::psSolid, [](TCanvas& c) { c.Pie(6, 6, 56, 50, 50, 6, 6, 40); }},
      {"thin chord", 1, false, PenStyle::psSolid, [](TCanvas& c) { c.Chord(6, 6, 56, 50, 50, 6, 6, 40); }},
      {"thin pie", 1, false, PenStyle::psSolid, [](TCanvas& c) { c.Pie(6, 6, 56, 50, 50, 6, 6, 40); }},
      {"wide arc", 11, false, PenStyle::psSolid, [](TCanvas& c) { c.Arc(6, 6, 56, 50, 50, 6, 6, 40); }},
      {"wide ellipse", 7, false, PenStyle::psSolid, [](TCanvas& c) { c.Ellipse(6, 6, 56, 50); }},
      {"wide round rectangle", 7, false, PenStyle::psSolid, [](TCanvas& c) { c.RoundRect(6, 6, 56, 50, 20, 16); }},
      {"round dashes", 7, true, PenStyle::psDot, [&](TCanvas& c) { c.Polyline(zigzag); }},
      {"round dashed chord", 5, true, PenStyle::psDashDot, [](TCanvas& c) { c.Chord(6, 6, 56, 50, 50, 6, 6, 40); }},
  };
  for (const auto& k : cases) {
    Bitmap copied = Filled(60, 60, clWhite), xored = Filled(60, 60, clWhite);
    for (Bitmap* b : {&copied, &xored}) {
      TCanvas c(*b);
      c.Pen.color = kPen;
      c.Pen.width = k.width;
      c.Pen.geometric = k.geometric;
      c.Pen.style = k.style;
      c.Brush.style = BrushStyle::bsClear;
      c.Rop2 = b == &xored ? kRop2XorPen : kRop2CopyPen;
      k.draw(c);
    }
    int painted = 0, wrong = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) {
        const bool inked = copied.GetPixel(x, y) == kPen;
        painted += inked;
        wrong += xored.GetPixel(x, y) != (inked ? (kPen ^ 0xFFFFFF) : clWhite);
      }
    EXPECT_EQ(wrong, 0) << k.what;
    EXPECT_GT(painted, 50) << k.what;
  }
}
