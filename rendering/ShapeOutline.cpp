#include "rendering/ShapeOutline.h"

#include <algorithm>
#include <cstdint>

namespace kestrova {

void OutlineSpans(const Shape& shape, int penWidth, RowRange rows, const SpanSink& pen, const SpanSink* inside) {
  const int w = std::max(1, penWidth);
  const Shape outer = shape.Grown(w / 2);
  const Shape inner = shape.Grown(-static_cast<int>((std::int64_t{w} + 1) / 2));
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
