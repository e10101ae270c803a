#include "rendering/ShapeOutline.h"

#include <algorithm>
#include <cstdint>

#include "rendering/EllipseGeometry.h"

namespace kestrova {

namespace {

// Coordinates are kept well inside the int range so that growing never overflows.
int Clamped(std::int64_t v) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 30;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

}  // namespace

Shape::Shape(ShapeKind kind, const TRect& box, int cornerW, int cornerH)
    : kind_(kind),
      box_{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
           std::max(box.top, box.bottom)},
      cornerW_(std::max(0, cornerW)),
      cornerH_(std::max(0, cornerH)),
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
  const TRect grown{Clamped(std::int64_t{box_.left} - by), Clamped(std::int64_t{box_.top} - by),
                    Clamped(std::int64_t{box_.right} + by), Clamped(std::int64_t{box_.bottom} + by)};
  Shape result(kind_, grown, Clamped(std::int64_t{cornerW_} + 2 * std::int64_t{by}),
               Clamped(std::int64_t{cornerH_} + 2 * std::int64_t{by}));
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

void OutlineSpans(const Shape& shape, int penWidth, RowRange rows, const SpanSink& pen, const SpanSink* inside) {
  const int w = std::max(1, penWidth);
  const Shape outer = shape.Grown(w / 2);
  const Shape inner = shape.Grown(-((w + 1) / 2));
  const int first = std::max(rows.first, outer.Box().top), last = std::min(rows.last, outer.Box().bottom);
  for (int y = first; y < last; ++y) {
    int o0 = 0, o1 = 0, i0 = 0, i1 = 0;
    if (!outer.RowSpan(y, o0, o1)) continue;
    // A one-pixel pen keeps to the boundary pixels, so that the outline is thin.
    bool hasInside = w == 1 ? shape.InteriorSpan(y, i0, i1) : inner.RowSpan(y, i0, i1);
    if (hasInside) {
      i0 = std::max(i0, o0);
      i1 = std::min(i1, o1);
      hasInside = i0 < i1;
    }
    if (!hasInside) {
      pen(y, o0, o1);
      continue;
    }
    if (o0 < i0) pen(y, o0, i0);
    if (inside) (*inside)(y, i0, i1);
    if (i1 < o1) pen(y, i1, o1);
  }
}

}  // namespace kestrova
