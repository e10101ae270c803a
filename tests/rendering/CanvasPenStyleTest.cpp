// Dashed pens, geometric pens with their caps and joins, inside-frame pens,
// and the winding fill their outlines use.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/ArcGeometry.h"
#include "rendering/Canvas.h"
#include "rendering/DashPattern.h"
#include "rendering/PenStroke.h"
#include "rendering/PolygonScan.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// Row y of the art as a string of '#' (pen) and '.' (untouched).
std::string Row(const std::string& art, int width, int y) { return art.substr(std::size_t(y) * (width + 1), width); }

// The on/off string of n pixels repeating the given run lengths from the start.
std::string Dashes(const std::vector<int>& runs, int n) {
  std::string s;
  for (bool on = true; int(s.size()) < n; on = !on) {
    for (int run : runs) {
      s.append(run, on ? '#' : '.');
      on = !on;
    }
    on = !on;
  }
  return s.substr(0, n);
}

// Each style's dashes and gaps: a one-pixel pen's in pixels, a wide pen's in
// widths (none: the style has no wide form).
const struct {
  PenStyle style;
  std::initializer_list<int> runs;
  std::initializer_list<int> wideRuns;
} kStyles[] = {
    {PenStyle::psDash, {18, 6}, {3, 1}},
    {PenStyle::psDot, {3, 3}, {1, 1}},
    {PenStyle::psDashDot, {9, 6, 3, 6}, {3, 1, 1, 1}},
    {PenStyle::psDashDotDot, {9, 3, 3, 3, 3, 3}, {3, 1, 1, 1, 1, 1}},
    {PenStyle::psAlternate, {1, 1}, {}},
};

}  // namespace

TEST(PenStyles, OnePixelDashesFollowTheirStyle) {
  for (const auto& k : kStyles) {
    const std::string art = Drawn(70, 3, [&](TCanvas& c) {
      c.Pen.style = k.style;
      c.MoveTo(0, 1);
      c.LineTo(70, 1);
    });
    EXPECT_EQ(Row(art, 70, 1), Dashes(k.runs, 70)) << int(k.style);
    EXPECT_EQ(Row(art, 70, 0), std::string(70, '.'));
  }
}

TEST(PenStyles, DashesCarryOnAcrossThePolylinesCornersAndGapsTakeTheGapColour) {
  Bitmap b = Filled(30, 30, clWhite);
  TCanvas c(b);
  c.Pen.style = PenStyle::psDash;
  c.Pen.paintGaps = true;
  c.Pen.gapColor = kGreen;
  const std::vector<TPoint> line{{0, 0}, {20, 0}, {20, 29}};
  c.Polyline(line);
  // 20 pixels along the top (18 dash, 2 gap), then down from (20, 0): 4 gap, 18 dash, 6 gap ...
  const std::string dashes = Dashes({18, 6}, 49);
  for (int i = 0; i < 49; ++i) {
    const int x = i < 20 ? i : 20, y = i < 20 ? 0 : i - 20;
    ASSERT_EQ(b.GetPixel(x, y), dashes[i] == '#' ? clBlack : kGreen) << "step " << i;
  }
  EXPECT_EQ(b.GetPixel(20, 29), clWhite);  // the end point is left out
  // The user's own lengths.
  const std::string art = Drawn(20, 2, [](TCanvas& c) {
    c.Pen.style = PenStyle::psUserStyle;
    c.Pen.dashes = {2, 1, 4, 3};
    c.MoveTo(0, 0);
    c.LineTo(20, 0);
  });
  EXPECT_EQ(Row(art, 20, 0), "##.####...##.####...");
}

