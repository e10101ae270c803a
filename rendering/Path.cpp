#include "rendering/Path.h"

#include <algorithm>

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
  if (curvePoints_ >= kMaxCurvePoints || (reach_ && AllBeyond(*reach_, {current_, c1, c2, end}))) {
    figure.points.push_back(end);
  } else {
    const std::size_t before = figure.points.size();
    AppendBezier(figure.points, current_, c1, c2, end);
    curvePoints_ += figure.points.size() - before;
  }
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

bool Path::TakeFlattened(std::size_t count) {
  if (count > kMaxCurvePoints - std::min(curvePoints_, kMaxCurvePoints)) {
    curvePoints_ = kMaxCurvePoints;  // what does not fit ends the flattening
    return false;
  }
  curvePoints_ += count;
  return true;
}

bool Path::AddFlattenedFigure(std::vector<TPointF> points, bool closed) {
  if (!TakeFlattened(points.size())) return false;
  AddFigure(std::move(points), closed);
  return true;
}

bool Path::AddFlattenedLines(const std::vector<TPointF>& points) {
  if (!TakeFlattened(points.size())) return false;
  for (const TPointF& p : points) LineTo(p);
  return true;
}

std::vector<std::vector<TPointF>> Path::Outlines() const {
  std::vector<std::vector<TPointF>> outlines;
  outlines.reserve(figures_.size());
  for (const Figure& f : figures_) outlines.push_back(f.points);
  return outlines;
}

Region Path::Filled(FillRule rule, RowRange rows) const {
  if (!reach_) return Region::FromPolygons(Outlines(), rule, rows);
  return Region::FromPolygons(Outlines(), rule, TRect{reach_->left, rows.first, reach_->right, rows.last});
}

}  // namespace kestrova
