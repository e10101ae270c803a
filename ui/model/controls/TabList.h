#pragma once
// The order in which Tab walks the controls of one parent, as the platform
// keeps it: a list of the parent's controls in which setting a control's tab
// order to n moves it to index n, shifting the controls from there on by one
// place. A control not in the list yet (one made at run time) joins it at its
// end first; an n past the end puts the control last, and an n below 0 first.
// So a tab order is the control's final place only when no later setting
// moves another control in front of it.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kestrova {

template <class T>
void MoveInTabList(std::vector<T>& list, const T& item, int order) {
  auto at = std::find(list.begin(), list.end(), item);
  if (at != list.end()) list.erase(at);
  const std::size_t place = std::min(static_cast<std::size_t>(std::max(order, 0)), list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(place), item);
}

}  // namespace kestrova
