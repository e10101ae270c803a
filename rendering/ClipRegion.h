#pragma once
// A clip region in canvas pixel coordinates, right and bottom edges excluded:
// a rectangle, an ellipse or a round rectangle, or where several of them
// overlap. Each row of such a region is one span of columns, worked out when
// asked, so a region costs the same whatever its size. A clip may also be any
// Region (several spans a row, held as bands), alone or overlapping shapes.

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "rendering/Geometry.h"
#include "rendering/Region.h"
#include "rendering/Shape.h"
#include "rendering/WorkBudget.h"

namespace kestrova {

class ClipRegion {
 public:
  static ClipRegion Rectangle(const TRect& r);
  // The ellipse inscribed in r.
  static ClipRegion Ellipse(const TRect& r);
  // A rectangle whose corners are quarter ellipses rx wide and ry high.
  static ClipRegion RoundRect(const TRect& r, int rx, int ry);
  // Any region; a region held already is shared, not copied.
  static ClipRegion Of(Region region);
  static ClipRegion Of(std::shared_ptr<const Region> region);

  // Rows [Top(), Bottom()) hold the region.
  int Top() const { return Bounds().top; }
  int Bottom() const { return Bounds().bottom; }
  // The rectangle every pixel of the region lies in (as large as an int
  // allows where nothing bounds it).
  TRect Bounds() const;
  // Calls visit(a, b) for each part [a, b) of columns [x0, x1) of row y that
  // lies inside the region, left to right; each part of a region's row
  // spends a span from the work budget (WorkBudget.h).
  template <typename Visit>
  void ForEachSpan(int y, int x0, int x1, Visit&& visit) const {
    if (!shapes_.empty() && !ShapeSpan(y, x0, x1)) return;
    if (!region_) {
      if (x0 < x1) visit(x0, x1);
      return;
    }
    for (const ColumnSpan& s : region_->Row(y)) {
      const int a = std::max(x0, s.x0), b = std::min(x1, s.x1);
      if (a < b) {
        WorkBudget::Spend(work::kSpan);
        visit(a, b);
      }
    }
  }
  bool Contains(int x, int y) const;
  // The first part [a, b) of row y inside the region that ends right of
  // column x (it may begin left of x); none when no part does.
  std::optional<ColumnSpan> SpanFrom(int y, int x) const;
  ClipRegion Intersected(const ClipRegion& other) const;

 private:
  ClipRegion() = default;
  explicit ClipRegion(const Shape& shape) : shapes_{shape} {}
  // Narrows [x0, x1) to the span all shapes share on row y; false when none.
  bool ShapeSpan(int y, int& x0, int& x1) const;

  // The region is what all of these share.
  std::vector<Shape> shapes_;
  std::shared_ptr<const Region> region_;
};

}  // namespace kestrova
