#pragma once
// The closed shapes the canvas draws and clips to: rectangles, round
// rectangles and ellipses, each inscribed in a box whose right and bottom
// edges are excluded. A shape answers row by row which columns it covers.
// Coordinates are limited to +-2^29, far beyond any bitmap, so that no sum
// of them overflows.

#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

enum class ShapeKind { skRectangle, skRoundRect, skEllipse };

class Shape {
 public:
  // The box is normalised; corner ellipses (round rectangles) are cornerW wide
  // and cornerH high, whatever the signs.
  Shape(ShapeKind kind, const TRect& box, int cornerW = 0, int cornerH = 0);

  const TRect& Box() const { return box_; }
  ShapeKind Kind() const { return kind_; }
  int CornerWidth() const { return cornerW_; }
  int CornerHeight() const { return cornerH_; }
  bool IsEmpty() const { return empty_; }
  // Columns [x0, x1) of row y inside the shape; false when none.
  bool RowSpan(int y, int& x0, int& x1) const;
  // The pixels of row y whose four neighbours all lie inside; false when none.
  bool InteriorSpan(int y, int& x0, int& x1) const;
  // The shape grown by `by` pixels on every side (shrunk when negative); corner
  // ellipses grow by twice that.
  Shape Grown(int by) const;

 private:
  ShapeKind kind_;
  TRect box_;
  int cornerW_ = 0, cornerH_ = 0;
  bool empty_ = false;
};

// Every pixel of the shape.
void ShapeSpans(const Shape& shape, RowRange rows, const SpanSink& sink);

}  // namespace kestrova
