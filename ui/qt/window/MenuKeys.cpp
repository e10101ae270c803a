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

bool MenuKeys::ForBarWindow(QObject* watched) const {
  auto* widget = qobject_cast<QWidget*>(watched);
  return widget != nullptr && widget->window() == bar_->window() && QApplication::activePopupWidget() == nullptr;
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
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
      if (key->isAutoRepeat() || key->key() != Qt::Key_Alt) break;
      const bool open = loneAlt_ && ForBarWindow(watched);
      loneAlt_ = false;
      if (open) {
        OpenFirstMenu();
        return true;
      }
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
