#pragma once
// Rectangles, round rectangles and ellipses as a pen outline around a brush
// inside. A one-pixel pen covers the shape's boundary pixels (those with a
// neighbour outside it, left, right, above or below). A pen w pixels wide
// covers the band between the shape grown by w/2 and the shape shrunk by
// (w+1)/2 (integer halves) on every side: odd widths are centred on the
// one-pixel outline, even ones on the edge of the box, one pixel more outside
// than inside. Bands of shapes one pixel apart therefore overlap without gaps.
// Pen band and inside never overlap and together cover the grown shape.

#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

enum class ShapeKind { skRectangle, skRoundRect, skEllipse };

class Shape {
 public:
  // The box is normalised; corner ellipses (round rectangles) are cornerW wide and cornerH high.
  Shape(ShapeKind kind, const TRect& box, int cornerW = 0, int cornerH = 0);

  const TRect& Box() const { return box_; }
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

// The band of a pen `penWidth` wide round the shape, and (when `inside` is
// given) what lies within it.
void OutlineSpans(const Shape& shape, int penWidth, RowRange rows, const SpanSink& pen, const SpanSink* inside);

}  // namespace kestrova
