#include "ui/qt/widgets/SplitterView.h"

#include <QEvent>
#include <QPainter>

namespace kestrova::qt {

SplitterView::SplitterView(TSplitter& splitter, QSplitterHandle* handle)
    : ControlView(splitter, handle, Placement::Managed), splitter_(splitter) {
  handle->installEventFilter(this);
  Mirror();
}

void SplitterView::MirrorValue() { Widget()->update(); }

bool SplitterView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Widget() || event->type() != QEvent::Paint) return ControlView::eventFilter(watched, event);
  const TColor c = splitter_.Color();
  QPainter(Widget()).fillRect(Widget()->rect(), QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
  return true;
}

}  // namespace kestrova::qt
