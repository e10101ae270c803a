#include "ui/qt/window/ScreenAreas.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
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

bool Fractional(qreal scale) { return std::abs(scale - std::round(scale)) >= kSlack; }

// At a fractional scale the window's own edges are rounded to screen pixels:
// each side of its frame may reach up to a screen pixel further than its size
// in window pixels says, and a window pixel more on each side keeps it inside.
QMargins Widened(const QMargins& frame, qreal scale) {
  if (!Fractional(scale)) return frame;
  const auto wider = [](int side) { return side > 0 ? side + 1 : side; };
  return {wider(frame.left()), wider(frame.top()), wider(frame.right()), wider(frame.bottom())};
}

// The available area of the screen that holds most of the placement.
TBounds AreaOf(const std::optional<TWindowPlacement>& placed) {
  const std::vector<TBounds> areas = AvailableAreas();
  return areas.empty() ? TBounds{} : areas[ScreenOfPlacement(placed, areas)];
}

TWindowPlacement PlacementOf(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// One side of a window of `length` centred on the span from `start` on of
// `room`, with `before` and `after` round it as they are, and kept inside
// with the whole pixels `wholeBefore` and `wholeAfter`.
int CentredStart(int start, int room, int length, qreal before, qreal after, int wholeBefore, int wholeAfter) {
  const qreal centred = start + (room - (length + before + after)) / 2 + before;
  const int last = start + room - wholeAfter - length;
  return std::max(start + wholeBefore, std::min(last, static_cast<int>(std::lround(centred))));
}

// A window of `size` centred on `area` with the frame `exact` round it, no
// larger than `whole` (the window pixels the frame touches) leaves room for.
QRect Centred(const QSize& size, const QMargins& whole, const QMarginsF& exact, const QRect& area) {
  const QSize fitted = size.boundedTo(area.size().shrunkBy(whole)).expandedTo(QSize(1, 1));
  return {CentredStart(area.x(), area.width(), fitted.width(), exact.left(), exact.right(), whole.left(),
                       whole.right()),
          CentredStart(area.y(), area.height(), fitted.height(), exact.top(), exact.bottom(), whole.top(),
                       whole.bottom()),
          fitted.width(), fitted.height()};
}

}  // namespace

QRect FitOnAScreen(const std::optional<TWindowPlacement>& placed, const QSize& preferred) {
  const TBounds fitted = FitOnScreen(placed, AreaOf(placed), preferred.width(), preferred.height());
  return {fitted.left, fitted.top, fitted.width, fitted.height};
}

QRect AvailableAreaOf(const QRect& placed) {
  const TBounds area = AreaOf(PlacementOf(placed));
  return {area.left, area.top, area.width, area.height};
}

QRect FitWithFrame(const QRect& client, const QMargins& frame) {
  const QRect outer = client.marginsAdded(frame);
  return FitOnAScreen(PlacementOf(outer), outer.size()).marginsRemoved(frame);
}

QRect CentreWithFrame(const QSize& size, const QMargins& frame, const QRect& area) {
  return Centred(size, frame, frame, area);
}

QRect CentreWithToldFrame(const QSize& size, const QMargins& told, qreal scale, const QRect& area) {
  return Centred(size, FrameInWindowPixels(told, scale), scale > 0 ? QMarginsF(told) / scale : QMarginsF(told), area);
}

QMargins FrameOf(const QWindow& window) {
  // (Qt gives the frame rounded to window pixels, up to half of one short:
  // the pixel added at a fractional scale covers that too)
  return Widened(window.frameMargins(), window.devicePixelRatio());
}

QMargins FrameInWindowPixels(const QMargins& screenPixels, qreal scale) {
  if (scale <= 0) return screenPixels;
  const auto side = [scale](int pixels) { return static_cast<int>(std::ceil(pixels / scale - kSlack)); };
  return Widened({side(screenPixels.left()), side(screenPixels.top()), side(screenPixels.right()),
                  side(screenPixels.bottom())},
                 scale);
}

}  // namespace kestrova::qt
