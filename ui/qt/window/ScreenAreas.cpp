#include "ui/qt/window/ScreenAreas.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <vector>

#include "ui/model/form/ScreenFit.h"

namespace kestrova::qt {

namespace {

constexpr qreal kSlack = 1e-6;

// A length in window pixels that stays on the screen's own pixels: at a
// fractional scale the screen's size in window pixels is rounded, and its
// last window pixel may end half a screen pixel past the edge.
int WholeLength(int length, qreal scale) {
  return static_cast<int>(std::floor(std::floor(length * scale + kSlack) / scale + kSlack));
}

// The available areas of the screens, the primary screen's first.
std::vector<TBounds> AvailableAreas() {
  std::vector<TBounds> areas;
  QList<QScreen*> screens = QGuiApplication::screens();
  screens.removeAll(QGuiApplication::primaryScreen());
  screens.prepend(QGuiApplication::primaryScreen());
  for (const QScreen* screen : screens) {
    if (screen == nullptr) continue;
    const QRect r = screen->availableGeometry();
    const qreal scale = screen->devicePixelRatio();
    areas.push_back(TBounds{r.x(), r.y(), WholeLength(r.width(), scale), WholeLength(r.height(), scale)});
  }
  return areas;
}

int Widened(int side) { return side > 0 ? side + 1 : side; }

}  // namespace

QRect FitOnAScreen(const std::optional<TWindowPlacement>& placed, const QSize& preferred) {
  const std::vector<TBounds> areas = AvailableAreas();
  const TBounds area = areas.empty() ? TBounds{} : areas[ScreenOfPlacement(placed, areas)];
  const TBounds fitted = FitOnScreen(placed, area, preferred.width(), preferred.height());
  return {fitted.left, fitted.top, fitted.width, fitted.height};
}

QMargins FrameOf(const QWindow& window) {
  const QMargins told = window.frameMargins();
  const qreal scale = window.devicePixelRatio();
  if (std::abs(scale - std::round(scale)) < kSlack) return told;
  // At a fractional scale the manager's sides were rounded to window pixels,
  // and the window's own edges are rounded to screen pixels: each side may
  // reach up to a screen pixel further than told, so a window pixel more on
  // each side keeps the frame inside.
  return {Widened(told.left()), Widened(told.top()), Widened(told.right()), Widened(told.bottom())};
}

}  // namespace kestrova::qt
