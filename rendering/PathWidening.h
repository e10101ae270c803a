#pragma once
// A path widened by a pen: the outline of what stroking the path covers,
// as a path of its own that can be filled, stroked or made a clip region.
// The outline follows the pixels a round pen of the width covers, one
// rectangle for each band of equal rows, so that filling it by either rule
// paints those pixels.

#include "rendering/Geometry.h"
#include "rendering/Path.h"

namespace kestrova {

// The widened path within `area` (what lies outside it is left out); a pen
// of width 0 or 1 covers the pixels of a thin line.
Path WidenedPath(const Path& path, int penWidth, const TRect& area);

}  // namespace kestrova
