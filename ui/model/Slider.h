#pragma once
// A slider over a whole-number range (0..100 unless set otherwise). Its value
// always stays in range: setting the value, or a limit, brings it there. The
// change handler runs whenever the value actually changes.

#include <cstdint>
#include <functional>

#include "ui/model/Control.h"

namespace kestrova {

class TRxSlider : public TControl {
 public:
  using TControl::TControl;

  int Value() const { return value_; }
  void SetValue(std::int64_t value);

  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  void SetMinValue(int v);
  void SetMaxValue(int v);

  int Increment() const { return increment_; }
  void SetIncrement(int step) { Store(increment_, step); }
  bool Vertical() const { return vertical_; }
  void SetVertical(bool on) { Store(vertical_, on); }

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 private:
  int value_ = 0;
  int minValue_ = 0;
  int maxValue_ = 100;
  int increment_ = 1;
  bool vertical_ = false;
  std::function<void()> onChange_;
};

}  // namespace kestrova
