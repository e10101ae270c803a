#include "ui/qt/widgets/SpeedButtonView.h"

namespace kestrova::qt {

SpeedButtonView::SpeedButtonView(TSpeedButton& button, QToolButton* tool, Placement placement)
    : ControlView(button, tool, placement), button_(button), tool_(tool) {
  tool_->setCheckable(true);
  tool_->setAutoRaise(false);
  // A click, Space or a screen reader's toggle or press changes the widget's
  // state once; the model's Click then decides the state that stays.
  connect(tool_, &QToolButton::toggled, this, [this] { Edit([&] { button_.Click(); }); });
  Mirror();
}

void SpeedButtonView::MirrorValue() {
  if (tool_->isChecked() != button_.Down()) tool_->setChecked(button_.Down());
}

}  // namespace kestrova::qt
