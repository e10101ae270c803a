#pragma once
// A clip region in canvas pixel coordinates, right and bottom edges excluded:
// a rectangle, an ellipse or a round rectangle, or where several of them
// overlap. Each row of such a region is one span of columns, worked out when
// asked, so a region costs the same whatever its size.

#include <vector>

#include "rendering/Geometry.h"
#include "rendering/Shape.h"

namespace kestrova {

class ClipRegion {
 public:
  static ClipRegion Rectangle(const TRect& r);
  // The ellipse inscribed in r.
  static ClipRegion Ellipse(const TRect& r);
  // A rectangle whose corners are quarter ellipses rx wide and ry high.
  static ClipRegion RoundRect(const TRect& r, int rx, int ry);

  // Rows [Top(), Bottom()) hold the region.
  int Top() const;
  int Bottom() const;
  // Columns [x0, x1) of row y inside the region; false when the row has none.
  bool Span(int y, int& x0, int& x1) const;
  bool Contains(int x, int y) const;
  ClipRegion Intersected(const ClipRegion& other) const;

 private:
  explicit ClipRegion(const Shape& shape) : shapes_{shape} {}

  // The region is what all of these share.
  std::vector<Shape> shapes_;
};

}  // namespace kestrova
