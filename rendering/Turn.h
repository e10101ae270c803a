#pragma once
// Turns given in tenths of a degree, counter-clockwise on the screen.

#include <cmath>
#include <numbers>

namespace kestrova {

// The cosine and sine of a turn, exact at the quarter turns (so that a text
// turned by 90 degrees is the upright one turned pixel for pixel).
inline void TurnOf(int tenths, double& c, double& s) {
  const int t = ((tenths % 3600) + 3600) % 3600;
  static constexpr double kCos[] = {1, 0, -1, 0};
  if (t % 900 == 0) {
    c = kCos[t / 900];
    s = kCos[(t / 900 + 3) % 4];
    return;
  }
  const double a = t * std::numbers::pi / 1800;
  c = std::cos(a);
  s = std::sin(a);
}

}  // namespace kestrova
