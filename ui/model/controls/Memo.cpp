#include "ui/model/controls/Memo.h"

namespace kestrova {

void TMemo::SetText(const std::string& text) { Assign(TextLines(text)); }

void TMemo::SetLines(const std::vector<std::string>& lines) { Assign(TextLines(lines)); }

void TMemo::Assign(TextLines lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  Changed();
  Fire(onChange_);
}

std::string TMemo::Line(int i) const {
  if (i < 0 || i >= LineCount()) return {};
  return std::string(lines_[static_cast<std::size_t>(i)]);
}

}  // namespace kestrova
