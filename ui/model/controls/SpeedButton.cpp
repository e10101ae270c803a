#include "ui/model/controls/SpeedButton.h"

namespace kestrova {

void TSpeedButton::JoinGroup(std::initializer_list<TSpeedButton*> buttons, bool allowAllUp) {
  for (TSpeedButton* b : buttons) {
    b->grouped_ = true;
    b->allowAllUp_ = allowAllUp;
    b->others_.clear();
    for (TSpeedButton* other : buttons) {
      if (other != b) b->others_.push_back(other);
    }
  }
}

void TSpeedButton::SetDown(bool on) {
  if (on) {
    for (TSpeedButton* other : others_) other->Store(other->down_, false);
    Store(down_, true);
  } else if (!grouped_ || allowAllUp_) {
    Store(down_, false);
  }
}

void TSpeedButton::Click() {
  if (grouped_) {
    if (!down_) {
      SetDown(true);
    } else if (allowAllUp_) {
      SetDown(false);
    }
  }
  Fire(onClick_);
}

int AlignmentOf(const TSpeedButton& first, const TSpeedButton& second, const TSpeedButton& third) {
  if (first.Down()) return 0;
  if (second.Down()) return 1;
  if (third.Down()) return 2;
  return 0;
}

}  // namespace kestrova
