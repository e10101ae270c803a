#include "ui/model/SpinEdit.h"

#include <algorithm>
#include <limits>

namespace kestrova {

int TRxSpinEdit::Limited(std::int64_t value) const {
  if (minValue_ != maxValue_) {
    value = std::clamp<std::int64_t>(value, minValue_, maxValue_);
  } else {
    value = std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max());
  }
  return static_cast<int>(value);
}

void TRxSpinEdit::SetValue(std::int64_t value) {
  if (Store(value_, Limited(value))) Fire(onChange_);
}

}  // namespace kestrova
