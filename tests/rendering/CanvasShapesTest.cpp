// Rectangles, round rectangles, ellipses, arcs, polygons, pies and chords.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

}  // namespace

TEST(CanvasRectangle, EdgesAndCentredWidePens) {
  EXPECT_EQ(Drawn(7, 5, [](TCanvas& c) { c.Rectangle(TRect{6, 4, 1, 1}); }),  // corners in any order
            ".......\n"
            ".#####.\n"
            ".#rrr#.\n"
            ".#####.\n"
            ".......\n");
  // Three pixels: one each side of columns 2 and 7, rows 2 and 6.
  EXPECT_EQ(Drawn(10, 9,
                  [](TCanvas& c) {
                    c.Pen.width = 3;
                    c.Rectangle(2, 2, 8, 7);
                  }),
            "..........\n"
            ".########.\n"
            ".########.\n"
            ".########.\n"
            ".###rr###.\n"
            ".########.\n"
            ".########.\n"
            ".########.\n"
            "..........\n");
  Bitmap b = Filled(10, 9, clWhite);
  TCanvas c(b);
  c.Brush.style = BrushStyle::bsClear;
  c.Pen.width = 2;  // even: one outside and the outline itself, on every side
  c.Rectangle(2, 2, 8, 7);
  EXPECT_EQ(PixelsOf(b, clBlack).front(), (std::pair{1, 1}));
  EXPECT_EQ(PixelsOf(b, clBlack).back(), (std::pair{8, 7}));
  EXPECT_EQ(b.GetPixel(3, 3), clWhite);
}

TEST(CanvasRoundRect, CornersStayInsideTheBox) {
  Bitmap b = Filled(16, 14, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.RoundRect(2, 2, 14, 12, 6, 6);
  EXPECT_TRUE(OnlyInside(b, TRect{2, 2, 14, 12}));
  for (auto [x, y] : {std::pair{2, 2}, {13, 2}, {2, 11}, {13, 11}}) EXPECT_EQ(b.GetPixel(x, y), clWhite);
  for (auto [x, y] : {std::pair{8, 2}, {2, 7}, {13, 7}, {8, 11}}) EXPECT_EQ(b.GetPixel(x, y), clBlack);
  EXPECT_EQ(b.GetPixel(8, 7), clRed);
}

TEST(CanvasEllipse, StaysInsideItsBoxTouchesEverySideAndIsSymmetric) {
  for (const TRect box : {TRect{2, 1, 13, 9}, TRect{1, 1, 15, 15}}) {
    Bitmap b = Filled(16, 16, clWhite);
    TCanvas c(b);
    c.Ellipse(box.left, box.top, box.right, box.bottom);
    EXPECT_TRUE(OnlyInside(b, box));
    int sides = 0;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) {
        const TColor p = b.GetPixel(x, y);
        EXPECT_EQ(p, b.GetPixel(box.left + box.right - 1 - x, y));
        EXPECT_EQ(p, b.GetPixel(x, box.top + box.bottom - 1 - y));
        if (p == clBlack && (x == box.left || y == box.top)) sides |= x == box.left ? 1 : 2;
      }
    EXPECT_EQ(sides, 3);
    EXPECT_EQ(b.GetPixel(box.left, box.top), clWhite);
  }
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
  for (const Quarter& q : {Quarter{{20, 10}, {10, 0}, true, false}, Quarter{{10, 0}, {0, 10}, false, false},
                           Quarter{{0, 10}, {10, 20}, false, true}, Quarter{{10, 20}, {20, 10}, true, true}}) {
    for (int width : {1, 2}) {
      // A one-pixel arc stays in its quadrant; a wider one reaches a little past its ends.
      const int slack = width == 1 ? 0 : 2;
      const auto pixels = ArcPixels(width, q.from, q.to);
      EXPECT_GT(pixels.size(), 10u);
      for (auto [x, y] : pixels) {
        EXPECT_TRUE(q.right ? x >= 10 - slack : x < 10 + slack) << x << "," << y << " width " << width;
        EXPECT_TRUE(q.below ? y >= 10 - slack : y < 10 + slack) << x << "," << y << " width " << width;
      }
    }
  }
  // From the top counter-clockwise to the right: three quarters, not the top-right one.
  for (auto [x, y] : ArcPixels(1, {10, 0}, {20, 10})) EXPECT_FALSE(x >= 11 && y <= 8) << x << "," << y;
}

