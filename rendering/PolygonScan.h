#pragma once
// Filling polygons. By the alternate (even-odd) rule a pixel is inside when a
// ray from its centre crosses the outlines an odd number of times. Several
// polygons filled together punch holes into each other where they overlap.
// By the winding rule they punch holes only where they run opposite ways.
// Each row's spans come left to right, rows top to bottom.

#include <vector>

#include "rendering/FillRule.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

void PolygonSpans(const std::vector<std::vector<TPointF>>& polygons, FillRule rule, RowRange rows,
                  const SpanSink& sink);

inline void EvenOddSpans(const std::vector<std::vector<TPointF>>& polygons, RowRange rows, const SpanSink& sink) {
  PolygonSpans(polygons, FillRule::Alternate, rows, sink);
}

// The same by the winding rule: a pixel is inside when the outlines wind round
// its centre a non-zero number of times, so overlapping polygons of one
// orientation fill their union.
inline void WindingSpans(const std::vector<std::vector<TPointF>>& polygons, RowRange rows, const SpanSink& sink) {
  PolygonSpans(polygons, FillRule::Winding, rows, sink);
}

}  // namespace kestrova
