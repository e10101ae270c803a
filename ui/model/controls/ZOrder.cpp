#include "ui/model/controls/ZOrder.h"

#include <algorithm>

namespace kestrova {

void TZOrder::BringToFront(TControl& control) { MoveTo(control, true); }

void TZOrder::SendToBack(TControl& control) { MoveTo(control, false); }

void TZOrder::MoveTo(TControl& control, bool front) {
  const std::vector<TControl*> before = order_;
  std::erase(order_, &control);
  if (front) {
    order_.push_back(&control);
  } else {
    order_.insert(order_.begin(), &control);
  }
  if (order_ != before && viewListener_) viewListener_();
}

}  // namespace kestrova
