#pragma once
// Which pixels a pen covers along lines and paths.
//
// A one-pixel pen steps from pixel to pixel (the end point left out). A wider
// pen covers the pixels whose centres lie within half its width of the line,
// with round ends, so that consecutive segments join without gaps. Its centre
// line runs through pixel centres for odd widths and through pixel corners
// for even ones; either way a pen of width w on row y covers the rows
// y - w/2 .. y - w/2 + w - 1 (integer halves), like the outlines of shapes.

#include <vector>

#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

// Offset of a pen's centre line from the integer coordinates it is given.
double PenCentreOffset(int width);

// A one-pixel line from `from` towards `to`, leaving out `to`; only pixels
// inside `bounds` are reported, and only they cost work.
void ThinLineSpans(TPoint from, TPoint to, const TRect& bounds, const SpanSink& sink);

// Pixels whose centres lie within `radius` of the segment a-b (a capsule).
void CapsuleSpans(TPointF a, TPointF b, double radius, RowRange rows, const SpanSink& sink);

// A wide pen along a path of centre-line points (a single point gives a dot).
void WidePathSpans(const std::vector<TPointF>& path, double radius, RowRange rows, const SpanSink& sink);

// One line of a pen `width` pixels wide from `from` to `to`.
void PenSegmentSpans(TPoint from, TPoint to, int width, const TRect& bounds, const SpanSink& sink);

}  // namespace kestrova
