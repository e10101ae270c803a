#pragma once
// A check box. Its click handler runs whenever the check mark actually changes,
// by the user or by the program.

#include <functional>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TCheckBox : public TControl {
 public:
  using TControl::TControl;

  bool Checked() const { return checked_; }
  void SetChecked(bool on) {
    if (Store(checked_, on)) Fire(onClick_);
  }
  // A user's click: inverts the check mark.
  void Click() { SetChecked(!checked_); }

  void SetOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

 private:
  bool checked_ = false;
  std::function<void()> onClick_;
};

}  // namespace kestrova
