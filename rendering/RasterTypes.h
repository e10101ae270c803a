#pragma once
// The vocabulary the rasterisers share. Shapes are described in continuous
// coordinates in which pixel (x, y) covers [x, x + 1) x [y, y + 1); a pixel
// belongs to a shape when its centre (x + 0.5, y + 0.5) does. The rasterisers
// hand over what they cover row by row, as spans of columns.

#include <functional>
#include <initializer_list>

#include "rendering/Geometry.h"

namespace kestrova {

struct TPointF {
  double x = 0;
  double y = 0;
};

// Receives the columns [x0, x1) of row y that a shape covers.
using SpanSink = std::function<void(int y, int x0, int x1)>;

// Rows [first, last) a rasteriser walks; rows outside are never reported.
struct RowRange {
  int first = 0;
  int last = 0;
};

// First column whose pixel centre lies at or right of the continuous x.
int FirstPixelAtOrAfter(double x);
// The column (or row) whose pixel holds the continuous coordinate v.
int PixelContaining(double v);

// True when the points all lie beyond one edge of the area (all left of it,
// all right of it, all above or all below it).
bool AllBeyond(const TRect& area, std::initializer_list<TPointF> points);

}  // namespace kestrova
