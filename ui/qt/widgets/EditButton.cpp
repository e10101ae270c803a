#include "ui/qt/widgets/EditButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ui/qt/widgets/FocusFrame.h"

namespace kestrova::qt {

EditButton::EditButton(QLineEdit* edit, const QIcon& icon) : QToolButton(edit), edit_(edit) {
  setIcon(icon);
  setAutoRaise(true);
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::ArrowCursor);
  edit_->installEventFilter(this);
  Place();
}

void EditButton::Place() {
  // A square as high as the edit's inside, against its right edge.
  const int side = std::max(1, edit_->height() - 2);
  setGeometry(edit_->width() - side - 1, 1, side, side);
  const int icon = std::max(1, side - 6);
  setIconSize(QSize(icon, icon));
  edit_->setTextMargins(0, 0, side, 0);
}

bool EditButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::Resize) Place();
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Down && modifiers == Qt::AltModifier && isEnabled()) {
      click();
      return true;
    }
  }
  return QToolButton::eventFilter(watched, event);
}

void EditButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  DrawFocusMark(painter, rect(), palette());
}

}  // namespace kestrova::qt
