#include "ui/qt/window/PagesScrollArea.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace kestrova::qt {

namespace {

// The least height the area keeps while the window shrinks: a strip of the
// pages beside its scroll bar.
constexpr int kLeastHeight = 60;

}  // namespace

PagesScrollArea::PagesScrollArea(QWidget* panel, QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  // The pages' own controls take the keyboard focus, the area around them does not.
  setFocusPolicy(Qt::NoFocus);
  setWidgetResizable(true);
  setWidget(panel);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  panel->installEventFilter(this);
}

int PagesScrollArea::WholeWidth() const {
  const bool low = height() < widget()->height();
  return widget()->minimumWidth() + (low ? verticalScrollBar()->sizeHint().width() : 0);
}

QSize PagesScrollArea::sizeHint() const {
  const QWidget* panel = widget();
  // An area narrower than the pages takes a horizontal scroll bar below them.
  const bool narrow = viewport()->width() < panel->minimumWidth();
  const int bar = narrow ? horizontalScrollBar()->sizeHint().height() : 0;
  return {panel->minimumWidth(), panel->height() + bar};
}

QSize PagesScrollArea::minimumSizeHint() const {
  return {verticalScrollBar()->sizeHint().width() * 4, std::min(widget()->height(), kLeastHeight)};
}

bool PagesScrollArea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
    updateGeometry();
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace kestrova::qt
