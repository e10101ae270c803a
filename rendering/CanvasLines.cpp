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
    PenPath(line, false);
    return;
  }
  PenSegmentSpans(from, PenPos, Pen.width, Bounds(), PenInk());
}

void TCanvas::Polyline(std::span<const TPoint> points) { PenPath(points, false); }

void TCanvas::PolylineClosed(std::span<const TPoint> points) { PenPath(points, true); }

}  // namespace kestrova
