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

int ClipRegion::Top() const {
  int top = region_ ? region_->Bounds().top : INT_MIN;
  for (const Shape& s : shapes_) top = std::max(top, s.Box().top);
  return top;
}

int ClipRegion::Bottom() const {
  int bottom = region_ ? region_->Bounds().bottom : INT_MAX;
  for (const Shape& s : shapes_) bottom = std::min(bottom, s.Box().bottom);
  return std::max(bottom, Top());
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

ClipRegion ClipRegion::Intersected(const ClipRegion& other) const {
  ClipRegion region = *this;
  region.shapes_.insert(region.shapes_.end(), other.shapes_.begin(), other.shapes_.end());
  if (other.region_)
    region.region_ = region_ ? std::make_shared<const Region>(region_->Combined(*other.region_, RegionOp::And))
                             : other.region_;
  return region;
}

}  // namespace kestrova
