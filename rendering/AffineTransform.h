#pragma once
// A two-dimensional affine transform: x' = x m11 + y m21 + dx, y' = x m12 + y m22 + dy.

#include "rendering/RasterTypes.h"

namespace kestrova {

struct AffineTransform {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;

  static AffineTransform Scaling(double sx, double sy, double dx = 0, double dy = 0) {
    return AffineTransform{sx, 0, 0, sy, dx, dy};
  }

  TPointF Apply(TPointF p) const { return TPointF{p.x * m11 + p.y * m21 + dx, p.x * m12 + p.y * m22 + dy}; }
  // This transform followed by `next`.
  AffineTransform Then(const AffineTransform& next) const;
  // The transform undoing this one; false when it has none.
  bool Inverse(AffineTransform& out) const;
  double Determinant() const { return m11 * m22 - m12 * m21; }
  // True when it only scales and moves along the axes (no rotation or shear).
  bool IsAxisAligned() const { return m12 == 0 && m21 == 0; }
  // How much lengths grow on average: the square root of the area's scale.
  double LengthScale() const;
  // True when it turns the picture over (a mirror image).
  bool Mirrors() const { return Determinant() < 0; }

  friend bool operator==(const AffineTransform&, const AffineTransform&) = default;
};

}  // namespace kestrova
