#include "rendering/Canvas.h"
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

void TCanvas::PaintShape(const Shape& shape) {
  if (shape.IsEmpty()) return;
  if (!PenVisible()) {
    if (BrushVisible()) ShapeSpans(shape, Rows(), Ink(Brush.color));
    return;
  }
  const SpanSink brush = Ink(Brush.color);
  OutlineSpans(shape, Pen.width, Rows(), Ink(Pen.color), BrushVisible() ? &brush : nullptr);
}

}  // namespace kestrova
