// The metafile device's curves, figures and paths.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/images/metafile/MetafileDevice.h"
#include "rendering/PathWidening.h"

namespace kestrova {

namespace {

TPointF CentreOf(const TRect& box) { return TPointF{(double(box.left) + box.right) / 2, (double(box.top) + box.bottom) / 2}; }

TPointF Logical(TPoint p) { return TPointF{double(p.x), double(p.y)}; }

// Points of a curve at most this many, whatever its size.
constexpr double kMaxArcPoints = 1 << 16;

}  // namespace

// ---------------------------------------------------------------- figures

double MetafileDevice::LogicalStep() const {
  const double scale = std::max(ScaleX(), ScaleY());
  return scale > 0 && std::isfinite(scale) ? 1 / scale : 1.0;
}

std::vector<TPointF> MetafileDevice::Mapped(const std::vector<TPointF>& logical) const {
  const AffineTransform m = Mapping();
  std::vector<TPointF> out;
  out.reserve(logical.size());
  for (const TPointF& p : logical) out.push_back(m.Apply(p));
  return out;
}

std::vector<TPointF> MetafileDevice::RectFigure(const TRect& box) const {
  return Mapped({Logical({box.left, box.top}), Logical({box.right, box.top}), Logical({box.right, box.bottom}),
                 Logical({box.left, box.bottom})});
}

std::vector<TPointF> MetafileDevice::EllipseFigure(const TRect& box) const {
  const TPointF c = CentreOf(box);
  const double a = std::abs(box.Width64()) / 2.0, b = std::abs(box.Height64()) / 2.0;
  const ArcSweep whole(c, TPointF{c.x + 1, c.y}, TPointF{c.x + 1, c.y});
  return ArcPointsWithin(c, a, b, ArcStepsOf(a, b, whole, LogicalStep()), Mapping(), Reach());
}

std::vector<TPointF> MetafileDevice::RoundRectFigure(const TRect& box, int cornerWidth, int cornerHeight) const {
  const double left = std::min(box.left, box.right), right = std::max(box.left, box.right);
  const double top = std::min(box.top, box.bottom), bottom = std::max(box.top, box.bottom);
  const double a = std::min(std::abs(double(cornerWidth)), right - left) / 2;
  const double b = std::min(std::abs(double(cornerHeight)), bottom - top) / 2;
  if (a <= 0 || b <= 0) return RectFigure(box);
  // The four corners counter-clockwise from the top right, each a quarter
  // ellipse from one axis direction to the next.
  const struct {
    TPointF centre, from, to;
  } corners[] = {{{right - a, top + b}, {1, 0}, {0, -1}},
                 {{left + a, top + b}, {0, -1}, {-1, 0}},
                 {{left + a, bottom - b}, {-1, 0}, {0, 1}},
                 {{right - a, bottom - b}, {0, 1}, {1, 0}}};
  const AffineTransform m = Mapping();
  const TRect reach = Reach();
  std::vector<TPointF> outline;
  for (const auto& corner : corners) {
    const TPointF c = corner.centre;
    const ArcSweep quarter(c, TPointF{c.x + corner.from.x, c.y + corner.from.y},
                           TPointF{c.x + corner.to.x, c.y + corner.to.y});
    const std::vector<TPointF> arc = ArcPointsWithin(c, a, b, ArcStepsOf(a, b, quarter, LogicalStep()), m, reach);
    outline.insert(outline.end(), arc.begin(), arc.end());
  }
  return outline;
}

MetafileDevice::LogicalArc MetafileDevice::ArcOf(const TRect& box, TPoint start, TPoint end) const {
  const TPointF c = CentreOf(box);
  const double a = std::abs(box.Width64()) / 2.0, b = std::abs(box.Height64()) / 2.0;
  // Counter-clockwise as the logical picture lies (y down); the other way
  // round is the same arc walked backwards.
  const bool clockwise = state_.clockwise;
  const ArcSweep sweep(c, Logical(clockwise ? end : start), Logical(clockwise ? start : end));
  return LogicalArc{c, a, b, ArcStepsOf(a, b, sweep, LogicalStep()), clockwise};
}

std::vector<TPointF> MetafileDevice::ArcFigure(const LogicalArc& arc) const {
  std::vector<TPointF> points = ArcPointsWithin(arc.centre, arc.a, arc.b, arc.steps, Mapping(), Reach());
  if (arc.backwards) std::reverse(points.begin(), points.end());
  return points;
}

TPoint MetafileDevice::ArcEnd(const LogicalArc& arc) const {
  return Rounded(arc.steps.At(arc.centre, arc.a, arc.b, arc.backwards ? 0 : arc.steps.count));
}

bool MetafileDevice::FigureLeftOut() {
  if (!Recording() || state_.path->TakesFlattened()) return false;
  CountNotDrawn();
  return true;
}

void MetafileDevice::Figure(std::vector<TPointF> points, bool closed, bool filled) {
  if (points.empty()) return;
  if (Recording()) {
    if (!state_.path->AddFlattenedFigure(std::move(points), closed)) CountNotDrawn();
    return;
  }
  UseShapeTools();
  const std::vector<TPoint> p = Rounded(points);
  if (closed && filled)
    canvas_.Polygon(p, state_.fillRule);
  else if (closed)
    canvas_.PolylineClosed(p);
  else
    canvas_.Polyline(p);
}

void MetafileDevice::StrokeFigures(const Path& path) {
  UseShapeTools();
  for (const Path::Figure& figure : path.Figures()) {
    const std::vector<TPoint> line = Rounded(figure.points);
    if (figure.closed && line.size() > 1)
      canvas_.PolylineClosed(line);
    else
      canvas_.Polyline(line);
  }
}

void MetafileDevice::FillFigures(const Path& path) {
  UseShapeTools();
  canvas_.Pen.style = PenStyle::psClear;
  std::vector<std::vector<TPoint>> outlines;
  for (const Path::Figure& figure : path.Figures()) outlines.push_back(Rounded(figure.points));
  canvas_.PolyPolygon(outlines, state_.fillRule);
}

// ---------------------------------------------------------------- lines and curves

void MetafileDevice::MoveTo(int x, int y) {
  state_.position = {x, y};
  if (Recording()) state_.path->MoveTo(Map({x, y}));
}

Path& MetafileDevice::PathAtPosition() {
  const TPointF here = Map(state_.position);
  const TPointF current = state_.path->CurrentPoint();
  // Within half a pixel the figure goes on (the position is held in whole
  // logical units, the path is not).
  if (std::abs(current.x - here.x) >= 0.5 || std::abs(current.y - here.y) >= 0.5) state_.path->MoveTo(here);
  return *state_.path;
}

template <typename Add>
void MetafileDevice::Lines(Add add) {
  if (Recording()) {
    add(PathAtPosition());
    return;
  }
  Path path = NewPath();
  path.MoveTo(Map(state_.position));
  add(path);
  StrokeFigures(path);
}

void MetafileDevice::PolyBezier(const std::vector<TPoint>& points) {
  if (points.size() < 4) return;
  // The first point starts a figure of its own; the current position stays.
  if (Recording()) state_.path->MoveTo(Map(points.front()));
  const TPoint keep = state_.position;
  state_.position = points.front();
  Lines([&](Path& path) {
    for (std::size_t i = 1; i + 2 < points.size(); i += 3)
      path.BezierTo(Map(points[i]), Map(points[i + 1]), Map(points[i + 2]));
  });
  state_.position = keep;
}

void MetafileDevice::PolyBezierTo(const std::vector<TPoint>& points) {
  if (points.size() < 3) return;
  Lines([&](Path& path) {
    for (std::size_t i = 0; i + 2 < points.size(); i += 3)
      path.BezierTo(Map(points[i]), Map(points[i + 1]), Map(points[i + 2]));
  });
  state_.position = points[points.size() - points.size() % 3 - 1];
}

namespace {

// True when every kind is a move, a line or a curve point (curve points in
// threes), each perhaps closing its figure.
bool ValidKinds(const std::vector<std::uint8_t>& kinds) {
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const std::uint8_t k = kinds[i] & ~gdi::PT_CLOSEFIGURE;
    if (k == gdi::PT_BEZIERTO) {
      if (i + 2 >= kinds.size() || (kinds[i + 1] & ~gdi::PT_CLOSEFIGURE) != gdi::PT_BEZIERTO ||
          (kinds[i + 2] & ~gdi::PT_CLOSEFIGURE) != gdi::PT_BEZIERTO)
        return false;
      i += 2;
    } else if (k != gdi::PT_LINETO && k != gdi::PT_MOVETO) {
      return false;
    }
  }
  return true;
}

}  // namespace

