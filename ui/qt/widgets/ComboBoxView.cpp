#include "ui/qt/widgets/ComboBoxView.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

ComboBoxView::ComboBoxView(TComboBox& combo, QComboBox* box, Placement placement)
    : ControlView(combo, box, placement), combo_(combo), box_(box) {
  connect(box_, &QComboBox::activated, this, [this](int index) { Edit([&] { combo_.SetItemIndex(index); }); });
  Mirror();
}

void ComboBoxView::MirrorValue() {
  if (shownItems_ != combo_.Items()) {
    box_->clear();
    for (const std::string& item : combo_.Items()) box_->addItem(ToQt(item));
    shownItems_ = combo_.Items();
  }
  if (box_->currentIndex() != combo_.ItemIndex()) box_->setCurrentIndex(combo_.ItemIndex());
}

}  // namespace kestrova::qt
