#pragma once
// The line a pen's centre follows round a shape, so that dashed and outlined
// pens cover what a solid pen of the same width covers: through the centres
// of the pixels on the one-pixel outline for odd widths, along the box's edge
// for even ones.

#include <vector>

#include "rendering/RasterTypes.h"
#include "rendering/Shape.h"

namespace kestrova {

// The ellipse a pen `width` wide is centred on, for the ellipse inscribed in `box`.
struct PenEllipse {
  TPointF centre;
  double a = 0, b = 0;
};
PenEllipse PenEllipseOf(const TRect& box, int width);

// The closed centre line round a shape, turning counter-clockwise on the screen.
std::vector<TPointF> ShapePenPath(const Shape& shape, int width);

}  // namespace kestrova
