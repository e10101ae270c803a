#include "rendering/Path.h"

#include "rendering/BezierCurve.h"

namespace kestrova {

void Path::MoveTo(TPointF p) {
  current_ = p;
  drawing_ = false;
}

Path::Figure& Path::OpenFigure() {
  if (!drawing_) {
    figures_.push_back(Figure{{current_}, false});
    drawing_ = true;
  }
  return figures_.back();
}

void Path::LineTo(TPointF p) {
  OpenFigure().points.push_back(p);
  current_ = p;
}

void Path::BezierTo(TPointF c1, TPointF c2, TPointF end) {
  Figure& figure = OpenFigure();
  AppendBezier(figure.points, current_, c1, c2, end);
  current_ = end;
}

void Path::CloseFigure() {
  if (!drawing_) return;
  figures_.back().closed = true;
  drawing_ = false;
}

void Path::AddFigure(std::vector<TPointF> points, bool closed) {
  if (points.empty()) return;
  current_ = points.back();
  figures_.push_back(Figure{std::move(points), closed});
  drawing_ = !closed;
}

std::vector<std::vector<TPointF>> Path::Outlines() const {
  std::vector<std::vector<TPointF>> outlines;
  outlines.reserve(figures_.size());
  for (const Figure& f : figures_) outlines.push_back(f.points);
  return outlines;
}

Region Path::Filled(FillRule rule, RowRange rows) const { return Region::FromPolygons(Outlines(), rule, rows); }

}  // namespace kestrova
