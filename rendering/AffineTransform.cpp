#include "rendering/AffineTransform.h"

#include <cmath>

namespace kestrova {

AffineTransform AffineTransform::Then(const AffineTransform& n) const {
  return AffineTransform{m11 * n.m11 + m12 * n.m21, m11 * n.m12 + m12 * n.m22,
                         m21 * n.m11 + m22 * n.m21, m21 * n.m12 + m22 * n.m22,
                         dx * n.m11 + dy * n.m21 + n.dx, dx * n.m12 + dy * n.m22 + n.dy};
}

bool AffineTransform::Inverse(AffineTransform& out) const {
  const double det = Determinant();
  if (!std::isfinite(det) || std::abs(det) < 1e-300) return false;
  out.m11 = m22 / det;
  out.m12 = -m12 / det;
  out.m21 = -m21 / det;
  out.m22 = m11 / det;
  out.dx = -(dx * out.m11 + dy * out.m21);
  out.dy = -(dx * out.m12 + dy * out.m22);
  return true;
}

double AffineTransform::LengthScale() const { return std::sqrt(std::abs(Determinant())); }

}  // namespace kestrova
