#pragma once
// Arcs of ellipses. An arc runs counter-clockwise on the screen (where y grows
// downwards) from the ray through its start point to the ray through its end
// point, both rays leaving the centre; when the two rays coincide the arc is
// the whole ellipse.

#include <vector>

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

 private:
  double start_ = 0;
  double extent_ = 0;
};

// Points of the ellipse with centre c and semi-axes a, b from the sweep's start
// ray to its end ray, at most `step` pixels apart; the first and last lie on the rays.
std::vector<TPointF> ArcPoints(TPointF c, double a, double b, const ArcSweep& sweep, double step);

// Distance from the centre of the ellipse with semi-axes a, b to its point in the direction phi.
double EllipseRadius(double a, double b, double phi);

}  // namespace kestrova
