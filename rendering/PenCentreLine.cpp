#include "rendering/PenCentreLine.h"

#include <algorithm>

#include "rendering/ArcGeometry.h"

namespace kestrova {

namespace {

// How far the centre line lies inside the box's edge.
double Inset(int width) { return width % 2 != 0 ? 0.5 : 0.0; }

// A quarter of the corner ellipse round `centre`, from the ray towards `from` to the ray towards `to`.
void AddCorner(std::vector<TPointF>& path, TPointF centre, double rx, double ry, TPointF from, TPointF to) {
  const ArcSweep sweep(centre, TPointF{centre.x + from.x, centre.y + from.y}, TPointF{centre.x + to.x, centre.y + to.y});
  const std::vector<TPointF> points = ArcPoints(centre, rx, ry, sweep, 1.0);
  path.insert(path.end(), points.begin(), points.end());
}

}  // namespace

PenEllipse PenEllipseOf(const TRect& box, int width) {
  const double inset = 2 * Inset(width);
  return PenEllipse{TPointF{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0}, (box.Width() - inset) / 2.0,
                    (box.Height() - inset) / 2.0};
}

std::vector<TPointF> ShapePenPath(const Shape& shape, int width) {
  const TRect& box = shape.Box();
  const double i = Inset(width);
  const double l = box.left + i, t = box.top + i, r = box.right - i, b = box.bottom - i;
  if (shape.Kind() == ShapeKind::skEllipse) {
    const PenEllipse e = PenEllipseOf(box, width);
    std::vector<TPointF> path = ArcPoints(e.centre, e.a, e.b, ArcSweep(e.centre, {r, e.centre.y}, {r, e.centre.y}), 1.0);
    path.pop_back();  // the last point closes the ring
    return path;
  }
  const double rx = shape.Kind() == ShapeKind::skRoundRect ? std::clamp(shape.CornerWidth() / 2.0 - i, 0.0, (r - l) / 2) : 0;
  const double ry = shape.Kind() == ShapeKind::skRoundRect ? std::clamp(shape.CornerHeight() / 2.0 - i, 0.0, (b - t) / 2) : 0;
  if (rx <= 0 || ry <= 0) return {{r, t}, {l, t}, {l, b}, {r, b}};
  std::vector<TPointF> path;
  AddCorner(path, {r - rx, t + ry}, rx, ry, {1, 0}, {0, -1});
  AddCorner(path, {l + rx, t + ry}, rx, ry, {0, -1}, {-1, 0});
  AddCorner(path, {l + rx, b - ry}, rx, ry, {-1, 0}, {0, 1});
  AddCorner(path, {r - rx, b - ry}, rx, ry, {0, 1}, {1, 0});
  return path;
}

}  // namespace kestrova
