#pragma once
// A push button, and a menu item or tool button, on a TButton: caption (or
// hint), enabled state, check mark; a click runs the button's click handler.

#include <QAction>
#include <QPushButton>

#include "ui/model/controls/Button.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class ButtonView : public ControlView {
 public:
  ButtonView(TButton& button, QPushButton* push, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;
  void MirrorBounds() override;

 private:
  TButton& button_;
  QPushButton* push_;
};

// A QAction on a TButton: its text is the caption (a tool button without a
// caption shows its hint, on one line, as its text), its tool tip the hint; a checkable
// action follows the check mark. Lives as long as the action.
class ActionView : public QObject {
 public:
  ActionView(TButton& button, QAction* action, bool checkable = false);
  ~ActionView() override;

  void Mirror();

 private:
  TButton& button_;
  QAction* action_;
};

}  // namespace kestrova::qt
