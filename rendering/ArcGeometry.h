#pragma once
// Arcs of ellipses. An arc runs counter-clockwise on the screen (where y grows
// downwards) from the ray through its start point to the ray through its end
// point, both rays leaving the centre; when the two rays coincide the arc is
// the whole ellipse.

#include <algorithm>
#include <array>
#include <vector>

#include "rendering/AffineTransform.h"
#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

class ArcSweep {
 public:
  ArcSweep(TPointF centre, TPointF start, TPointF end);

  // Screen angle (atan2 with y downwards) of the start ray.
  double StartAngle() const { return start_; }
  // Angle swept, in (0, 2 pi].
  double Extent() const { return extent_; }
  double EndAngle() const { return start_ - extent_; }
  // The sweep reaching `beforeStart` further back past its start and `afterEnd`
  // further on past its end (at most a whole turn).
  ArcSweep Widened(double beforeStart, double afterEnd) const;
  // True when the direction (dx, dy) from the centre lies within the sweep, rays included.
  bool Contains(double dx, double dy) const;
  // Calls run(x0, x1) for each run of columns [x0, x1) within [first, last)
  // of row y whose pixel centres lie within the sweep seen from c: the same
  // pixels Contains picks, at a cost that does not grow with the row's length.
  template <typename Run>
  void RowRuns(TPointF c, int y, int first, int last, Run run) const;

 private:
  double start_ = 0;
  double extent_ = 0;
};

// Columns of row y where membership of the sweep may change: where the two
// rays cross the row's centre line, and the centre's column. Between them
// every pixel is inside or every pixel is outside.
struct SweepSplitList {
  std::array<double, 3> at{};
  int count = 0;
};
SweepSplitList SweepSplits(const ArcSweep& sweep, TPointF c, int y);

template <typename Run>
void ArcSweep::RowRuns(TPointF c, int y, int first, int last, Run run) const {
  if (first >= last) return;
  const double dy = y + 0.5 - c.y;
  auto inside = [&](int x) { return Contains(x + 0.5 - c.x, dy); };
  // Short runs are cheaper tested pixel by pixel than split.
  constexpr int kShort = 16;
  if (last - first <= kShort) {
    int open = -1;
    for (int x = first; x < last; ++x) {
      if (inside(x) == (open >= 0)) continue;
      if (open >= 0) run(open, x);
      open = open >= 0 ? -1 : x;
    }
    if (open >= 0) run(open, last);
    return;
  }
  // Pixels near a split are tested one by one; a stretch between two of
  // them takes the answer of its first pixel.
  constexpr int kMargin = 2;
  std::array<int, 2 + 3 * (2 * kMargin + 2)> edges{first, last};
  std::size_t n = 2;
  const SweepSplitList splits = SweepSplits(*this, c, y);
  for (int i = 0; i < splits.count; ++i) {
    const double s = splits.at[i];
    if (!(s > first - kMargin && s < last + kMargin)) continue;
    const int at = static_cast<int>(s);
    for (int x = std::max(first, at - kMargin); x <= std::min(last, at + kMargin + 1); ++x) edges[n++] = x;
  }
  std::sort(edges.begin(), edges.begin() + n);
  int open = -1;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (edges[i] == edges[i + 1]) continue;
    if (inside(edges[i]) == (open >= 0)) continue;
    if (open >= 0) {
      run(open, edges[i]);
      open = -1;
    } else {
      open = edges[i];
    }
  }
  if (open >= 0) run(open, last);
}

// Steps along an ellipse with centre c and semi-axes a, b: the points
// (c.x + a cos t, c.y + b sin t) for t from t0 by span / count, count steps
// in all (a negative b runs the other way round).
struct ArcSteps {
  double t0 = 0, span = 0;
  int count = 1;
  // The parameter and the point of step i, 0..count.
  double Parameter(int i) const { return t0 - span * i / count; }
  TPointF At(TPointF c, double a, double b, int i) const;
};

// The steps from the sweep's start ray to its end ray at most `step` pixels
// apart (and at most 65,536 of them).
ArcSteps ArcStepsOf(double a, double b, const ArcSweep& sweep, double step);

// Points of the ellipse with centre c and semi-axes a, b from the sweep's start
// ray to its end ray, at most `step` pixels apart; the first and last lie on the rays.
std::vector<TPointF> ArcPoints(TPointF c, double a, double b, const ArcSweep& sweep, double step);

// The points of the steps mapped by `toCanvas`, where they matter: a stretch
// of the arc lying wholly beyond one side of `reach` is left as the chord
// between its ends (what is filled or stroked within reach stays the same),
// so that a huge arc costs what lies within reach of it. The points kept are
// those the same steps give.
std::vector<TPointF> ArcPointsWithin(TPointF c, double a, double b, const ArcSteps& steps,
                                     const AffineTransform& toCanvas, const TRect& reach);

// Distance from the centre of the ellipse with semi-axes a, b to its point in the direction phi.
double EllipseRadius(double a, double b, double phi);

}  // namespace kestrova
