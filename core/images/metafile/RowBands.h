#pragma once
// A box of the canvas taken a band of rows at a time, so that the pixels
// made for it (a resampled copy, a shading) never take a bitmap as large as
// the box: a record drawing across the whole picture holds the picture and
// one band, not a second picture.

#include <algorithm>

#include "rendering/Geometry.h"

namespace kestrova {

inline constexpr int kRowBandHeight = 64;

// Calls each(band) for the bands of the box, top to bottom.
template <typename Each>
void ForEachRowBand(const TRect& box, Each&& each) {
  for (int top = box.top; top < box.bottom; top += std::min(kRowBandHeight, box.bottom - top))
    each(TRect{box.left, top, box.right, std::min(box.bottom, top + kRowBandHeight)});
}

}  // namespace kestrova
