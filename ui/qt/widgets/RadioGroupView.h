#pragma once
// A radio group: a QGroupBox with one radio button per item of a TRadioGroup,
// in `columns` columns (each as wide as its widest item, the room left shared
// out evenly), the rows spread evenly over the box below its title.

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <string>
#include <vector>

#include "ui/model/controls/ItemList.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class RadioGroupView : public ControlView {
 public:
  RadioGroupView(TRadioGroup& group, QGroupBox* box, int columns = 1, Placement placement = Placement::Bounds);

  QRadioButton* Item(int i) const;

 protected:
  void MirrorValue() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RebuildItems();
  void PlaceItems();

  TRadioGroup& group_;
  QGroupBox* box_;
  int columns_;
  QButtonGroup* buttons_;
  std::vector<std::string> shownItems_;
};

}  // namespace kestrova::qt
