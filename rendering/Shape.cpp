#include "rendering/Shape.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "rendering/EllipseGeometry.h"

namespace kestrova {

namespace {

int Limited(std::int64_t v) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 29;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

TRect LimitedBox(const TRect& r) {
  return TRect{Limited(std::min(r.left, r.right)), Limited(std::min(r.top, r.bottom)),
               Limited(std::max(r.left, r.right)), Limited(std::max(r.top, r.bottom))};
}

}  // namespace

Shape::Shape(ShapeKind kind, const TRect& box, int cornerW, int cornerH)
    : kind_(kind),
      box_(LimitedBox(box)),
      cornerW_(Limited(std::abs(std::int64_t{cornerW}))),
      cornerH_(Limited(std::abs(std::int64_t{cornerH}))),
      empty_(box_.IsEmpty()) {}

bool Shape::RowSpan(int y, int& x0, int& x1) const {
  if (empty_ || y < box_.top || y >= box_.bottom) return false;
  switch (kind_) {
    case ShapeKind::skEllipse: return EllipseRowSpan(box_, y, x0, x1);
    case ShapeKind::skRoundRect: return RoundRectRowSpan(box_, cornerW_, cornerH_, y, x0, x1);
    case ShapeKind::skRectangle: break;
  }
  x0 = box_.left;
  x1 = box_.right;
  return true;
}

bool Shape::InteriorSpan(int y, int& x0, int& x1) const {
  int a0 = 0, a1 = 0, b0 = 0, b1 = 0;
  if (!RowSpan(y, x0, x1) || !RowSpan(y - 1, a0, a1) || !RowSpan(y + 1, b0, b1)) return false;
  x0 = std::max({x0 + 1, a0, b0});
  x1 = std::min({x1 - 1, a1, b1});
  return x0 < x1;
}

Shape Shape::Grown(int by) const {
  const TRect grown{Limited(std::int64_t{box_.left} - by), Limited(std::int64_t{box_.top} - by),
                    Limited(std::int64_t{box_.right} + by), Limited(std::int64_t{box_.bottom} + by)};
  Shape result(kind_, grown, Limited(std::int64_t{cornerW_} + 2 * std::int64_t{by}),
               Limited(std::int64_t{cornerH_} + 2 * std::int64_t{by}));
  // Shrunk past its own size the shape is gone (not turned inside out).
  result.empty_ = empty_ || grown.right <= grown.left || grown.bottom <= grown.top;
  return result;
}

void ShapeSpans(const Shape& shape, RowRange rows, const SpanSink& sink) {
  const int first = std::max(rows.first, shape.Box().top), last = std::min(rows.last, shape.Box().bottom);
  for (int y = first; y < last; ++y) {
    int x0 = 0, x1 = 0;
    if (shape.RowSpan(y, x0, x1)) sink(y, x0, x1);
  }
}

}  // namespace kestrova
