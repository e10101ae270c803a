#include "rendering/ClipRegion.h"

#include <algorithm>

namespace kestrova {

ClipRegion ClipRegion::Rectangle(const TRect& r) { return ClipRegion(Shape(ShapeKind::skRectangle, r)); }

ClipRegion ClipRegion::Ellipse(const TRect& r) { return ClipRegion(Shape(ShapeKind::skEllipse, r)); }

ClipRegion ClipRegion::RoundRect(const TRect& r, int rx, int ry) {
  return ClipRegion(Shape(ShapeKind::skRoundRect, r, rx, ry));
}

int ClipRegion::Top() const {
  int top = shapes_.front().Box().top;
  for (const Shape& s : shapes_) top = std::max(top, s.Box().top);
  return top;
}

int ClipRegion::Bottom() const {
  int bottom = shapes_.front().Box().bottom;
  for (const Shape& s : shapes_) bottom = std::min(bottom, s.Box().bottom);
  return std::max(bottom, Top());
}

bool ClipRegion::Span(int y, int& x0, int& x1) const {
  int a = 0, b = 0;
  if (!shapes_.front().RowSpan(y, a, b)) return false;
  for (std::size_t i = 1; i < shapes_.size(); ++i) {
    int c0 = 0, c1 = 0;
    if (!shapes_[i].RowSpan(y, c0, c1)) return false;
    a = std::max(a, c0);
    b = std::min(b, c1);
  }
  if (a >= b) return false;
  x0 = a;
  x1 = b;
  return true;
}

bool ClipRegion::Contains(int x, int y) const {
  int x0 = 0, x1 = 0;
  return Span(y, x0, x1) && x >= x0 && x < x1;
}

ClipRegion ClipRegion::Intersected(const ClipRegion& other) const {
  ClipRegion region = *this;
  region.shapes_.insert(region.shapes_.end(), other.shapes_.begin(), other.shapes_.end());
  return region;
}

}  // namespace kestrova
