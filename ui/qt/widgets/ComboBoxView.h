#pragma once
// A drop-down list: QComboBox on a TComboBox (items and selected index).

#include <QComboBox>
#include <string>
#include <vector>

#include "ui/model/controls/ItemList.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(TComboBox& combo, QComboBox* box, Placement placement = Placement::Bounds);

 protected:
  void MirrorValue() override;

 private:
  TComboBox& combo_;
  QComboBox* box_;
  std::vector<std::string> shownItems_;
};

}  // namespace kestrova::qt
