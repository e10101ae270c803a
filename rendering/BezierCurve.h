#pragma once
// Cubic Bezier curves flattened into lines.

#include <vector>

#include "rendering/RasterTypes.h"

namespace kestrova {

// Appends the points of the curve from p0 (left out) through the control
// points c1 and c2 to p3 (included), close enough that no point of the curve
// lies more than about a quarter of a unit from the lines.
void AppendBezier(std::vector<TPointF>& out, TPointF p0, TPointF c1, TPointF c2, TPointF p3);

}  // namespace kestrova
