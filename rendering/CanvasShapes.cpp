#include "rendering/Canvas.h"
#include "rendering/PenCentreLine.h"
#include "rendering/ShapeOutline.h"

namespace kestrova {

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  PaintShape(Shape(ShapeKind::skRectangle, TRect{x1, y1, x2, y2}));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  PaintShape(Shape(ShapeKind::skRoundRect, TRect{x1, y1, x2, y2}, w, h));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  PaintShape(Shape(ShapeKind::skEllipse, TRect{x1, y1, x2, y2}));
}

void TCanvas::PaintShape(const Shape& drawn) {
  // An inside-frame pen keeps to the box: the shape its band is centred on shrinks.
  const Shape shape = Pen.insideFrame && PenVisible() && Pen.width > 1 ? drawn.Grown(-(Pen.width / 2)) : drawn;
  if (shape.IsEmpty()) return;
  if (PenVisible() && PenNeedsOutline()) {
    if (BrushVisible()) ShapeSpans(shape, Rows(), BrushInk());
    OutlinedPenPath(ShapePenPath(shape, Pen.width), true);
    return;
  }
  if (!PenVisible()) {
    if (BrushVisible()) ShapeSpans(shape, Rows(), BrushInk());
    return;
  }
  const SpanSink brush = BrushInk();
  OutlineSpans(shape, Pen.width, Rows(), PenInk(), BrushVisible() ? &brush : nullptr);
}

}  // namespace kestrova
