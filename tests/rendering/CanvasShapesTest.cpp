// Rectangles, round rectangles, ellipses, arcs, polygons, pies and chords.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "rendering/Canvas.h"
#include "rendering/ClipRegion.h"
#include "rendering/EllipseGeometry.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// True when no pixel outside `box` differs from white.
bool OnlyInside(const Bitmap& b, const TRect& box) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if ((x < box.left || x >= box.right || y < box.top || y >= box.bottom) && b.GetPixel(x, y) != clWhite)
        return false;
  return true;
}

bool Painted(const Bitmap& b, int x, int y) { return b.GetPixel(x, y) != clWhite; }

}  // namespace

TEST(CanvasRectangle, OutlineOnTheEdgesBrushInsideRightAndBottomExcluded) {
  Bitmap b = Filled(8, 6, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Art(b),
            "........\n"
            ".#####..\n"
            ".#rrr#..\n"
            ".#rrr#..\n"
            ".#####..\n"
            "........\n");
  b.Fill(clWhite);
  c.Brush.style = BrushStyle::bsClear;
  c.Rectangle(TRect{6, 5, 1, 1});  // corners in any order
  EXPECT_EQ(Art(b),
            "........\n"
            ".#####..\n"
            ".#...#..\n"
            ".#...#..\n"
            ".#####..\n"
            "........\n");
}

