#include "ui/qt/widgets/FocusFrame.h"

#include <QEvent>

namespace kestrova::qt {

namespace {

constexpr int kMarkWidth = 2;

// Fills a frame `width` pixels wide along the inside of `rect`.
void FillFrame(QPainter& painter, const QRect& rect, int width, const QColor& colour) {
  if (rect.width() <= 2 * width || rect.height() <= 2 * width) {
    painter.fillRect(rect, colour);
    return;
  }
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
  painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
  painter.fillRect(QRect(rect.left(), rect.top() + width, width, rect.height() - 2 * width), colour);
  painter.fillRect(QRect(rect.right() - width + 1, rect.top() + width, width, rect.height() - 2 * width), colour);
}

}  // namespace

void DrawFocusMark(QPainter& painter, const QRect& rect, const QPalette& palette) {
  FillFrame(painter, rect, kMarkWidth, palette.color(QPalette::Highlight));
  const QRect inside = rect.adjusted(kMarkWidth, kMarkWidth, -kMarkWidth, -kMarkWidth);
  if (!inside.isEmpty()) FillFrame(painter, inside, 1, palette.color(QPalette::Base));
}

FocusFrame::FocusFrame(QWidget* target) : QWidget(target), target_(target) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(target_->rect());
  setVisible(target_->hasFocus());
  target_->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_) {
    switch (event->type()) {
      case QEvent::Resize:
        setGeometry(target_->rect());
        break;
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        // A pop-up menu takes the keys, not the focus: the mark stays while it is open.
        raise();
        setVisible(target_->hasFocus());
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawFocusMark(painter, rect(), palette());
}

}  // namespace kestrova::qt
