#pragma once
// A spin edit holding a whole number. Its value stays within MinValue..MaxValue
// unless both limits are equal (0..0 means unlimited); a value set from outside
// is first brought into that range.

#include <cstdint>

#include "ui/model/controls/RangeControl.h"

namespace kestrova {

class TRxSpinEdit : public TRangeControl {
 public:
  using TRangeControl::TRangeControl;

  // Accepts any 64-bit number so that out-of-range input clamps instead of wrapping.
  void SetValue(std::int64_t value) { StoreValue(Limited(value)); }
  // Store a limit as given; the value is not brought into the new range.
  void SetMinValue(int v) { StoreLimits(v, MaxValue()); }
  void SetMaxValue(int v) { StoreLimits(MinValue(), v); }

  // The value the spin edit would hold after SetValue(value).
  int Limited(std::int64_t value) const;
};

}  // namespace kestrova
