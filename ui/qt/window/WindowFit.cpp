#include "ui/qt/window/WindowFit.h"

#include <QWidget>
#include <QWindow>

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

FrameWatch* FitWhenFrameTold(QWidget& window, const QRect& rect) {
  QWindow* handle = window.windowHandle();
  if (handle == nullptr || !FrameWatch::Available()) return nullptr;
  return new FrameWatch(handle, [&window, handle, rect](const QMargins& frame) {
    if (window.isMaximized()) return;
    const QRect fitted = FitWithFrame(rect, FrameInWindowPixels(frame, handle->devicePixelRatio()));
    if (fitted != rect) handle->setGeometry(fitted);
  });
}

}  // namespace kestrova::qt