namespace {

// Rings of short two-pixel arcs clipped to an ellipse, the way a round button
// is drawn: each run of short arcs covers a quarter turn, and the runs stop a
// little short of each other. Returns the pixels of the ring band not painted.
int HolesInRingOfShortArcs(int w, int h, int rings, float angleDegrees) {
  constexpr float kPi = std::numbers::pi_v<float>;
  Bitmap b = Filled(w, h, clWhite);
  TCanvas c(b);
  c.Pen.width = 2;
  const ClipRegion clip = ClipRegion::Ellipse(TRect{0, 0, w, h});
  c.SelectClipRegion(&clip);
  const int steps = w + 1 + h, cx = w / 2, cy = h / 2, r = w / 2 - 3;
  const float step = 2 * kPi / steps;
  const auto at = [&](float a) {
    return TPoint{int(std::lrint(std::cos(a) * r + cx)), int(std::lrint(std::sin(a) * r + cy))};
  };
  for (int k = 0; k < rings; ++k) {
    float a = angleDegrees * kPi / 180 - 5 * kPi / 4;
    for (int t = 0; t < steps / 4; ++t, a += step)
      for (float theta : {a, a - kPi / 2, a + kPi / 2, a + kPi}) {
        const TPoint from = at(theta + step), to = at(theta);
        c.Arc(k, k, w - k, h - k, from.x, from.y, to.x, to.y);
      }
  }
  int holes = 0;
  for (int y = 0; y < h; ++y) {
    int o0 = 0, o1 = 0, i0 = 0, i1 = 0;
    if (!EllipseRowSpan(TRect{0, 0, w, h}, y, o0, o1)) continue;
    const bool inner = EllipseRowSpan(TRect{rings, rings, w - rings, h - rings}, y, i0, i1);
    for (int x = o0; x < o1; ++x) holes += !(inner && x >= i0 && x < i1) && b.GetPixel(x, y) != clBlack;
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

TEST(CanvasPolygon, SelfCrossingShapesAreFilledByTheAlternateRule) {
  Bitmap b = Filled(40, 40, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  c.Pen.style = PenStyle::psClear;
  const TPoint star[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
  c.Polygon(star);
  EXPECT_EQ(b.GetPixel(20, 20), clWhite);  // the middle is crossed twice
  for (auto [x, y] : {std::pair{20, 5}, {5, 14}, {34, 14}, {10, 35}, {29, 35}}) EXPECT_EQ(b.GetPixel(x, y), clRed);
  EXPECT_TRUE(PixelsOf(b, clBlack).empty());
  c.Pen.style = PenStyle::psSolid;
  c.Polygon(star);
  EXPECT_EQ(b.GetPixel(1, 14), clBlack);  // the outline runs through the points

  b.Fill(clWhite);
  c.Pen.style = PenStyle::psClear;
  c.PolyPolygon({{{1, 1}, {9, 1}, {9, 9}, {1, 9}}, {{3, 3}, {7, 3}, {7, 7}, {3, 7}}});
  EXPECT_EQ(PixelsOf(b, clRed).size(), 64u - 16u);  // the same pixels as FillRect, less the hole
  EXPECT_EQ(b.GetPixel(5, 5), clWhite);
}

// Polygons sharing an edge (the turned bands of a gradient) tile: each pixel
// is painted once, none is missed.
TEST(CanvasPolygon, NeighboursSharingAnEdgeTile) {
  Bitmap b = Filled(9, 7, clWhite);
  TCanvas c(b);
  c.Pen.style = PenStyle::psClear;
  const TPoint lower[] = {{0, 0}, {9, 2}, {9, 7}, {0, 7}}, upper[] = {{0, 0}, {9, 0}, {9, 2}};
  c.Brush.color = clRed;
  c.Polygon(lower);
  c.Brush.color = kBlue;
  c.Polygon(upper);
  const std::size_t blue = PixelsOf(b, kBlue).size();
  c.Brush.color = clRed;
  c.Polygon(lower);
  EXPECT_EQ(PixelsOf(b, kBlue).size(), blue);  // red painted over no blue pixel
  EXPECT_EQ(PixelsOf(b, clRed).size() + blue, 63u);
}

// Values far outside any bitmap (as a damaged picture file could hold) neither
// overflow nor cost time in proportion to their size.
TEST(CanvasLimits, FarAwayCoordinatesAndHugeSizesAreHarmless) {
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  Bitmap b = Filled(12, 10, clWhite);
  TCanvas c(b);
  const ClipRegion tall = ClipRegion::Rectangle(TRect{0, 0, 6, kMax});
  c.SelectClipRegion(&tall);
  for (int width : {1, 2, 1000000, kMax}) {
    c.Pen.width = width;
    c.Rectangle(kMin, kMin, kMax, kMax);
    c.RoundRect(kMin, kMin, kMax, kMax, kMin, kMax);
    c.Ellipse(kMin, kMin, kMax, kMax);
    c.Arc(kMin, kMin, kMax, kMax, kMax, 0, 0, kMin);
    c.Pie(kMin, 0, kMax, 10, kMin, kMin, kMax, kMax);
    c.Chord(-5, -5, 5, 5, kMax, kMax, kMin, 0);
    const TPoint polygon[] = {{kMin, kMin}, {kMax, 0}, {0, kMax}};
    c.Polygon(polygon);
    c.MoveTo(kMin, kMin);
    c.LineTo(kMax, kMax);
  }
  c.FillRect(TRect{kMin, kMin, kMax, kMax});
  c.CopyRect(TRect{kMin, kMin, kMax, kMax}, b, TRect{kMax, kMax, kMin, kMin});
  c.CopyRect(TRect{0, 0, 12, 10}, b, TRect{kMin, 0, kMax, 10}, CopyMode::cmSrcPaint);
  for (int y = 0; y < 10; ++y) EXPECT_EQ(b.GetPixel(6, y), clWhite) << y;  // outside the clip
  EXPECT_EQ(b.GetPixel(5, 5), clWhite);                                   // the brush
}
