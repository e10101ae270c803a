#pragma once
// Conversion of real values to integers as the renderers do it: to the nearest
// integer, a half going to the even neighbour (1.5 gives 2, 2.5 gives 2).

#include <climits>
#include <cmath>

namespace kestrova {

// Values beyond the range of int give the nearest end of the range; NaN gives 0.
inline int RoundHalfEven(double value) {
  const double r = std::nearbyint(value);  // the default rounding mode: halves to even
  if (std::isnan(r)) return 0;
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(r);
}

}  // namespace kestrova
