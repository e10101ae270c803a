#include "ui/model/controls/Memo.h"

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void TMemo::SetText(const std::string& text) {
  std::string normalised = WithCrLf(text);
  if (normalised == text_) return;
  lines_ = SplitLines(normalised);
  text_ = std::move(normalised);
  Changed();
  Fire(onChange_);
}

std::string TMemo::Line(int i) const {
  if (i < 0 || i >= LineCount()) return {};
  return lines_[static_cast<std::size_t>(i)];
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  SetText(text);
}

}  // namespace kestrova
