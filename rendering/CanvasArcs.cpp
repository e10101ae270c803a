#include <algorithm>
#include <limits>
#include <numbers>
#include <vector>

#include "rendering/ArcGeometry.h"
#include "rendering/Canvas.h"
#include "rendering/PenCentreLine.h"
#include "rendering/PolygonScan.h"
#include "rendering/ShapeOutline.h"
#include "rendering/StrokeGeometry.h"

namespace kestrova {

namespace {

TPointF CentreOf(const TRect& box) { return TPointF{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0}; }

// The angle by which a wide pen reaches past an arc's end at angle phi: half
// the pen's width and half a pixel, measured along the ellipse (at least; a
// whole turn at most).
double ReachPastEnd(const PenEllipse& e, double phi, int penWidth) {
  const double radius = EllipseRadius(e.a, e.b, phi);
  return radius > 0 ? std::min(std::numbers::pi, (penWidth + 1.0) / 2.0 / radius) : std::numbers::pi;
}

// A rectangle holding every pixel of the pen's band round the ellipse that
// lies within the sweep: the box round the swept parts of ellipses just
// outside and just inside the band.
TRect SweptBounds(const TRect& box, const ArcSweep& sweep, int penWidth) {
  const TPointF c = CentreOf(box);
  const double a = box.Width() / 2.0, b = box.Height() / 2.0, reach = penWidth / 2 + 1.0;
  std::vector<TPointF> points = ArcPoints(c, a + reach, b + reach, sweep, 1.0);
  const std::vector<TPointF> inner =
      ArcPoints(c, std::max(0.0, a - reach - 1), std::max(0.0, b - reach - 1), sweep, 1.0);
  points.insert(points.end(), inner.begin(), inner.end());
  double x0 = points.front().x, x1 = x0, y0 = points.front().y, y1 = y0;
  for (const TPointF& p : points) {
    x0 = std::min(x0, p.x);
    x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y);
    y1 = std::max(y1, p.y);
  }
  return TRect{PixelContaining(x0) - 1, PixelContaining(y0) - 1, PixelContaining(x1) + 2, PixelContaining(y1) + 2};
}

// The arc part of an outline: the pixels of the pen's band round the ellipse
// (the band Ellipse draws) whose centres lie within the sweep. A wide pen
// reaches a little past both ends, as a round pen would, so that arcs meeting
// at a ray, or stopping a pixel or two short of each other, join without a gap.
void ArcOutlineSpans(const Shape& ellipse, ArcSweep sweep, int penWidth, const TRect& bounds, const SpanSink& ink) {
  if (penWidth > 1) {
    const PenEllipse e = PenEllipseOf(ellipse.Box(), penWidth);
    sweep = sweep.Widened(ReachPastEnd(e, sweep.StartAngle(), penWidth), ReachPastEnd(e, sweep.EndAngle(), penWidth));
  }
  const TPointF c = CentreOf(ellipse.Box());
  const TRect area = Intersect(bounds, SweptBounds(ellipse.Box(), sweep, penWidth));
  const SpanSink inSweep = [&](int y, int x0, int x1) {
    sweep.RowRuns(c, y, std::max(x0, area.left), std::min(x1, area.right), [&](int a, int b) { ink(y, a, b); });
  };
  OutlineSpans(ellipse, penWidth, RowRange{area.top, area.bottom}, inSweep, nullptr);
}

TPoint PixelAt(TPointF p) { return TPoint{PixelContaining(p.x), PixelContaining(p.y)}; }

}  // namespace

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const Shape ellipse(ShapeKind::skEllipse, TRect{x1, y1, x2, y2});
  if (!PenVisible() || ellipse.IsEmpty()) return;
  const ArcSweep sweep(CentreOf(ellipse.Box()), TPointF{double(x3), double(y3)}, TPointF{double(x4), double(y4)});
  if (PenNeedsOutline()) {
    const PenEllipse e = PenEllipseOf(ellipse.Box(), Pen.width);
    OutlinedPenPath(ArcPoints(e.centre, e.a, e.b, sweep, 1.0), false);
    return;
  }
  ArcOutlineSpans(ellipse, sweep, Pen.width, Bounds(), PenInk());
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcFigure(TRect{x1, y1, x2, y2}, TPoint{x3, y3}, TPoint{x4, y4}, false);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcFigure(TRect{x1, y1, x2, y2}, TPoint{x3, y3}, TPoint{x4, y4}, true);
}

void TCanvas::ArcFigure(const TRect& rect, TPoint start, TPoint end, bool toCentre) {
  const Shape ellipse(ShapeKind::skEllipse, rect);
  if (ellipse.IsEmpty()) return;
  const TRect& box = ellipse.Box();
  const TPointF c = CentreOf(box);
  const ArcSweep sweep(c, TPointF{double(start.x), double(start.y)}, TPointF{double(end.x), double(end.y)});
  if (BrushVisible()) {
    std::vector<TPointF> figure = ArcPoints(c, box.Width() / 2.0, box.Height() / 2.0, sweep, 1.0);
    if (toCentre) figure.push_back(c);
    EvenOddSpans({figure}, Rows(), BrushInk());
  }
  if (!PenVisible()) return;
  const int width = std::max(1, Pen.width);
  if (PenNeedsOutline()) {
    const PenEllipse e = PenEllipseOf(box, width);
    std::vector<TPointF> path = ArcPoints(e.centre, e.a, e.b, sweep, 1.0);
    if (toCentre) path.push_back(e.centre);
    OutlinedPenPath(std::move(path), true);
    return;
  }
  // The arc, then the straight part: the chord, or the two radii, between its ends.
  const PenEllipse e = PenEllipseOf(box, width);
  const std::vector<TPointF> ends =
      ArcPoints(e.centre, e.a, e.b, sweep, std::numeric_limits<double>::infinity());
  std::vector<TPointF> path{ends.back()};
  if (toCentre) path.push_back(e.centre);
  path.push_back(ends.front());
  StrokeOnce([&](const SpanSink& ink) {
    ArcOutlineSpans(ellipse, sweep, width, Bounds(), ink);
    if (width > 1) {
      WidePathSpans(path, width / 2.0, Rows(), ink);
      return;
    }
    for (std::size_t i = 1; i < path.size(); ++i) ThinLineSpans(PixelAt(path[i - 1]), PixelAt(path[i]), Bounds(), ink);
  });
}

}  // namespace kestrova
