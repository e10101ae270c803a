#include "ui/qt/widgets/SpinEditView.h"

#include <algorithm>
#include <climits>

namespace kestrova::qt {

SpinEditView::SpinEditView(TRxSpinEdit& edit, QSpinBox* box, Placement placement)
    : ControlView(edit, box, placement), edit_(edit), box_(box) {
  connect(box_, &QSpinBox::valueChanged, this, [this](int value) { Edit([&] { edit_.SetValue(value); }); });
  Mirror();
}

void SpinEditView::MirrorValue() {
  const bool unlimited = edit_.MinValue() == edit_.MaxValue();
  const int low = unlimited ? INT_MIN : edit_.MinValue();
  const int high = unlimited ? INT_MAX : std::max(edit_.MinValue(), edit_.MaxValue());
  if (box_->minimum() != low || box_->maximum() != high) box_->setRange(low, high);
  if (box_->value() != edit_.Value()) box_->setValue(edit_.Value());
}

}  // namespace kestrova::qt
