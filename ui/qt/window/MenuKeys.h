#pragma once
// The keyboard's way into the menu bar, as on other desktop programs: F10 or
// Alt pressed and released alone opens the first menu; the arrow keys then
// walk the menus and their items, Escape in a menu of the bar leaves the bar
// (the keyboard goes back to the control that had it). Alt pressed with
// another key or with a mouse button opens nothing. Only keys meant for the
// bar's own window count (not those of a dialog over it).

#include <QMenuBar>
#include <QObject>
#include <QPointer>

namespace kestrova::qt {

class MenuKeys : public QObject {
 public:
  // Watches the application's key and mouse events for as long as `bar` lives.
  explicit MenuKeys(QMenuBar* bar);
  ~MenuKeys() override;

  // Opens the first menu that can be opened.
  void OpenFirstMenu();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ForBarWindow(QObject* watched) const;
  // A menu of the bar itself (not a sub-menu).
  bool IsBarMenu(QObject* watched) const;
  // Hands the keyboard back from the bar once no menu is open.
  void LeaveBar();

  QMenuBar* bar_;
  // Alt is down and nothing else was pressed since.
  bool loneAlt_ = false;
  // The control of the bar's window that last had the keyboard.
  QPointer<QWidget> lastFocus_;
};

}  // namespace kestrova::qt
