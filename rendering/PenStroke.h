#pragma once
// The outline of a wide pen along a polyline: one polygon per segment, one per
// corner (its join) and one per open end (its cap), each convex and all
// turning the same way, so that filling them together by the winding rule,
// or in groups whose fills are joined, paints the stroke once.

#include <functional>
#include <vector>

#include "rendering/DashPattern.h"
#include "rendering/DrawingTools.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

struct StrokeStyle {
  double width = 1;
  PenEndCap cap = PenEndCap::pcRound;
  PenJoin join = PenJoin::pjRound;
  double miterLimit = 10;
};

// Hands the polygons of a pen of the given style along the centre line
// `path` to `polygon` one by one; a closed path joins its last point back to
// its first and has no ends. Round ends and corners wholly outside `area`
// are left out: they cannot reach it.
void StrokePolygons(const std::vector<TPointF>& path, bool closed, const StrokeStyle& style, const DashArea& area,
                    const std::function<void(std::vector<TPointF>&& polygon)>& polygon);

}  // namespace kestrova
