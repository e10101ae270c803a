#pragma once
// A slider over a whole-number range (0..100 unless set otherwise). Its value
// always stays in range: setting the value, or a limit, brings it there.

#include <cstdint>

#include "ui/model/controls/RangeControl.h"

namespace kestrova {

class TRxSlider : public TRangeControl {
 public:
  TRxSlider(std::string name, std::string parent) : TRangeControl(std::move(name), std::move(parent)) {
    StoreLimits(0, 100);
  }
  TRxSlider(TControlOwner* owner, std::string name, std::string parent)
      : TRangeControl(owner, std::move(name), std::move(parent)) {
    StoreLimits(0, 100);
  }

  void SetValue(std::int64_t value);
  void SetMinValue(int v);
  void SetMaxValue(int v);
  // The value the slider would hold after SetValue(value).
  int Limited(std::int64_t value) const;

  int Increment() const { return increment_; }
  void SetIncrement(int step) { Store(increment_, step); }
  bool Vertical() const { return vertical_; }
  void SetVertical(bool on) { Store(vertical_, on); }

 private:
  int increment_ = 1;
  bool vertical_ = false;
};

}  // namespace kestrova
