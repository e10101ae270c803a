#include "rendering/Path.h"

#include <algorithm>
#include <initializer_list>

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

namespace {

// True when the four points all lie beyond one edge of the area.
bool AllBeyond(const TRect& area, std::initializer_list<TPointF> points) {
  const auto all = [&](auto beyond) { return std::all_of(points.begin(), points.end(), beyond); };
  return all([&](TPointF p) { return p.x < area.left; }) || all([&](TPointF p) { return p.x > area.right; }) ||
         all([&](TPointF p) { return p.y < area.top; }) || all([&](TPointF p) { return p.y > area.bottom; });
}

}  // namespace

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

std::vector<std::vector<TPointF>> Path::Outlines() const {
  std::vector<std::vector<TPointF>> outlines;
  outlines.reserve(figures_.size());
  for (const Figure& f : figures_) outlines.push_back(f.points);
  return outlines;
}

Region Path::Filled(FillRule rule, RowRange rows) const { return Region::FromPolygons(Outlines(), rule, rows); }

}  // namespace kestrova
