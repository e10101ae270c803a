#pragma once
// A spin edit holding a whole number. Its value stays within MinValue..MaxValue
// unless both limits are equal (0..0 means unlimited); a value set from outside
// is first brought into that range. The change handler runs whenever the value
// actually changes, whoever changed it.

#include <cstdint>
#include <functional>

#include "ui/model/Control.h"

namespace kestrova {

class TRxSpinEdit : public TControl {
 public:
  using TControl::TControl;

  int Value() const { return value_; }
  // Accepts any 64-bit number so that out-of-range input clamps instead of wrapping.
  void SetValue(std::int64_t value);

  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  // Store a limit as given; the value is not brought into the new range.
  void SetMinValue(int v) { Store(minValue_, v); }
  void SetMaxValue(int v) { Store(maxValue_, v); }

  // The value the spin edit would hold after SetValue(value).
  int Limited(std::int64_t value) const;

  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 private:
  int value_ = 0;
  int minValue_ = 0;
  int maxValue_ = 0;
  std::function<void()> onChange_;
};

}  // namespace kestrova
