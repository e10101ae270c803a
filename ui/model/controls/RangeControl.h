#pragma once
// A control holding a whole number between two limits (spin edit, slider).
// Its change handler runs whenever the value actually changes, whoever
// changed it; how the limits apply is the kind's own rule.

#include <functional>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TRangeControl : public TControl {
 public:
  using TControl::TControl;

  int Value() const { return value_; }
  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 protected:
  // Stores the value; the handler runs when it changed.
  void StoreValue(int value) {
    if (Store(value_, value)) Fire(onChange_);
  }
  void StoreLimits(int minValue, int maxValue) {
    Store(minValue_, minValue);
    Store(maxValue_, maxValue);
  }

 private:
  int value_ = 0;
  int minValue_ = 0;
  int maxValue_ = 0;
  std::function<void()> onChange_;
};

}  // namespace kestrova
