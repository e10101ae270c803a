#include "rendering/ClipRegion.h"

#include <algorithm>
#include <climits>

namespace kestrova {

ClipRegion ClipRegion::Rectangle(const TRect& r) { return ClipRegion(Shape(ShapeKind::skRectangle, r)); }

ClipRegion ClipRegion::Ellipse(const TRect& r) { return ClipRegion(Shape(ShapeKind::skEllipse, r)); }

ClipRegion ClipRegion::RoundRect(const TRect& r, int rx, int ry) {
  return ClipRegion(Shape(ShapeKind::skRoundRect, r, rx, ry));
}

ClipRegion ClipRegion::Of(Region region) { return Of(std::make_shared<const Region>(std::move(region))); }

ClipRegion ClipRegion::Of(std::shared_ptr<const Region> region) {
  ClipRegion clip;
  clip.region_ = std::move(region);
  return clip;
}

TRect ClipRegion::Bounds() const {
  TRect r = region_ ? region_->Bounds() : TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  for (const Shape& s : shapes_) {
    r.left = std::max(r.left, s.Box().left);
    r.top = std::max(r.top, s.Box().top);
    r.right = std::min(r.right, s.Box().right);
    r.bottom = std::min(r.bottom, s.Box().bottom);
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

bool ClipRegion::ShapeSpan(int y, int& x0, int& x1) const {
  for (const Shape& shape : shapes_) {
    int c0 = 0, c1 = 0;
    if (!shape.RowSpan(y, c0, c1)) return false;
    x0 = std::max(x0, c0);
    x1 = std::min(x1, c1);
  }
  return x0 < x1;
}

bool ClipRegion::Contains(int x, int y) const {
  bool inside = false;
  ForEachSpan(y, x, x + 1, [&](int, int) { inside = true; });
  return inside;
}

std::optional<ColumnSpan> ClipRegion::SpanFrom(int y, int x) const {
  int x0 = INT_MIN, x1 = INT_MAX;
  if (!shapes_.empty() && !ShapeSpan(y, x0, x1)) return std::nullopt;
  if (region_) {
    // The spans of a row are sorted and apart: the first one ending right of x.
    const std::span<const ColumnSpan> row = region_->Row(y);
    const int from = std::max(x, x0);
    const auto it = std::partition_point(row.begin(), row.end(), [&](const ColumnSpan& s) { return s.x1 <= from; });
    if (it == row.end()) return std::nullopt;
    x0 = std::max(x0, it->x0);
    x1 = std::min(x1, it->x1);
  }
  if (x0 >= x1 || x1 <= x) return std::nullopt;
  return ColumnSpan{x0, x1};
}

ClipRegion ClipRegion::Intersected(const ClipRegion& other) const {
  ClipRegion region = *this;
  region.shapes_.insert(region.shapes_.end(), other.shapes_.begin(), other.shapes_.end());
  if (other.region_)
    region.region_ = region_ ? std::make_shared<const Region>(region_->Combined(*other.region_, RegionOp::And))
                             : other.region_;
  return region;
}

}  // namespace kestrova