void MetafileDevice::PolyDraw(const std::vector<TPoint>& points, const std::vector<std::uint8_t>& kinds) {
  if (points.size() != kinds.size() || !ValidKinds(kinds)) return;
  Lines([&](Path& path) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      const std::uint8_t k = kinds[i] & ~gdi::PT_CLOSEFIGURE;
      if (k == gdi::PT_MOVETO) {
        path.MoveTo(Map(points[i]));
      } else if (k == gdi::PT_LINETO) {
        path.LineTo(Map(points[i]));
      } else {
        path.BezierTo(Map(points[i]), Map(points[i + 1]), Map(points[i + 2]));
        i += 2;
      }
      if (kinds[i] & gdi::PT_CLOSEFIGURE) path.CloseFigure();
    }
  });
  if (!points.empty()) state_.position = points.back();
}

void MetafileDevice::AngleArc(TPoint centre, std::uint32_t radius, double startDegrees, double sweepDegrees) {
  if (!std::isfinite(startDegrees) || !std::isfinite(sweepDegrees)) return;
  const double start = std::fmod(startDegrees, 360.0) * std::numbers::pi / 180;
  const double sweep = std::clamp(sweepDegrees, -360.0, 360.0) * std::numbers::pi / 180;
  const double r = radius;
  const double n = std::clamp(std::ceil(std::abs(sweep) * r / LogicalStep()), 1.0, kMaxArcPoints);
  // Counter-clockwise as the picture lies: y grows downwards.
  const LogicalArc arc{Logical(centre), r, -r, ArcSteps{start, -sweep, static_cast<int>(n)}, false};
  AddArc(arc);
}

