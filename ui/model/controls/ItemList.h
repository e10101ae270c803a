#pragma once
// A control that shows a list of items with one selected (radio group, combo
// box). The selected index is -1 (nothing selected). In a radio group it stays
// so only until an item is first chosen: an index outside the items given from
// outside (a project value, say) keeps the current item, the rule the
// alignment buttons follow too. A combo box takes such an index as no
// selection. Replacing the items keeps the selected index.

#include <functional>
#include <string>
#include <vector>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TItemList : public TControl {
 public:
  using TControl::TControl;

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int Count() const { return static_cast<int>(items_.size()); }

  int ItemIndex() const { return itemIndex_; }
  // Runs the change handler when the index actually changes.
  virtual void SetItemIndex(int index);

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 protected:
  // Stores the index (-1: none) and runs the change handler when it changed.
  void StoreItemIndex(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::function<void()> onChange_;
};

// A radio group; its change handler is the click handler.
class TRadioGroup : public TItemList {
 public:
  using TItemList::TItemList;
  void SetOnClick(std::function<void()> handler) { SetOnChange(std::move(handler)); }
};

// A drop-down list.
class TComboBox : public TItemList {
 public:
  using TItemList::TItemList;
  // An index outside the items clears the selection (-1).
  void SetItemIndex(int index) override;
};

}  // namespace kestrova
