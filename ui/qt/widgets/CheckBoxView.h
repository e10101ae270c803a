#pragma once
// A check box: QCheckBox on a TCheckBox (caption and check mark).

#include <QCheckBox>

#include "ui/model/controls/CheckBox.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(TCheckBox& check, QCheckBox* box, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TCheckBox& check_;
  QCheckBox* box_;
};

}  // namespace kestrova::qt
