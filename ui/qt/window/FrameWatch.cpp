#include "ui/qt/window/FrameWatch.h"

#include <QEvent>
#include <QWindow>

namespace kestrova::qt {

FrameWatch::FrameWatch(QWindow* window, std::function<void()> known)
    : QObject(window), window_(window), known_(std::move(known)) {
  window_->installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject* watched, QEvent* event) {
  // The manager's first word on a window (its frame put round it, the window
  // moved into it and shown) comes as a move, a resize or an exposure.
  const QEvent::Type type = event->type();
  const bool told = type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize;
  if (watched == window_ && told && known_ && !window_->frameMargins().isNull()) {
    window_->removeEventFilter(this);
    const std::function<void()> known = std::move(known_);
    known_ = nullptr;
    deleteLater();
    known();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrova::qt
