#pragma once
// The stacking of controls that overlap in one parent, from the back to the
// front: a control brought to the front is drawn over the others, one sent
// to the back under them. A view that shows the controls listens through
// SetViewListener and restacks its widgets after every change.

#include <functional>
#include <initializer_list>
#include <vector>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TZOrder {
 public:
  TZOrder(std::initializer_list<TControl*> backToFront) : order_(backToFront) {}

  // The controls from the one at the back to the one in front.
  const std::vector<TControl*>& BackToFront() const { return order_; }

  void BringToFront(TControl& control);
  void SendToBack(TControl& control);

  void SetViewListener(std::function<void()> listener) { viewListener_ = std::move(listener); }

 private:
  // Puts the control in front or at the back; tells the view when the stacking changed.
  void MoveTo(TControl& control, bool front);

  std::vector<TControl*> order_;
  std::function<void()> viewListener_;
};

}  // namespace kestrova
