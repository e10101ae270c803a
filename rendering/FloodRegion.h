#pragma once
// The pixels a flood fill reaches: from its start, step by step to the pixel
// left, right, above or below (never across a corner), over the pixels that
// are not of the border colour (fsBorder) or that are of the surface colour
// (fsSurface), colours compared as the bitmap stores them (the nearest
// palette entry, the 15- or 16-bit word). Only pixels inside the clip are
// looked at: the fill never passes through a part the clip leaves out.
//
// The fill is found a run of a row at a time, each run looked at once with
// the rows above and below it, so its cost follows the pixels it reaches.

#include "rendering/Bitmap.h"
#include "rendering/ClipRegion.h"
#include "rendering/Geometry.h"
#include "rendering/Region.h"

namespace kestrova {

enum class FloodStyle { fsBorder, fsSurface };

// The region reached from `start`; empty when the start itself lies outside
// the bitmap or the clip (when given) or is not a pixel the fill reaches.
Region FloodRegion(const Bitmap& bitmap, TPoint start, TColor colour, FloodStyle style, const ClipRegion* clip);

}  // namespace kestrova