TEST(PenStyles, WideDashesAreOutlinedPiecesOfTheWidthScaledPattern) {
  // A 4-pixel dashed pen with flat ends along row 10 (centre on the pixel
  // corners): each style's lengths are multiples of the width.
  for (const auto& k : kStyles) {
    if (k.wideRuns.size() == 0) continue;
    std::vector<int> runs;
    for (const int r : k.wideRuns) runs.push_back(4 * r);
    const std::string art = Drawn(60, 20, [&](TCanvas& c) {
      c.Pen.width = 4;
      c.Pen.geometric = true;
      c.Pen.endCap = PenEndCap::pcFlat;
      c.Pen.style = k.style;
      c.MoveTo(0, 10);
      c.LineTo(60, 10);
    });
    for (int y = 0; y < 20; ++y)
      EXPECT_EQ(Row(art, 60, y), y >= 8 && y < 12 ? Dashes(runs, 60) : std::string(60, '.'))
          << "style " << int(k.style) << " row " << y;
  }
}

TEST(PenStyles, EndCapsOfAGeometricPen) {
  // A pen 6 wide from (10, 10) to (30, 10): its centre runs along the pixel corners of row 10.
  const struct {
    PenEndCap cap;
    int first, last;  // columns covered on the centre rows
    bool cornersCovered;
  } cases[] = {
      {PenEndCap::pcFlat, 10, 29, true},
      {PenEndCap::pcSquare, 7, 32, true},
      {PenEndCap::pcRound, 7, 32, false},
  };
  for (const auto& k : cases) {
    Bitmap b = Filled(40, 20, clWhite);
    TCanvas c(b);
    c.Pen.width = 6;
    c.Pen.geometric = true;
    c.Pen.endCap = k.cap;
    c.MoveTo(10, 10);
    c.LineTo(30, 10);
    EXPECT_EQ(b.GetPixel(k.first, 9), clBlack) << int(k.cap);
    EXPECT_EQ(b.GetPixel(k.first - 1, 9), clWhite) << int(k.cap);
    EXPECT_EQ(b.GetPixel(k.last, 10), clBlack) << int(k.cap);
    EXPECT_EQ(b.GetPixel(k.last + 1, 10), clWhite) << int(k.cap);
    EXPECT_EQ(b.GetPixel(k.first, 7) == clBlack, k.cornersCovered) << int(k.cap);
    EXPECT_EQ(b.GetPixel(20, 6), clWhite);
    EXPECT_EQ(b.GetPixel(20, 7), clBlack);
    EXPECT_EQ(b.GetPixel(20, 12), clBlack);
    EXPECT_EQ(b.GetPixel(20, 13), clWhite);
  }
}

TEST(PenStyles, JoinsOfAGeometricPenAndTheMiterLimit) {
  // A right-angle corner at (30, 10) with an 8-wide pen: outer corner at (34, 6).
  const struct {
    PenJoin join;
    double limit;
    bool outerCorner, beyondRound;
  } cases[] = {
      {PenJoin::pjMiter, 10, true, true},
      {PenJoin::pjMiter, 1.2, false, false},  // sqrt(2) is over the limit: bevelled
      {PenJoin::pjBevel, 10, false, false},
      {PenJoin::pjRound, 10, false, true},
  };
  for (const auto& k : cases) {
    Bitmap b = Filled(50, 50, clWhite);
    TCanvas c(b);
    c.Pen.width = 8;
    c.Pen.geometric = true;
    c.Pen.endCap = PenEndCap::pcFlat;
    c.Pen.join = k.join;
    c.Pen.miterLimit = k.limit;
    const std::vector<TPoint> line{{10, 10}, {30, 10}, {30, 40}};
    c.Polyline(line);
    EXPECT_EQ(b.GetPixel(33, 6) == clBlack, k.outerCorner) << int(k.join) << " " << k.limit;
    // Half-way along the rounded corner's arc, just inside the pen's reach.
    EXPECT_EQ(b.GetPixel(32, 8) == clBlack, k.beyondRound) << int(k.join) << " " << k.limit;
    EXPECT_EQ(b.GetPixel(29, 9), clBlack);
    EXPECT_EQ(b.GetPixel(35, 20), clWhite);
  }
}

