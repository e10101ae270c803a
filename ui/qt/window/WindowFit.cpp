#include "ui/qt/window/WindowFit.h"

#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>

#include "ui/qt/window/FrameWatch.h"
#include "ui/qt/window/ScreenAreas.h"

namespace kestrova::qt {

QMargins KnownFrame(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  if (handle == nullptr) return {};
  if (!FrameWatch::Available()) return FrameOf(*handle);
  const std::optional<QMargins> last = FrameWatch::LastTold();
  return last ? FrameInWindowPixels(*last, handle->devicePixelRatio()) : QMargins();
}

QRect FittedWithKnownFrame(const QWidget& window, const QRect& rect) { return FitWithFrame(rect, KnownFrame(window)); }

namespace {

// The watch behind both: `place` gives the window's rectangle for the frame
// told (in screen pixels) at the window's scale.
using TPlace = std::function<QRect(const QMargins& told, qreal scale)>;

FrameWatch* PlaceWhenFrameTold(QWidget& window, const QRect& rect, TPlace place) {
  QWindow* handle = window.windowHandle();
  if (handle == nullptr || !FrameWatch::Available()) return nullptr;
  return new FrameWatch(handle, [&window, handle, rect, place = std::move(place)](const QMargins& frame) {
    if (window.isMaximized()) return;
    const QRect placed = place(frame, handle->devicePixelRatio());
    if (placed != rect) handle->setGeometry(placed);
  });
}

}  // namespace

FrameWatch* FitWhenFrameTold(QWidget& window, const QRect& rect) {
  return PlaceWhenFrameTold(window, rect, [rect](const QMargins& told, qreal scale) {
    return FitWithFrame(rect, FrameInWindowPixels(told, scale));
  });
}

FrameWatch* CentreWhenFrameTold(QWidget& window, const QRect& rect, const QRect& area) {
  return PlaceWhenFrameTold(window, rect, [rect, area](const QMargins& told, qreal scale) {
    return CentreWithToldFrame(rect.size(), told, scale, area);
  });
}

}  // namespace kestrova::qt
