#include "rendering/GlyphOutline.h"

#include FT_OUTLINE_H

namespace kestrova {

namespace {

struct Walk {
  Path& path;
  TPointF pen;
  TPointF last;

  TPointF Canvas(const FT_Vector* v) const { return TPointF{pen.x + v->x / 64.0, pen.y - v->y / 64.0}; }
};

Walk& Of(void* user) { return *static_cast<Walk*>(user); }

int MoveTo(const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  // A contour ends where the next one starts; its closing line is implied.
  w.path.CloseFigure();
  w.last = w.Canvas(to);
  w.path.MoveTo(w.last);
  return 0;
}

int LineTo(const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  w.last = w.Canvas(to);
  w.path.LineTo(w.last);
  return 0;
}

// A quadratic curve as the cubic that traces it.
int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  const TPointF q = w.Canvas(control), end = w.Canvas(to);
  const TPointF c1{w.last.x + 2 * (q.x - w.last.x) / 3, w.last.y + 2 * (q.y - w.last.y) / 3};
  const TPointF c2{end.x + 2 * (q.x - end.x) / 3, end.y + 2 * (q.y - end.y) / 3};
  w.path.BezierTo(c1, c2, end);
  w.last = end;
  return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
  Walk& w = Of(user);
  w.last = w.Canvas(to);
  w.path.BezierTo(w.Canvas(control1), w.Canvas(control2), w.last);
  return 0;
}

}  // namespace

void AppendGlyphOutline(Path& path, const FT_Outline& outline, TPointF pen) {
  static const FT_Outline_Funcs kFuncs{MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
  Walk walk{path, pen, pen};
  FT_Outline_Decompose(const_cast<FT_Outline*>(&outline), &kFuncs, &walk);
  path.CloseFigure();
}

}  // namespace kestrova
