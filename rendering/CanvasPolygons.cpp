#include <vector>

#include "rendering/Canvas.h"
#include "rendering/PolygonScan.h"

namespace kestrova {

namespace {

// Lattice points as the corners of the pixels they name: a polygon through
// (0, 0), (2, 0), (2, 2), (0, 2) fills the pixels 0..1 x 0..1.
std::vector<TPointF> Corners(std::span<const TPoint> points) {
  std::vector<TPointF> corners;
  corners.reserve(points.size());
  for (const TPoint& p : points) corners.push_back(TPointF{static_cast<double>(p.x), static_cast<double>(p.y)});
  return corners;
}

}  // namespace

void TCanvas::Polygon(std::span<const TPoint> points, FillRule rule) {
  if (points.empty()) return;
  if (BrushVisible()) PolygonSpans({Corners(points)}, rule, Rows(), BrushInk());
  PenPath(points, true);
}

void TCanvas::PolyPolygon(const std::vector<std::vector<TPoint>>& polygons, FillRule rule) {
  if (BrushVisible()) {
    std::vector<std::vector<TPointF>> corners;
    for (const auto& polygon : polygons) corners.push_back(Corners(polygon));
    PolygonSpans(corners, rule, Rows(), BrushInk());
  }
  for (const auto& polygon : polygons) PenPath(polygon, true);
}

}  // namespace kestrova
