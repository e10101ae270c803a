#pragma once
// A path widened by a pen: the outline of what stroking the path covers,
// as a path of its own that can be filled, stroked or made a clip region.
// The outline follows the pixels the canvas's pen covers along the path
// (its width, dashes, end caps, joins and miter limit), one rectangle for
// each band of equal rows, so that filling it by either rule paints those
// pixels.

#include "rendering/Canvas.h"
#include "rendering/Path.h"

namespace kestrova {

// The path widened by the canvas's pen, within the canvas's bitmap (what
// lies outside it is left out). The gaps of a dashed pen are left out too.
Path WidenedPath(const Path& path, const TCanvas& canvas);

}  // namespace kestrova