TEST(CanvasRectangle, WidePensAreCentredOnTheOutline) {
  Bitmap b = Filled(10, 9, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.Pen.width = 3;  // one pixel each side of columns 2 and 7, rows 2 and 6
  c.Rectangle(2, 2, 8, 7);
  EXPECT_EQ(Art(b),
            "..........\n"
            ".########.\n"
            ".########.\n"
            ".########.\n"
            ".###rr###.\n"
            ".########.\n"
            ".########.\n"
            ".########.\n"
            "..........\n");
  b.Fill(clWhite);
  c.Pen.width = 2;  // even widths: the extra pixel goes outside, on every side
  c.Rectangle(2, 2, 8, 7);
  EXPECT_EQ(Art(b),
            "..........\n"
            ".########.\n"
            ".########.\n"
            ".##rrrr##.\n"
            ".##rrrr##.\n"
            ".##rrrr##.\n"
            ".########.\n"
            ".########.\n"
            "..........\n");
  b.Fill(clWhite);
  c.Pen.style = PenStyle::psClear;  // no outline: the brush fills the whole box
  c.Rectangle(2, 2, 8, 7);
  EXPECT_TRUE(OnlyInside(b, TRect{2, 2, 8, 7}));
  EXPECT_EQ(PixelsOf(b, clRed).size(), 30u);
}

TEST(CanvasRoundRect, CornersStayInsideTheBox) {
  Bitmap b = Filled(16, 14, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  const TRect box{2, 2, 14, 12};
  c.RoundRect(box.left, box.top, box.right, box.bottom, 6, 6);
  EXPECT_TRUE(OnlyInside(b, box));
  for (auto [x, y] : {std::pair{2, 2}, {13, 2}, {2, 11}, {13, 11}}) EXPECT_FALSE(Painted(b, x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair{8, 2}, {2, 7}, {13, 7}, {8, 11}}) EXPECT_EQ(b.GetPixel(x, y), clBlack) << x << "," << y;
  EXPECT_EQ(b.GetPixel(8, 7), clRed);
  // The corners are quarter ellipses 6 wide: the outline of a left and a right
  // corner mirror each other.
  for (int y = 2; y < 12; ++y)
    for (int x = 2; x < 14; ++x) EXPECT_EQ(b.GetPixel(x, y), b.GetPixel(15 - x, y)) << x << "," << y;
}

TEST(CanvasEllipse, StaysInsideItsBoxTouchesEverySideAndIsSymmetric) {
  for (const TRect box : {TRect{2, 1, 13, 9}, TRect{1, 1, 15, 15}, TRect{3, 4, 5, 6}}) {
    Bitmap b = Filled(16, 16, clWhite);
    TCanvas c(b);
    c.Brush.color = clRed;
    c.Ellipse(box.left, box.top, box.right, box.bottom);
    EXPECT_TRUE(OnlyInside(b, box));
    bool left = false, right = false, top = false, bottom = false;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) {
        const bool p = Painted(b, x, y);
        EXPECT_EQ(p, Painted(b, box.left + box.right - 1 - x, y));
        EXPECT_EQ(p, Painted(b, x, box.top + box.bottom - 1 - y));
        left |= p && x == box.left;
        right |= p && x == box.right - 1;
        top |= p && y == box.top;
        bottom |= p && y == box.bottom - 1;
      }
    EXPECT_TRUE(left && right && top && bottom);
    if (box.Width() > 3) {
      EXPECT_EQ(b.GetPixel(box.left, box.top), clWhite);
    }
  }
}

TEST(CanvasEllipse, OneThinOutlineAroundTheBrush) {
  Bitmap b = Filled(10, 8, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.Ellipse(0, 0, 10, 8);
  EXPECT_EQ(Art(b),
            "...####...\n"
            ".##rrrr##.\n"
            "#rrrrrrrr#\n"
            "#rrrrrrrr#\n"
            "#rrrrrrrr#\n"
            "#rrrrrrrr#\n"
            ".##rrrr##.\n"
            "...####...\n");
  // Without a pen the brush covers the same pixels.
  Bitmap filled = Filled(10, 8, clWhite);
  TCanvas f(filled);
  f.Brush.color = clBlack;
  f.Pen.style = PenStyle::psClear;
  f.Ellipse(0, 0, 10, 8);
  EXPECT_EQ(PixelsOf(filled, clBlack).size(), 10 * 8 - PixelsOf(b, clWhite).size());
}

TEST(CanvasEllipse, WideOutlineIsCentredAndClearBrushKeepsTheInside) {
  Bitmap b = Filled(16, 14, clWhite);
  TCanvas c(b);
  c.Brush.style = BrushStyle::bsClear;
  c.Pen.width = 3;
  c.Ellipse(3, 3, 13, 11);
  EXPECT_TRUE(OnlyInside(b, TRect{2, 2, 14, 12}));
  EXPECT_EQ(b.GetPixel(2, 7), clBlack);   // one outside the left outline
  EXPECT_EQ(b.GetPixel(4, 7), clBlack);   // one inside it
  EXPECT_EQ(b.GetPixel(13, 7), clBlack);  // one outside the right outline (column 12)
  EXPECT_EQ(b.GetPixel(8, 7), clWhite);
}

namespace {

// Pixels an arc of the 20 x 20 box paints, as (x, y).
std::vector<std::pair<int, int>> ArcPixels(int penWidth, TPoint from, TPoint to) {
  Bitmap b = Filled(20, 20, clWhite);
  TCanvas c(b);
  c.Pen.width = penWidth;
  c.Arc(0, 0, 20, 20, from.x, from.y, to.x, to.y);
  return PixelsOf(b, clBlack);
}

}  // namespace

TEST(CanvasArc, QuarterArcsLandInTheirQuadrant) {
  struct Quarter {
    TPoint from, to;
    bool right, below;
  };
  // Counter-clockwise on the screen: right -> top -> left -> bottom.
  const Quarter quarters[] = {{{20, 10}, {10, 0}, true, false},
                              {{10, 0}, {0, 10}, false, false},
                              {{0, 10}, {10, 20}, false, true},
                              {{10, 20}, {20, 10}, true, true}};
  for (const Quarter& q : quarters) {
    for (int width : {1, 2}) {
      // A one-pixel arc stays in its quadrant; a wider one reaches a little past its ends.
      const int slack = width == 1 ? 0 : 2;
      const auto pixels = ArcPixels(width, q.from, q.to);
      ASSERT_GT(pixels.size(), 10u);
      bool nearHorizontalRay = false, nearVerticalRay = false;
      for (auto [x, y] : pixels) {
        EXPECT_TRUE(q.right ? x >= 10 - slack : x < 10 + slack) << x << "," << y << " width " << width;
        EXPECT_TRUE(q.below ? y >= 10 - slack : y < 10 + slack) << x << "," << y << " width " << width;
        nearHorizontalRay |= y == 9 || y == 10;
        nearVerticalRay |= x == 9 || x == 10;
      }
      EXPECT_TRUE(nearHorizontalRay && nearVerticalRay);
    }
  }
}

TEST(CanvasArc, RunsCounterClockwiseAndCoincidingRaysGiveTheWholeEllipse) {
  // From the top counter-clockwise to the right: three quarters, the top-right one left out.
  for (auto [x, y] : ArcPixels(1, {10, 0}, {20, 10})) EXPECT_FALSE(x >= 11 && y <= 8) << x << "," << y;
  EXPECT_GT(ArcPixels(1, {10, 0}, {20, 10}).size(), 3 * ArcPixels(1, {20, 10}, {10, 0}).size() - 8);
  Bitmap ellipse = Filled(20, 20, clWhite);
  TCanvas c(ellipse);
  c.Brush.style = BrushStyle::bsClear;
  c.Ellipse(0, 0, 20, 20);
  EXPECT_EQ(ArcPixels(1, {20, 3}, {20, 3}), PixelsOf(ellipse, clBlack));
}

namespace {

// Rings of short two-pixel arcs clipped to an ellipse, the way a round button
// is drawn: each run of short arcs covers a quarter turn, and the runs stop a
// little short of each other. Returns the pixels of the ring band not painted.
int HolesInRingOfShortArcs(int w, int h, int rings, float angleDegrees) {
  Bitmap b = Filled(w, h, clWhite);
  TCanvas c(b);
  c.Pen.width = 2;
  const ClipRegion clip = ClipRegion::Ellipse(TRect{0, 0, w, h});
  c.SelectClipRegion(&clip);
  const int steps = w + 1 + h, perQuarter = steps / 4, cx = w / 2, cy = h / 2, r = w / 2 - 3;
  const float start = angleDegrees * std::numbers::pi_v<float> / 180 - 5 * std::numbers::pi_v<float> / 4;
  const float step = 2 * std::numbers::pi_v<float> / steps;
  const auto arc = [&](float theta, int k) {
    const float next = theta + step;
    c.Arc(k, k, w - k, h - k, int(std::lrint(std::cos(next) * r + cx)), int(std::lrint(std::sin(next) * r + cy)),
          int(std::lrint(std::cos(theta) * r + cx)), int(std::lrint(std::sin(theta) * r + cy)));
  };
  for (int k = 0; k < rings; ++k) {
    float a = start;
    for (int t = 0; t < perQuarter; ++t, a += step)
      for (float quarter : {0.0f, -std::numbers::pi_v<float> / 2, std::numbers::pi_v<float> / 2,
                            std::numbers::pi_v<float>})
        arc(a + quarter, k);
  }
  int holes = 0;
  for (int y = 0; y < h; ++y) {
    int o0 = 0, o1 = 0, i0 = 0, i1 = 0;
    if (!EllipseRowSpan(TRect{0, 0, w, h}, y, o0, o1)) continue;
    const bool inner = EllipseRowSpan(TRect{rings, rings, w - rings, h - rings}, y, i0, i1);
    for (int x = o0; x < o1; ++x)
      if (!(inner && x >= i0 && x < i1) && b.GetPixel(x, y) != clBlack) ++holes;
  }
  return holes;
}

}  // namespace

TEST(CanvasArc, ShortTwoPixelArcsCloseIntoRingsWithoutGaps) {
  EXPECT_EQ(HolesInRingOfShortArcs(51, 21, 5, 0), 0);
  EXPECT_EQ(HolesInRingOfShortArcs(40, 40, 1, 0), 0);
  EXPECT_EQ(HolesInRingOfShortArcs(71, 43, 2, 37), 0);
  EXPECT_EQ(HolesInRingOfShortArcs(150, 67, 8, 200), 0);
}

TEST(CanvasPolygon, SelfCrossingStarIsFilledByTheAlternateRule) {
  Bitmap b = Filled(40, 40, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.Pen.style = PenStyle::psClear;
  const TPoint star[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
  c.Polygon(star);
  EXPECT_EQ(b.GetPixel(20, 20), clWhite);  // the middle is crossed twice
  EXPECT_EQ(b.GetPixel(20, 25), clWhite);
  for (auto [x, y] : {std::pair{20, 5}, {5, 14}, {34, 14}, {10, 35}, {29, 35}})
    EXPECT_EQ(b.GetPixel(x, y), clRed) << x << "," << y;
  EXPECT_TRUE(PixelsOf(b, clBlack).empty());
  c.Pen.style = PenStyle::psSolid;
  c.Polygon(star);
  EXPECT_EQ(b.GetPixel(20, 1), clBlack);  // the outline runs through the points
  EXPECT_EQ(b.GetPixel(1, 14), clBlack);
}

TEST(CanvasPolygon, FillCoversTheSamePixelsAsFillRectAndTurnedBandsTile) {
  Bitmap b = Filled(8, 6, clWhite);
  TCanvas c(b);
  c.Brush.color = clBlack;
  c.Pen.style = PenStyle::psClear;
  const TPoint square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  c.Polygon(square);
  Bitmap expected = Filled(8, 6, clWhite);
  TCanvas e(expected);
  e.Brush.color = clBlack;
  e.FillRect(TRect{1, 1, 5, 4});
  EXPECT_EQ(b, expected);

  // Rows of a rectangle turned by 30 degrees, each a polygon of rounded corners:
  // together they cover the turned rectangle without gaps, each pixel once.
  const auto turned = [](int x, int y) {
    const double s = std::sin(std::numbers::pi / 6), co = std::cos(std::numbers::pi / 6);
    return TPoint{10 + int(std::lrint((x - 10) * co - (y - 10) * s)), 10 + int(std::lrint((x - 10) * s + (y - 10) * co))};
  };
  const auto band = [&](int top, int bottom) {
    return std::vector<TPoint>{turned(2, top), turned(18, top), turned(18, bottom), turned(2, bottom)};
  };
  Bitmap whole = Filled(20, 20, clWhite), bands = Filled(20, 20, clWhite);
  TCanvas w(whole), n(bands);
  for (TCanvas* canvas : {&w, &n}) {
    canvas->Pen.style = PenStyle::psClear;
    canvas->Brush.color = clBlack;
  }
  w.Polygon(band(4, 16));
  std::size_t sum = 0;
  for (int k = 4; k < 16; ++k) {
    Bitmap one = Filled(20, 20, clWhite);
    TCanvas o(one);
    o.Pen.style = PenStyle::psClear;
    o.Brush.color = clBlack;
    o.Polygon(band(k, k + 1));
    n.Polygon(band(k, k + 1));
    sum += PixelsOf(one, clBlack).size();
  }
  EXPECT_EQ(sum, PixelsOf(bands, clBlack).size());
  for (auto [x, y] : PixelsOf(whole, clBlack)) {
    bool inner = true;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) inner = inner && whole.GetPixel(x + dx, y + dy) == clBlack;
    if (inner) {
      EXPECT_EQ(bands.GetPixel(x, y), clBlack) << x << "," << y;
    }
  }
}

TEST(CanvasPolygon, PolyPolygonPunchesHoles) {
  Bitmap b = Filled(10, 10, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.Pen.style = PenStyle::psClear;
  c.PolyPolygon({{{1, 1}, {9, 1}, {9, 9}, {1, 9}}, {{3, 3}, {7, 3}, {7, 7}, {3, 7}}});
  EXPECT_EQ(b.GetPixel(2, 2), clRed);
  EXPECT_EQ(b.GetPixel(5, 5), clWhite);
  EXPECT_EQ(PixelsOf(b, clRed).size(), 64u - 16u);
}

TEST(CanvasPie, PieReachesTheCentreChordCutsItOff) {
  for (bool pie : {true, false}) {
    Bitmap b = Filled(20, 20, clWhite);
    TCanvas c(b);
    c.Brush.color = clRed;
    if (pie)
      c.Pie(0, 0, 20, 20, 20, 10, 10, 0);
    else
      c.Chord(0, 0, 20, 20, 20, 10, 10, 0);
    EXPECT_TRUE(OnlyInside(b, TRect{10, 0, 20, 11})) << pie;
    EXPECT_EQ(b.GetPixel(16, 4), clRed) << pie;
    EXPECT_EQ(b.GetPixel(12, 8), pie ? clRed : clWhite);
    EXPECT_EQ(b.GetPixel(19, 9), clBlack) << pie;  // the arc's outline
  }
}
