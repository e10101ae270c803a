#pragma once
// Every dialog the program opens, its own and Qt's (file, folder, colour and
// font dialogs, message and input boxes), centred on the available area of
// the screen its parent window is on, each time it is shown: no larger than
// the area leaves room for with its frame (down to its least size; one that
// cannot be made so small scrolls its content) and placed explicitly, so that
// an X11 window manager puts it there rather than where it likes, and
// centred again once the manager has told its frame.

#include <QObject>

namespace kestrova::qt {

class DialogFit : public QObject {
 public:
  // Watches every window of the application; goes with `parent`.
  explicit DialogFit(QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrova::qt