TEST(PenStyles, StrokeOutlineFilledByWindingPaintsEachPixelOnce) {
  // An exclusive-or pen shows a pixel painted twice as untouched.
  for (const PenJoin join : {PenJoin::pjMiter, PenJoin::pjBevel, PenJoin::pjRound}) {
    Bitmap b = Filled(60, 60, clWhite);
    TCanvas c(b);
    c.Rop2 = kRop2XorPen;
    c.Pen.color = clWhite;
    c.Pen.width = 9;
    c.Pen.geometric = true;
    c.Pen.endCap = PenEndCap::pcSquare;
    c.Pen.join = join;
    const std::vector<TPoint> zigzag{{10, 10}, {50, 15}, {12, 30}, {48, 50}};
    c.Polyline(zigzag);
    // Along the middle of every segment the pen is painted (white xor white = black).
    EXPECT_EQ(b.GetPixel(30, 12), clBlack) << int(join);
    EXPECT_EQ(b.GetPixel(31, 22), clBlack) << int(join);
    EXPECT_EQ(b.GetPixel(30, 40), clBlack) << int(join);
    // At the corners, where segment, join and cap polygons overlap, still painted once.
    EXPECT_EQ(b.GetPixel(50, 15), clBlack) << int(join);
    EXPECT_EQ(b.GetPixel(12, 30), clBlack) << int(join);
  }
}

TEST(PenStyles, WindingFillPaintsTheUnionAlternateFillPunchesHoles) {
  const std::vector<std::vector<TPointF>> squares{{{0, 0}, {6, 0}, {6, 6}, {0, 6}}, {{3, 3}, {9, 3}, {9, 9}, {3, 9}}};
  for (const bool winding : {true, false}) {
    Bitmap b = Filled(10, 10, clWhite);
    TCanvas c(b);
    const SpanSink ink = [&](int y, int x0, int x1) { c.PaintSpan(y, x0, x1, clBlack); };
    if (winding)
      WindingSpans(squares, RowRange{0, 10}, ink);
    else
      EvenOddSpans(squares, RowRange{0, 10}, ink);
    EXPECT_EQ(b.GetPixel(4, 4), winding ? clBlack : clWhite);
    EXPECT_EQ(b.GetPixel(1, 1), clBlack);
    EXPECT_EQ(b.GetPixel(8, 8), clBlack);
    EXPECT_EQ(b.GetPixel(8, 1), clWhite);
  }
  // Opposite turns cancel under the winding rule.
  const std::vector<std::vector<TPointF>> opposite{{{0, 0}, {6, 0}, {6, 6}, {0, 6}}, {{2, 2}, {2, 4}, {4, 4}, {4, 2}}};
  Bitmap b = Filled(10, 10, clWhite);
  TCanvas c(b);
  WindingSpans(opposite, RowRange{0, 10}, [&](int y, int x0, int x1) { c.PaintSpan(y, x0, x1, clBlack); });
  EXPECT_EQ(b.GetPixel(3, 3), clWhite);
  EXPECT_EQ(b.GetPixel(1, 3), clBlack);
}

TEST(PenStyles, InsideFramePenStaysInTheBox) {
  for (const int width : {4, 5}) {
    Bitmap b = Filled(40, 40, clWhite);
    TCanvas c(b);
    c.Brush.color = clRed;
    c.Pen.width = width;
    c.Pen.insideFrame = true;
    c.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(b.GetPixel(10, 10), clBlack) << width;
    EXPECT_EQ(b.GetPixel(9, 10), clWhite) << width;
    EXPECT_EQ(b.GetPixel(29, 29), clBlack) << width;
    EXPECT_EQ(b.GetPixel(30, 29), clWhite) << width;
    EXPECT_EQ(b.GetPixel(10 + width - 1, 20), clBlack) << width;
    EXPECT_EQ(b.GetPixel(10 + width, 20), clRed) << width;
  }
}

