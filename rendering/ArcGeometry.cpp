#include "rendering/ArcGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "rendering/WorkBudget.h"

namespace kestrova {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kTolerance = 1e-9;
// Upper bound on the points of one arc, whatever its size.
constexpr double kMaxPoints = 1 << 16;

// x reduced into [0, 2 pi).
double Wrapped(double x) {
  x = std::fmod(x, kTurn);
  return x < 0 ? x + kTurn : x;
}

// Parameter t of the point (a cos t, b sin t) that lies in the direction phi.
double ParameterOf(double phi, double a, double b) { return std::atan2(a * std::sin(phi), b * std::cos(phi)); }

}  // namespace

ArcSweep::ArcSweep(TPointF centre, TPointF start, TPointF end)
    : start_(std::atan2(start.y - centre.y, start.x - centre.x)) {
  // Counter-clockwise on the screen the angle decreases.
  extent_ = Wrapped(start_ - std::atan2(end.y - centre.y, end.x - centre.x));
  if (extent_ < kTolerance) extent_ = kTurn;
}

bool ArcSweep::Contains(double dx, double dy) const {
  const double d = Wrapped(start_ - std::atan2(dy, dx));
  return d <= extent_ + kTolerance || d >= kTurn - kTolerance;
}

ArcSweep ArcSweep::Widened(double beforeStart, double afterEnd) const {
  ArcSweep wider = *this;
  wider.extent_ = std::min(kTurn, extent_ + std::max(0.0, beforeStart) + std::max(0.0, afterEnd));
  wider.start_ = start_ + std::max(0.0, beforeStart);
  return wider;
}

SweepSplitList SweepSplits(const ArcSweep& sweep, TPointF c, int y) {
  const double dy = y + 0.5 - c.y;
  SweepSplitList splits;
  splits.at[splits.count++] = c.x;
  for (const double angle : {sweep.StartAngle(), sweep.EndAngle()}) {
    const double s = std::sin(angle);
    // A ray reaches the row only on its own side of the centre.
    if (std::abs(s) > 1e-12 && (s > 0) == (dy > 0)) splits.at[splits.count++] = c.x + dy * std::cos(angle) / s;
  }
  return splits;
}

double EllipseRadius(double a, double b, double phi) {
  const double p = b * std::cos(phi), q = a * std::sin(phi);
  const double d = std::hypot(p, q);
  return d > 0 ? a * b / d : 0.0;
}

TPointF ArcSteps::At(TPointF c, double a, double b, int i) const {
  const double t = Parameter(i);
  return TPointF{c.x + a * std::cos(t), c.y + b * std::sin(t)};
}

ArcSteps ArcStepsOf(double a, double b, const ArcSweep& sweep, double step) {
  const double t0 = ParameterOf(sweep.StartAngle(), a, b);
  double span = sweep.Extent() >= kTurn ? kTurn : Wrapped(t0 - ParameterOf(sweep.StartAngle() - sweep.Extent(), a, b));
  // Both angles turn together; keep the parameter's sweep on the same lap.
  if (span - sweep.Extent() > std::numbers::pi) span -= kTurn;
  if (sweep.Extent() - span > std::numbers::pi) span += kTurn;
  const double wanted = std::ceil(span * std::max({a, b, 0.0}) / step);
  return ArcSteps{t0, span, static_cast<int>(std::isnan(wanted) ? 1.0 : std::clamp(wanted, 1.0, kMaxPoints))};
}

std::vector<TPointF> ArcPoints(TPointF c, double a, double b, const ArcSweep& sweep, double step) {
  const ArcSteps steps = ArcStepsOf(a, b, sweep, step);
  WorkBudget::Spend(work::kPoint * (steps.count + 1));
  std::vector<TPointF> points;
  points.reserve(steps.count + 1);
  for (int i = 0; i <= steps.count; ++i) points.push_back(steps.At(c, a, b, i));
  return points;
}

namespace {

// Adds the points of steps first + 1 .. last, mapped, or only the last when
// the stretch lies beyond the reach.
void AddWithin(std::vector<TPointF>& out, TPointF c, double a, double b, const ArcSteps& steps, int first, int last,
               const AffineTransform& m, const TRect& reach) {
  WorkBudget::Spend(work::kPoint);
  const double turn = std::abs(steps.span) * (last - first) / steps.count;
  if (turn <= std::numbers::pi / 2) {
    // The stretch lies within the triangle of its ends and the point where
    // the tangents at its ends meet.
    const double t1 = steps.Parameter(first), t2 = steps.Parameter(last);
    const double middle = (t1 + t2) / 2, outwards = 1 / std::cos((t2 - t1) / 2);
    const TPointF apex{c.x + a * std::cos(middle) * outwards, c.y + b * std::sin(middle) * outwards};
    const TPointF end = m.Apply(steps.At(c, a, b, last));
    if (AllBeyond(reach, {m.Apply(steps.At(c, a, b, first)), end, m.Apply(apex)})) {
      out.push_back(end);
      return;
    }
  }
  constexpr int kLeaf = 32;
  if (last - first <= kLeaf) {
    WorkBudget::Spend(work::kPoint * (last - first));
    for (int i = first + 1; i <= last; ++i) out.push_back(m.Apply(steps.At(c, a, b, i)));
    return;
  }
  const int middle = first + (last - first) / 2;
  AddWithin(out, c, a, b, steps, first, middle, m, reach);
  AddWithin(out, c, a, b, steps, middle, last, m, reach);
}

}  // namespace

std::vector<TPointF> ArcPointsWithin(TPointF c, double a, double b, const ArcSteps& steps,
                                     const AffineTransform& toCanvas, const TRect& reach) {
  std::vector<TPointF> points{toCanvas.Apply(steps.At(c, a, b, 0))};
  AddWithin(points, c, a, b, steps, 0, steps.count, toCanvas, reach);
  return points;
}

}  // namespace kestrova
