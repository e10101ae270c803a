#include <vector>

#include "rendering/Canvas.h"
#include "rendering/StrokeGeometry.h"

namespace kestrova {

void TCanvas::MoveTo(int x, int y) { PenPos = TPoint{x, y}; }

void TCanvas::LineTo(int x, int y) {
  const TPoint from = PenPos;
  PenPos = TPoint{x, y};
  if (!PenVisible()) return;
  if (PenNeedsOutline()) {
    const TPoint line[] = {from, PenPos};
    OutlinedPenPath(line, false);
    return;
  }
  PenSegmentSpans(from, PenPos, Pen.width, Bounds(), PenInk());
}

void TCanvas::Polyline(std::span<const TPoint> points) { PenPath(points, false); }

void TCanvas::PenPath(std::span<const TPoint> points, bool closed) {
  if (!PenVisible() || points.empty()) return;
  if (PenNeedsOutline()) {
    OutlinedPenPath(points, closed);
    return;
  }
  if (Pen.width <= 1) {
    // One-pixel lines are stepped segment by segment, each on its own.
    const SpanSink ink = PenInk();
    for (std::size_t i = 1; i < points.size(); ++i) ThinLineSpans(points[i - 1], points[i], Bounds(), ink);
    if (closed && points.size() > 1) ThinLineSpans(points.back(), points.front(), Bounds(), ink);
    return;
  }
  const double o = PenCentreOffset(Pen.width);
  std::vector<TPointF> path;
  path.reserve(points.size() + 1);
  for (const TPoint& p : points) path.push_back(TPointF{p.x + o, p.y + o});
  if (closed && points.size() > 1) path.push_back(path.front());
  StrokeOnce([&](const SpanSink& ink) { WidePathSpans(path, Pen.width / 2.0, Rows(), ink); });
}

}  // namespace kestrova
