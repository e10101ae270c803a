#pragma once
// Whether a window lies on its screen's available area with its frame.

#include <gtest/gtest.h>

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <string>

namespace kestrova::test {

inline std::string Describe(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

// True when `rect` (in window pixels) lies inside the available area of
// `screen`, also counted in the screen's own pixels (at a fractional scale a
// window pixel may end half a screen pixel past the last one).
inline ::testing::AssertionResult InsideArea(const QRect& rect, const QScreen& screen) {
  const QRect area = screen.availableGeometry();
  const qreal scale = screen.devicePixelRatio();
  const auto pixels = [scale](int end) { return end * scale; };
  const bool inside =
      area.contains(rect) &&
      std::ceil(pixels(rect.x() + rect.width())) <= std::floor(pixels(area.x() + area.width()) + 1e-6) &&
      std::ceil(pixels(rect.y() + rect.height())) <= std::floor(pixels(area.y() + area.height()) + 1e-6);
  if (inside) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Describe(rect) << " leaves the area " << Describe(area) << " at scale "
                                       << scale;
}

// True when the window with its frame lies inside its screen's available area.
inline ::testing::AssertionResult OnScreen(const QWidget& window) {
  return InsideArea(window.frameGeometry(), *window.screen());
}

}  // namespace kestrova::test
