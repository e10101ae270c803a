#include "ui/qt/window/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace kestrova::qt {

MenuKeys::MenuKeys(QMenuBar* bar) : QObject(bar), bar_(bar) { qApp->installEventFilter(this); }

MenuKeys::~MenuKeys() { qApp->removeEventFilter(this); }

void MenuKeys::OpenFirstMenu() {
  for (QAction* action : bar_->actions()) {
    if (action->isVisible() && action->isEnabled() && action->menu() != nullptr) {
      bar_->setActiveAction(action);
      return;
    }
  }
}

bool MenuKeys::IsBarMenu(QObject* watched) const {
  auto* menu = qobject_cast<QMenu*>(watched);
  return menu != nullptr && bar_->actions().contains(menu->menuAction());
}

void MenuKeys::LeaveBar() {
  if (QApplication::activePopupWidget() != nullptr) return;
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(bar_, &escape);
  if (lastFocus_ != nullptr && QApplication::focusWidget() != lastFocus_) lastFocus_->setFocus(Qt::MenuBarFocusReason);
}

bool MenuKeys::ForBarWindow(QObject* watched) const {
  auto* widget = qobject_cast<QWidget*>(watched);
  return widget != nullptr && widget->window() == bar_->window() && QApplication::activePopupWidget() == nullptr;
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Escape && IsBarMenu(watched)) {
        // The menu closes first and leaves the bar holding the keyboard, with no item drawn
        // as chosen; the bar lets go of it right after.
        QMetaObject::invokeMethod(this, [this] { LeaveBar(); }, Qt::QueuedConnection);
        break;
      }
      if (key->isAutoRepeat() || !ForBarWindow(watched)) break;
      // Alt itself may come with or without its own modifier.
      loneAlt_ = key->key() == Qt::Key_Alt && (key->modifiers() & ~Qt::AltModifier) == 0;
      if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
        OpenFirstMenu();
        return true;
      }
      break;
    }
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      // The window system's window sees the key before the widgets do.
      if (key->isAutoRepeat() || key->key() != Qt::Key_Alt || !ForBarWindow(watched)) break;
      const bool open = loneAlt_;
      loneAlt_ = false;
      if (open) {
        OpenFirstMenu();
        return true;
      }
      break;
    }
    case QEvent::FocusIn: {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && widget != bar_ && widget->window() == bar_->window()) lastFocus_ = widget;
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
      loneAlt_ = false;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrova::qt
