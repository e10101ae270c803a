#include "rendering/ClipRegion.h"

#include <algorithm>

#include "rendering/EllipseGeometry.h"

namespace kestrova {


ClipRegion ClipRegion::Rectangle(const TRect& r) {
  ClipRegion region;
  region.top_ = std::min(r.top, r.bottom);
  const int rows = std::abs(r.bottom - r.top);
  const int x0 = std::min(r.left, r.right), x1 = std::max(r.left, r.right);
  region.spans_.assign(rows, RowSpan{x0, x1});
  return region;
}

ClipRegion ClipRegion::Ellipse(const TRect& r) {
  ClipRegion region;
  region.top_ = std::min(r.top, r.bottom);
  const int rows = std::abs(r.bottom - r.top);
  region.spans_.resize(rows);
  for (int i = 0; i < rows; ++i) {
    RowSpan& s = region.spans_[i];
    if (!EllipseRowSpan(r, region.top_ + i, s.x0, s.x1)) s = RowSpan{};
  }
  return region;
}

ClipRegion ClipRegion::RoundRect(const TRect& r, int rx, int ry) {
  ClipRegion region;
  region.top_ = std::min(r.top, r.bottom);
  const int rows = std::abs(r.bottom - r.top);
  region.spans_.resize(rows);
  for (int i = 0; i < rows; ++i) {
    RowSpan& s = region.spans_[i];
    if (!RoundRectRowSpan(r, rx, ry, region.top_ + i, s.x0, s.x1)) s = RowSpan{};
  }
  return region;
}

bool ClipRegion::Span(int y, int& x0, int& x1) const {
  if (y < top_ || y >= Bottom()) return false;
  const RowSpan& s = spans_[y - top_];
  if (s.x0 >= s.x1) return false;
  x0 = s.x0;
  x1 = s.x1;
  return true;
}

bool ClipRegion::Contains(int x, int y) const {
  int x0 = 0, x1 = 0;
  return Span(y, x0, x1) && x >= x0 && x < x1;
}

ClipRegion ClipRegion::Intersected(const ClipRegion& other) const {
  ClipRegion region;
  region.top_ = std::max(top_, other.top_);
  const int bottom = std::min(Bottom(), other.Bottom());
  for (int y = region.top_; y < bottom; ++y) {
    int a0 = 0, a1 = 0, b0 = 0, b1 = 0;
    RowSpan s;
    if (Span(y, a0, a1) && other.Span(y, b0, b1)) s = RowSpan{std::max(a0, b0), std::min(a1, b1)};
    region.spans_.push_back(s);
  }
  return region;
}

}  // namespace kestrova
