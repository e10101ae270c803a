#include "ui/qt/widgets/CheckBoxView.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

CheckBoxView::CheckBoxView(TCheckBox& check, QCheckBox* box, Placement placement)
    : ControlView(check, box, placement), check_(check), box_(box) {
  // Every change of the mark that is not the view's own (a click, Space, a
  // screen reader's toggle or press) reaches the control once.
  connect(box_, &QCheckBox::toggled, this, [this](bool on) { Edit([&] { check_.SetChecked(on); }); });
  Mirror();
}

void CheckBoxView::MirrorValue() {
  const QString text = ToQt(check_.Caption());
  if (box_->text() != text) box_->setText(text);
  if (box_->isChecked() != check_.Checked()) box_->setChecked(check_.Checked());
}

}  // namespace kestrova::qt
