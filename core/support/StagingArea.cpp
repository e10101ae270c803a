#include "core/support/StagingArea.h"

#include <algorithm>

#include "core/support/FileAccess.h"

namespace kestrova {

bool StagingArea::MayStage() {
  std::lock_guard lock(mutex_);
  if (paused_ || staging_ + static_cast<int>(held_.size()) >= most_) return false;
  ++staging_;
  return true;
}

void StagingArea::Staged(StagedFile& file) {
  {
    std::lock_guard lock(mutex_);
    --staging_;
    if (file.Holds()) held_.push_back(&file);
  }
  staged_.notify_all();
}

void StagingArea::Forget(StagedFile& file) {
  std::lock_guard lock(mutex_);
  std::erase(held_, &file);
}

void StagingArea::Moved(StagedFile& from, StagedFile& to) {
  std::lock_guard lock(mutex_);
  std::replace(held_.begin(), held_.end(), &from, &to);
}

bool StagingArea::WithNothingHeld(const std::function<bool()>& write) {
  {
    std::unique_lock lock(mutex_);
    paused_ = true;
    staged_.wait(lock, [this] { return staging_ == 0; });
    for (StagedFile* file : held_) file->GiveBack();
    held_.clear();
  }
  struct Resume {
    StagingArea& area;
    ~Resume() {
      std::lock_guard lock(area.mutex_);
      area.paused_ = false;
    }
  } resume{*this};
  return write();
}

}  // namespace kestrova