TEST(PenStyles, DashedOutlinesOfShapesAndArcsKeepToTheSolidOutline) {
  // Every pixel a dashed pen paints round a shape lies on the solid pen's outline.
  const std::function<void(TCanvas&)> shapes[] = {
      [](TCanvas& c) { c.Rectangle(5, 5, 55, 45); },
      [](TCanvas& c) { c.Ellipse(5, 5, 55, 45); },
      [](TCanvas& c) { c.RoundRect(5, 5, 55, 45, 20, 16); },
      [](TCanvas& c) { c.Arc(5, 5, 55, 45, 60, 0, 0, 50); },
      [](TCanvas& c) { c.Pie(5, 5, 55, 45, 60, 0, 0, 50); },
  };
  for (std::size_t s = 0; s < std::size(shapes); ++s) {
    for (const int width : {1, 3}) {
      Bitmap solid = Filled(60, 50, clWhite), dashed = Filled(60, 50, clWhite);
      TCanvas a(solid), d(dashed);
      for (TCanvas* c : {&a, &d}) {
        c->Brush.style = BrushStyle::bsClear;
        c->Pen.width = width;
      }
      d.Pen.style = PenStyle::psDot;
      shapes[s](a);
      shapes[s](d);
      int painted = 0, outside = 0;
      for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
          if (dashed.GetPixel(x, y) != clBlack) continue;
          ++painted;
          // Allow the pen's pixel neighbours: outlines by path and by band may differ by a pixel.
          bool near = false;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) near |= solid.GetPixel(x + dx, y + dy) == clBlack;
          outside += !near;
        }
      EXPECT_GT(painted, 20) << "shape " << s << " width " << width;
      EXPECT_EQ(outside, 0) << "shape " << s << " width " << width;
      EXPECT_LT(painted, static_cast<int>(PixelsOf(solid, clBlack).size())) << "shape " << s << " width " << width;
    }
  }
}

TEST(PenStyles, DashesOutsideTheVisibleAreaAreWalkedPastNotMade) {
  // Lines two thousand million pixels long with 6-on 4-off dashes, seen
  // through a window 100 pixels wide: only the dashes in the window are made,
  // cut at its edges, in the phase the whole line gives them; the walk ends
  // where the whole line ends it.
  const DashArea area{0, 0, 100, 10};
  const struct {
    std::vector<TPointF> path;
    double length;
    int phase;  // the dashes cover [10m + phase, 10m + phase + 6]
  } cases[] = {
      {{{-1e9, 5}, {1e9, 5}}, 2e9, 0},
      {{{-1e9 - 3, 5}, {1e9, 5}}, 2e9 + 3, 7},
      {{{-1e9, -50}, {-1e9, 5}, {1e9, 5}}, 2e9 + 55, 5},  // a first leg out of sight
      {{{-1e9, 5}, {1e9 + 8, 5}}, 2e9 + 8, 0},              // ending in a gap
  };
  for (const auto& k : cases) {
    std::vector<std::pair<double, double>> expected;
    for (int m = -1; m <= 10; ++m) {
      const double from = std::max(0.0, 10.0 * m + k.phase), to = std::min(100.0, 10.0 * m + k.phase + 6);
      if (from < to) expected.emplace_back(from, to);
    }
    DashWalk walk({6, 4});
    const auto pieces = DashPieces(k.path, walk, area);
    ASSERT_EQ(pieces.size(), expected.size()) << "phase " << k.phase;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_NEAR(pieces[i].front().x, expected[i].first, 1e-3) << "phase " << k.phase << " piece " << i;
      EXPECT_NEAR(pieces[i].back().x, expected[i].second, 1e-3) << "phase " << k.phase << " piece " << i;
    }
    DashWalk whole({6, 4});
    whole.Advance(k.length);
    EXPECT_EQ(walk.OnDash(), whole.OnDash());
    EXPECT_NEAR(walk.LeftInPart(), whole.LeftInPart(), 1e-3);
  }
}
