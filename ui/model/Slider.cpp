#include "ui/model/Slider.h"

#include <algorithm>

namespace kestrova {

void TRxSlider::SetValue(std::int64_t value) {
  const std::int64_t low = minValue_;
  const std::int64_t high = std::max(minValue_, maxValue_);
  if (Store(value_, static_cast<int>(std::clamp(value, low, high)))) Fire(onChange_);
}

void TRxSlider::SetMinValue(int v) {
  Store(minValue_, v);
  SetValue(value_);
}

void TRxSlider::SetMaxValue(int v) {
  Store(maxValue_, v);
  SetValue(value_);
}

}  // namespace kestrova
