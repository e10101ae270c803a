#pragma once
// A control that shows a list of items with one selected (radio group, combo
// box). The selected index is -1 (nothing selected) only until an item is first
// chosen. An index outside the items given from outside (a project value, say)
// keeps the current item, the rule the alignment buttons follow too.
// Replacing the items keeps the selected index.

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
  void SetItemIndex(int index);

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

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
};

}  // namespace kestrova
