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

}  // namespace kestrova
