#pragma once
// A speed button: a checkable QToolButton on a TSpeedButton (down state; the
// glyph is the window's). A click (or any other change of the widget's state)
// goes to the button's Click, which decides whether it stays down.

#include <QToolButton>

#include "ui/model/controls/SpeedButton.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class SpeedButtonView : public ControlView {
 public:
  SpeedButtonView(TSpeedButton& button, QToolButton* tool, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TSpeedButton& button_;
  QToolButton* tool_;
};

}  // namespace kestrova::qt
