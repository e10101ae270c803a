#pragma once
// The keys that ask for the context menu of the control that has the keyboard
// focus, as on other desktop programs: the context-menu key and Shift+F10.
// The menu opens at the control (at its text cursor or its current item), not
// at the mouse pointer. Only keys meant for the window's own controls count
// (not those of a dialog over it, nor those of a menu that is open: where the
// window system itself turns the context-menu key into a request, the menu is
// open by the time the key arrives).

#include <QObject>
#include <QWidget>

namespace kestrova::qt {

class ContextMenuKeys : public QObject {
 public:
  // Watches the application's key presses for as long as `window` lives.
  explicit ContextMenuKeys(QWidget* window);
  ~ContextMenuKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

}  // namespace kestrova::qt
