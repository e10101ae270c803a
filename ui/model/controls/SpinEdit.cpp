#include "ui/model/controls/SpinEdit.h"

#include <algorithm>
#include <limits>

namespace kestrova {

int TRxSpinEdit::Limited(std::int64_t value) const {
  const bool unlimited = MinValue() == MaxValue();
  const std::int64_t low = unlimited ? std::numeric_limits<int>::min() : MinValue();
  const std::int64_t high = unlimited ? std::numeric_limits<int>::max() : MaxValue();
  return static_cast<int>(std::clamp(value, low, std::max(low, high)));
}

}  // namespace kestrova
