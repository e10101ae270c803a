#include "ui/model/controls/ItemList.h"

namespace kestrova {

void TItemList::SetItems(std::vector<std::string> items) {
  if (items == items_) return;
  items_ = std::move(items);
  Changed();
}

void TItemList::SetItemIndex(int index) {
  if (index < 0 || index >= Count()) return;
  StoreItemIndex(index);
}

void TItemList::StoreItemIndex(int index) {
  if (Store(itemIndex_, index)) Fire(onChange_);
}

void TComboBox::SetItemIndex(int index) { StoreItemIndex(index >= 0 && index < Count() ? index : -1); }

}  // namespace kestrova
