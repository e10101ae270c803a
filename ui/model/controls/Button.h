#pragma once
// A push button, tool button or menu item: texts, enabled state, an optional
// check mark (menu items) and a click handler that runs on Click().

#include <functional>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TButton : public TControl {
 public:
  using TControl::TControl;

  bool Checked() const { return checked_; }
  void SetChecked(bool on) { Store(checked_, on); }

  void Click() { Fire(onClick_); }
  void SetOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

 private:
  bool checked_ = false;
  std::function<void()> onClick_;
};

}  // namespace kestrova