void MetafileDevice::ArcTo(const TRect& box, TPoint start, TPoint end) { AddArc(ArcOf(box, start, end)); }

void MetafileDevice::AddArc(const LogicalArc& arc) {
  if (!FigureLeftOut()) {
    const std::vector<TPointF> points = ArcFigure(arc);
    Lines([&](Path& path) {
      if (!path.AddFlattenedLines(points)) CountNotDrawn();
    });
  }
  state_.position = ArcEnd(arc);
}

// ---------------------------------------------------------------- paths

TRect MetafileDevice::Reach() const {
  const Bitmap& target = canvas_.Target();
  const std::int64_t margin =
      std::int64_t{std::max(target.Width(), target.Height())} + std::max(1, CanvasPen().width) + 2;
  return TRect{SaturatedInt(-margin), SaturatedInt(-margin), SaturatedInt(target.Width() + margin),
               SaturatedInt(target.Height() + margin)};
}

Path MetafileDevice::NewPath() const { return Path(Reach()); }

void MetafileDevice::BeginPath() {
  state_.path = NewPath();
  state_.pathOpen = true;
  state_.path->MoveTo(Map(state_.position));
}

void MetafileDevice::AbortPath() {
  state_.path.reset();
  state_.pathOpen = false;
}

void MetafileDevice::CloseFigure() {
  if (Recording()) state_.path->CloseFigure();
}

void MetafileDevice::FillPath() {
  if (state_.pathOpen || !state_.path) return;
  FillFigures(*state_.path);
  state_.path.reset();
}

void MetafileDevice::StrokePath() {
  if (state_.pathOpen || !state_.path) return;
  StrokeFigures(*state_.path);
  state_.path.reset();
}

void MetafileDevice::StrokeAndFillPath() {
  if (state_.pathOpen || !state_.path) return;
  FillFigures(*state_.path);
  StrokeFigures(*state_.path);
  state_.path.reset();
}

void MetafileDevice::WidenPath() {
  if (state_.pathOpen || !state_.path) return;
  UseShapeTools();
  *state_.path = WidenedPath(*state_.path, canvas_);
}

void MetafileDevice::SelectClipPath(int mode) {
  if (state_.pathOpen || !state_.path) return;
  CombineClip(state_.path->Filled(state_.fillRule, CanvasRows()), mode);
  state_.path.reset();
}

}  // namespace kestrova
