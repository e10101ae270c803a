#include "rendering/GlyphOutline.h"

#include FT_OUTLINE_H

namespace kestrova {

namespace {

struct Walk {
  Path& path;
  TPointF pen;
  // The last point reached and where the contour started.
  TPointF last, start;
  // A line back to the start, left out when the contour ends there (the
  // figure is closed anyway).
  bool closingLine = false;

  TPointF Canvas(const FT_Vector* v) const { return TPointF{pen.x + v->x / 64.0, pen.y - v->y / 64.0}; }
  void Flush() {
    if (closingLine) path.LineTo(start);
    closingLine = false;
  }
  void EndContour() {
    closingLine = false;
    path.CloseFigure();
  }
};

Walk& Of(void* user) { return *static_cast<Walk*>(user); }

int MoveTo(const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  w.EndContour();
  w.start = w.last = w.Canvas(to);
  w.path.MoveTo(w.last);
  return 0;
}

int LineTo(const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  w.Flush();
  w.last = w.Canvas(to);
  if (w.last.x == w.start.x && w.last.y == w.start.y)
    w.closingLine = true;
  else
    w.path.LineTo(w.last);
  return 0;
}

// A quadratic curve as the cubic that traces it.
int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  w.Flush();
  const TPointF q = w.Canvas(control), end = w.Canvas(to);
  const TPointF c1{w.last.x + 2 * (q.x - w.last.x) / 3, w.last.y + 2 * (q.y - w.last.y) / 3};
  const TPointF c2{end.x + 2 * (q.x - end.x) / 3, end.y + 2 * (q.y - end.y) / 3};
  w.path.BezierTo(c1, c2, end);
  w.last = end;
  return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  w.Flush();
  w.last = w.Canvas(to);
  w.path.BezierTo(w.Canvas(control1), w.Canvas(control2), w.last);
  return 0;
}

}  // namespace

void AppendGlyphOutline(Path& path, const FT_Outline& outline, TPointF pen) {
  static const FT_Outline_Funcs kFuncs{MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
  Walk walk{path, pen, pen, pen};
  FT_Outline_Decompose(const_cast<FT_Outline*>(&outline), &kFuncs, &walk);
  walk.EndContour();
}

}  // namespace kestrova
