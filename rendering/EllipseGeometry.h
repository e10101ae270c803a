#pragma once
// Which pixels of a row lie inside the ellipse inscribed in a box: the one
// geometry shared by filled ellipses, elliptic clip regions and the corners of
// round rectangles, so that they all cover the same pixels.

#include "rendering/Geometry.h"

namespace kestrova {

// Columns [x0, x1) of row y inside the ellipse inscribed in `box` (right and
// bottom edges excluded); false when the row holds none.
bool EllipseRowSpan(const TRect& box, int y, int& x0, int& x1);

// The same for a rectangle whose corners are quarter ellipses w wide and h high.
bool RoundRectRowSpan(const TRect& box, int w, int h, int y, int& x0, int& x1);

}  // namespace kestrova
