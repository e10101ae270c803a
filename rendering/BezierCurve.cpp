#include "rendering/BezierCurve.h"

#include <algorithm>
#include <cmath>

#include "rendering/WorkBudget.h"

namespace kestrova {

namespace {

constexpr double kTolerance = 0.25;
// Upper bound on the lines of one curve, whatever its size.
constexpr double kMaxSteps = 1024;

}  // namespace

void AppendBezier(std::vector<TPointF>& out, TPointF p0, TPointF c1, TPointF c2, TPointF p3) {
  // The second differences bound how far the curve strays from a chord of n
  // equal steps: (3/4) d / n^2.
  const double d = std::max(std::hypot(p0.x - 2 * c1.x + c2.x, p0.y - 2 * c1.y + c2.y),
                            std::hypot(c1.x - 2 * c2.x + p3.x, c1.y - 2 * c2.y + p3.y));
  const double wanted = std::ceil(std::sqrt(0.75 * d / kTolerance));
  const int n = static_cast<int>(std::isfinite(wanted) ? std::clamp(wanted, 1.0, kMaxSteps) : 1.0);
  WorkBudget::Spend(work::kPoint * n);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
    out.push_back(TPointF{a * p0.x + b * c1.x + c * c2.x + e * p3.x, a * p0.y + b * c1.y + c * c2.y + e * p3.y});
  }
}

}  // namespace kestrova
