#include "rendering/RasterTypes.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// Far-away coordinates are clamped so that conversions to int stay defined.
constexpr double kLimit = 1 << 30;

double Limited(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, -kLimit, kLimit); }

}  // namespace

int FirstPixelAtOrAfter(double x) { return static_cast<int>(std::ceil(Limited(x - 0.5))); }

int PixelContaining(double v) { return static_cast<int>(std::floor(Limited(v))); }

bool AllBeyond(const TRect& area, std::initializer_list<TPointF> points) {
  const auto all = [&](auto beyond) { return std::all_of(points.begin(), points.end(), beyond); };
  return all([&](TPointF p) { return p.x < area.left; }) || all([&](TPointF p) { return p.x > area.right; }) ||
         all([&](TPointF p) { return p.y < area.top; }) || all([&](TPointF p) { return p.y > area.bottom; });
}

}  // namespace kestrova
