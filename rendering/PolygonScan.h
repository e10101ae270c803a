#pragma once
// Filling polygons. By the alternate (even-odd) rule a pixel is inside when a
// ray from its centre crosses the outlines an odd number of times. Several
// polygons filled together punch holes into each other where they overlap.

#include <vector>

#include "rendering/RasterTypes.h"

namespace kestrova {

void EvenOddSpans(const std::vector<std::vector<TPointF>>& polygons, RowRange rows, const SpanSink& sink);

// The same by the winding rule: a pixel is inside when the outlines wind round
// its centre a non-zero number of times, so overlapping polygons of one
// orientation fill their union.
void WindingSpans(const std::vector<std::vector<TPointF>>& polygons, RowRange rows, const SpanSink& sink);

}  // namespace kestrova
