#pragma once
// A clip region in canvas pixel coordinates: per row, one span of columns.
// Rectangles, ellipses and round rectangles (the only regions the program
// makes) have one span per row; right and bottom edges are excluded.

#include <vector>

#include "rendering/Geometry.h"

namespace kestrova {

class ClipRegion {
 public:
  static ClipRegion Rectangle(const TRect& r);
  // The ellipse inscribed in r.
  static ClipRegion Ellipse(const TRect& r);
  // A rectangle whose corners are quarter ellipses rx wide and ry high.
  static ClipRegion RoundRect(const TRect& r, int rx, int ry);

  int Top() const { return top_; }
  int Bottom() const { return top_ + static_cast<int>(spans_.size()); }
  // Columns [x0, x1) of row y inside the region; false when the row has none.
  bool Span(int y, int& x0, int& x1) const;
  bool Contains(int x, int y) const;
  ClipRegion Intersected(const ClipRegion& other) const;

 private:
  struct RowSpan {
    int x0 = 0;
    int x1 = 0;
  };
  int top_ = 0;
  std::vector<RowSpan> spans_;
};

}  // namespace kestrova
