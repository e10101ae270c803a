#pragma once
// A spin edit: QSpinBox on a TRxSpinEdit. Limits 0..0 (equal limits) mean
// unlimited: the box then takes any whole number.

#include <QSpinBox>

#include "ui/model/controls/SpinEdit.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class SpinEditView : public ControlView {
 public:
  SpinEditView(TRxSpinEdit& edit, QSpinBox* box, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TRxSpinEdit& edit_;
  QSpinBox* box_;
};

}  // namespace kestrova::qt
