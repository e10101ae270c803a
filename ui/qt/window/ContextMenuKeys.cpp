#include "ui/qt/window/ContextMenuKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace kestrova::qt {

namespace {

bool AsksForContextMenu(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
         (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

ContextMenuKeys::ContextMenuKeys(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

ContextMenuKeys::~ContextMenuKeys() { qApp->removeEventFilter(this); }

bool ContextMenuKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !AsksForContextMenu(*static_cast<QKeyEvent*>(event))) {
    return QObject::eventFilter(watched, event);
  }
  QWidget* focus = QApplication::focusWidget();
  // The key reaches the focused control first (and its parents after it, when it is not taken).
  if (focus == nullptr || watched != focus || focus->window() != window_ || QApplication::activePopupWidget() != nullptr) {
    return QObject::eventFilter(watched, event);
  }
  // Where the control puts its text cursor or its current item, as the window system does.
  const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
  QContextMenuEvent request(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at),
                            static_cast<QKeyEvent*>(event)->modifiers());
  QCoreApplication::sendEvent(focus, &request);
  return true;
}

}  // namespace kestrova::qt
