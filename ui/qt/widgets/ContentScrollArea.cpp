#include "ui/qt/widgets/ContentScrollArea.h"

#include <QScrollBar>
#include <algorithm>

namespace kestrova::qt {

ContentScrollArea::ContentScrollArea(QWidget* parent) : QAbstractScrollArea(parent) {
  horizontalScrollBar()->setSingleStep(16);
  verticalScrollBar()->setSingleStep(16);
}

void ContentScrollArea::SetContentSize(const QSize& size) {
  content_ = size;
  UpdateScrollBars();
  viewport()->update();
}

QPoint ContentScrollArea::Offset() const {
  return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void ContentScrollArea::UpdateScrollBars() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, content_.width() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setRange(0, std::max(0, content_.height() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
}

void ContentScrollArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ContentScrollArea::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace kestrova::qt
