// Paths, curves and transforms: Bezier curves flattened close to the curve,
// figures opened and closed as the drawing calls say, transforms combined in
// the right order, widened paths covering what the pen strokes.

#include <gtest/gtest.h>

#include <cmath>

#include "rendering/AffineTransform.h"
#include "rendering/BezierCurve.h"
#include "rendering/Canvas.h"
#include "rendering/Path.h"
#include "rendering/PathWidening.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// Distance from p to the segment a-b.
double SegmentDistance(TPointF p, TPointF a, TPointF b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

TEST(Path, CurvesAreFlattenedWithinAQuarterPixel) {
  const struct {
    TPointF p0, c1, c2, p3;
  } curves[] = {
      {{0, 0}, {0, 100}, {100, 100}, {100, 0}},
      {{10, 10}, {300, -50}, {-200, 80}, {40, 400}},  // an S with a loop
      {{5, 5}, {5, 5}, {5, 5}, {5, 5}},               // a point
      {{0, 0}, {10, 0}, {20, 0}, {30, 0}},            // a straight line
  };
  for (const auto& c : curves) {
    std::vector<TPointF> line{c.p0};
    AppendBezier(line, c.p0, c.c1, c.c2, c.p3);
    EXPECT_DOUBLE_EQ(line.back().x, c.p3.x);
    EXPECT_DOUBLE_EQ(line.back().y, c.p3.y);
    // The curve evaluated directly, point by point, lies near the lines.
    for (int i = 0; i <= 1000; ++i) {
      const double t = i / 1000.0, u = 1 - t;
      const TPointF q{u * u * u * c.p0.x + 3 * u * u * t * c.c1.x + 3 * u * t * t * c.c2.x + t * t * t * c.p3.x,
                      u * u * u * c.p0.y + 3 * u * u * t * c.c1.y + 3 * u * t * t * c.c2.y + t * t * t * c.p3.y};
      double nearest = 1e9;
      for (std::size_t k = 1; k < line.size(); ++k) nearest = std::min(nearest, SegmentDistance(q, line[k - 1], line[k]));
      if (line.size() == 1) nearest = std::hypot(q.x - line[0].x, q.y - line[0].y);
      ASSERT_LE(nearest, 0.3) << "t = " << t;
    }
  }
}

TEST(Path, FiguresStartCloseAndContinueAsDrawn) {
  Path p;
  p.MoveTo({0, 0});
  p.LineTo({10, 0});
  p.LineTo({10, 10});
  p.CloseFigure();
  p.LineTo({0, 10});  // after a close: a new figure from the current point
  p.MoveTo({20, 20});
  p.LineTo({30, 20});
  p.AddFigure({{1, 1}, {2, 2}, {3, 1}}, true);
  ASSERT_EQ(p.Figures().size(), 4u);
  EXPECT_TRUE(p.Figures()[0].closed);
  EXPECT_EQ(p.Figures()[0].points.size(), 3u);
  EXPECT_FALSE(p.Figures()[1].closed);
  EXPECT_EQ(p.Figures()[1].points.front().x, 10);
  EXPECT_EQ(p.Figures()[1].points.front().y, 10);
  EXPECT_EQ(p.Figures()[2].points.size(), 2u);
  EXPECT_TRUE(p.Figures()[3].closed);
  // Filling closes every figure: the open line of figure 1 adds nothing
  // but its triangle with the closing edge.
  const Region filled = p.Filled(FillRule::Alternate, RowRange{0, 40});
  EXPECT_TRUE(filled.Contains(8, 3));
  EXPECT_FALSE(filled.Contains(3, 8));
}

TEST(Path, TransformsCombineInOrderAndUndo) {
  const AffineTransform scale = AffineTransform::Scaling(2, 3);
  const AffineTransform move = AffineTransform::Scaling(1, 1, 10, -5);
  const AffineTransform turn{0, 1, -1, 0, 0, 0};  // a quarter turn
  const struct {
    AffineTransform t;
    TPointF in, out;
  } cases[] = {
      {scale.Then(move), {1, 1}, {12, -2}},
      {move.Then(scale), {1, 1}, {22, -12}},
      {turn, {1, 0}, {0, 1}},
      {turn.Then(turn), {1, 2}, {-1, -2}},
  };
  for (const auto& c : cases) {
    const TPointF p = c.t.Apply(c.in);
    EXPECT_NEAR(p.x, c.out.x, 1e-12);
    EXPECT_NEAR(p.y, c.out.y, 1e-12);
    AffineTransform back;
    ASSERT_TRUE(c.t.Inverse(back));
    const TPointF q = back.Apply(p);
    EXPECT_NEAR(q.x, c.in.x, 1e-12);
    EXPECT_NEAR(q.y, c.in.y, 1e-12);
  }
  AffineTransform none;
  EXPECT_FALSE(AffineTransform::Scaling(0, 1).Inverse(none));
  EXPECT_TRUE(turn.Then(AffineTransform::Scaling(1, -1)).Mirrors());
}

TEST(Path, AWidenedPathFilledCoversWhatThePenStrokes) {
  // The widened path filled by either rule paints what the pen strokes along
  // the figure: its width, caps, joins, miter limit and dashes.
  struct Case {
    const char* name;
    int width;
    bool geometric;
    PenStyle style;
    PenEndCap cap;
    PenJoin join;
    bool closed;
  };
  const Case cases[] = {
      {"thin", 1, false, PenStyle::psSolid, PenEndCap::pcRound, PenJoin::pjRound, true},
      {"round 4", 4, false, PenStyle::psSolid, PenEndCap::pcRound, PenJoin::pjRound, true},
      {"round 7 open", 7, false, PenStyle::psSolid, PenEndCap::pcRound, PenJoin::pjRound, false},
      {"mitred", 6, true, PenStyle::psSolid, PenEndCap::pcFlat, PenJoin::pjMiter, true},
      {"square bevelled open", 5, true, PenStyle::psSolid, PenEndCap::pcSquare, PenJoin::pjBevel, false},
      {"dashed wide", 3, true, PenStyle::psDash, PenEndCap::pcFlat, PenJoin::pjBevel, true},
      {"dotted thin", 1, false, PenStyle::psDot, PenEndCap::pcRound, PenJoin::pjRound, false},
  };
  const std::vector<TPoint> corners{{5, 5}, {30, 12}, {12, 26}};
  for (const Case& c : cases) {
    Path p;
    p.MoveTo({5, 5});
    p.LineTo({30, 12});
    p.LineTo({12, 26});
    if (c.closed) p.CloseFigure();
    Bitmap stroked = Filled(40, 32, clWhite);
    TCanvas s(stroked);
    s.Pen.width = c.width;
    s.Pen.geometric = c.geometric;
    s.Pen.style = c.style;
    s.Pen.endCap = c.cap;
    s.Pen.join = c.join;
    if (c.closed)
      s.PolylineClosed(corners);
    else
      s.Polyline(corners);
    for (const FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
      Bitmap filled = Filled(40, 32, clWhite);
      TCanvas f(filled);
      f.Brush.color = clBlack;
      f.FillRegion(WidenedPath(p, s).Filled(rule, RowRange{0, 32}));
      EXPECT_EQ(Art(filled), Art(stroked)) << c.name;
    }
  }
}

TEST(Path, CurvesBeyondTheReachAreTheirChordsAndTheFlattenedPointsAreBounded) {
  // Curves far to the right of the area, each worth the most lines a curve
  // takes: their ends only. A curve inside the area after them keeps its shape.
  Path reached(TRect{0, 0, 100, 100});
  reached.MoveTo({1e6, 0});
  for (int i = 0; i < 4000; ++i) reached.BezierTo({2e6, 1e6}, {3e6, -1e6}, {1e6 + (i % 2), 0});
  reached.MoveTo({10, 90});
  reached.BezierTo({10, 10}, {90, 10}, {90, 90});
  ASSERT_EQ(reached.Figures().size(), 2u);
  EXPECT_EQ(reached.Figures()[0].points.size(), 4001u);
  EXPECT_GT(reached.Figures()[1].points.size(), 16u);
  // Without a reach the same curves flatten fully until the bound, then to chords.
  Path unbounded;
  unbounded.MoveTo({1e6, 0});
  for (int i = 0; i < 4000; ++i) unbounded.BezierTo({2e6, 1e6}, {3e6, -1e6}, {1e6 + (i % 2), 0});
  unbounded.MoveTo({10, 90});
  unbounded.BezierTo({10, 10}, {90, 10}, {90, 90});
  EXPECT_LE(unbounded.Figures()[0].points.size(), Path::kMaxCurvePoints + 4000);
  EXPECT_GT(unbounded.Figures()[0].points.size(), Path::kMaxCurvePoints);
  EXPECT_EQ(unbounded.Figures()[1].points.size(), 2u);
}

TEST(Path, AFilledPathKeepsTheColumnsWithinItsReach) {
  // What a path with a reach fills is what the same path without one fills,
  // cut to the reach's columns: a comb of a thousand teeth of many heights
  // from far left to far right of it, and a triangle far wider than it.
  std::vector<TPointF> comb{{-5000, 100}};
  for (int i = 0; i < 1000; ++i) comb.insert(comb.end(), {{-5000.0 + 10 * i, double(i % 97)}, {-4995.0 + 10 * i, 100}});
  const std::vector<std::vector<TPointF>> cases[] = {{comb}, {{{-1e6, 90}, {50, 5}, {1e6, 95}}}};
  const TRect reach{-10, -10, 110, 110};
  for (const auto& figures : cases) {
    Path reached(reach), unbounded;
    for (const auto& f : figures) {
      reached.AddFigure(f, true);
      unbounded.AddFigure(f, true);
    }
    const Region filled = reached.Filled(FillRule::Alternate, RowRange{0, 100});
    EXPECT_EQ(filled, unbounded.Filled(FillRule::Alternate, RowRange{0, 100}).Combined(Region::FromRect(reach),
                                                                                        RegionOp::And));
    EXPECT_FALSE(filled.IsEmpty());
  }
}
