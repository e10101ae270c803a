#pragma once
// A shape drawn as a pen outline round a brush inside. A one-pixel pen covers
// the shape's boundary pixels (those with a neighbour outside it, left, right,
// above or below). A pen w pixels wide covers the band between the shape grown
// by w/2 and the shape shrunk by (w+1)/2 (integer halves) on every side: odd
// widths are centred on the one-pixel outline, even ones on the edge of the
// box, one pixel more outside than inside. Bands of shapes one pixel apart
// therefore overlap without gaps. Pen band and inside never overlap and
// together cover the grown shape.

#include "rendering/RasterTypes.h"
#include "rendering/Shape.h"

namespace kestrova {

// The band of a pen `penWidth` wide round the shape, and (when `inside` is
// given) what lies within it.
void OutlineSpans(const Shape& shape, int penWidth, RowRange rows, const SpanSink& pen, const SpanSink* inside);

}  // namespace kestrova
