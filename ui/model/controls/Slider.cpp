#include "ui/model/controls/Slider.h"

#include <algorithm>

namespace kestrova {

void TRxSlider::SetValue(std::int64_t value) { StoreValue(Limited(value)); }

int TRxSlider::Limited(std::int64_t value) const {
  const std::int64_t low = MinValue();
  const std::int64_t high = std::max(MinValue(), MaxValue());
  return static_cast<int>(std::clamp(value, low, high));
}

void TRxSlider::SetMinValue(int v) {
  StoreLimits(v, MaxValue());
  SetValue(Value());
}

void TRxSlider::SetMaxValue(int v) {
  StoreLimits(MinValue(), v);
  SetValue(Value());
}

}  // namespace kestrova
