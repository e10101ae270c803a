#pragma once
// Which pixels a pen covers along lines and paths.
//
// A one-pixel pen steps from pixel to pixel (the end point left out). A wider
// pen covers the pixels whose centres lie within half its width of the line,
// with round ends, so that consecutive segments join without gaps. Its centre
// line runs through pixel centres for odd widths and through pixel corners
// for even ones; either way a pen of width w on row y covers the rows
// y - w/2 .. y - w/2 + w - 1 (integer halves), like the outlines of shapes.

#include <cstdint>
#include <vector>

#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

// Offset of a pen's centre line from the integer coordinates it is given.
double PenCentreOffset(int width);

// A one-pixel line from `from` towards `to`, leaving out `to`; only pixels
// inside `bounds` are reported, and only they cost work.
void ThinLineSpans(TPoint from, TPoint to, const TRect& bounds, const SpanSink& sink);

// The pixels of that line one by one: pixel(step, x, y), the step counted from
// `from` (step 0), for the steps whose major coordinate lies inside `bounds`.
template <typename Pixel>
void ForEachThinLinePixel(TPoint from, TPoint to, const TRect& bounds, Pixel pixel) {
  const std::int64_t dx = std::int64_t{to.x} - from.x, dy = std::int64_t{to.y} - from.y;
  if (dx == 0 && dy == 0) return;
  const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t steps = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
  const std::int64_t minor = xMajor ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
  const std::int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t minorStep = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const std::int64_t majorStart = xMajor ? from.x : from.y, minorStart = xMajor ? from.y : from.x;
  const std::int64_t lo = xMajor ? bounds.left : bounds.top, hi = xMajor ? bounds.right : bounds.bottom;
  std::int64_t k0 = majorStep > 0 ? lo - majorStart : majorStart - hi + 1;
  std::int64_t k1 = majorStep > 0 ? hi - majorStart : majorStart - lo + 1;
  k0 = k0 < 0 ? 0 : k0;
  k1 = k1 > steps ? steps : k1;
  for (std::int64_t k = k0; k < k1; ++k) {
    // The minor offset rounded to the nearest step (halves away from the start).
    const auto m = static_cast<std::int64_t>((__int128{2} * k * minor + steps) / (__int128{2} * steps));
    const std::int64_t major = majorStart + majorStep * k, minorPos = minorStart + minorStep * m;
    if (xMajor)
      pixel(k, major, minorPos);
    else
      pixel(k, minorPos, major);
  }
}

// The number of pixels that line covers (its steps).
std::int64_t ThinLineSteps(TPoint from, TPoint to);

// Pixels whose centres lie within `radius` of the segment a-b (a capsule).
void CapsuleSpans(TPointF a, TPointF b, double radius, RowRange rows, const SpanSink& sink);

// A wide pen along a path of centre-line points (a single point gives a dot).
void WidePathSpans(const std::vector<TPointF>& path, double radius, RowRange rows, const SpanSink& sink);

// One line of a pen `width` pixels wide from `from` to `to`.
void PenSegmentSpans(TPoint from, TPoint to, int width, const TRect& bounds, const SpanSink& sink);

}  // namespace kestrova
