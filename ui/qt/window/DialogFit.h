#pragma once
// Every dialog the program opens, its own and Qt's (file, folder, colour and
// font dialogs, message and input boxes), fitted onto the available area of
// its screen as the main window is, each time it is shown: no larger than the
// area leaves room for with its frame (down to its least size) and moved
// inside it, again once an X11 window manager has told the frame.

#include <QObject>

namespace kestrova::qt {

class DialogFit : public QObject {
 public:
  // Watches every widget of the application; goes with `parent`.
  explicit DialogFit(QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrova::qt
