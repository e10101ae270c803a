#pragma once
// The outline of a wide pen along a polyline: one polygon per segment, one per
// corner (its join) and one per open end (its cap), all turning the same way,
// so that filling them together by the winding rule paints the stroke once.

#include <vector>

#include "rendering/DrawingTools.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

struct StrokeStyle {
  double width = 1;
  PenEndCap cap = PenEndCap::pcRound;
  PenJoin join = PenJoin::pjRound;
  double miterLimit = 10;
};

// The polygons of a pen of the given style along the centre line `path`; a
// closed path joins its last point back to its first and has no ends.
std::vector<std::vector<TPointF>> StrokeOutline(const std::vector<TPointF>& path, bool closed, const StrokeStyle& style);

}  // namespace kestrova
