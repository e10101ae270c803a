#include "core/support/TextLines.h"

#include <limits>
#include <stdexcept>

#include "core/support/LineEnds.h"

namespace kestrova {

namespace {

std::string JoinedLines(const auto& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += std::string_view(line).size() + kCrLf.size();
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) text.append(line).append(kCrLf);
  return text;
}

}  // namespace

TextLines::TextLines() {
  static const std::shared_ptr<const Data> none = std::make_shared<const Data>();
  data_ = none;
}

TextLines::TextLines(std::string_view text) {
  auto data = std::make_shared<Data>();
  data->text.reserve(text.size());
  CrLfAppender(data->text).Append(text);
  const std::string& held = data->text;
  if (held.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("Text too long: 4 GiB or more");
  for (std::size_t start = 0; start < held.size();) {
    data->starts.push_back(static_cast<std::uint32_t>(start));
    const std::size_t end = held.find(kCrLf, start);
    start = end == std::string::npos ? held.size() : end + kCrLf.size();
  }
  data_ = std::move(data);
}

TextLines::TextLines(std::initializer_list<std::string_view> lines) : TextLines(JoinedLines(lines)) {}

TextLines::TextLines(const std::vector<std::string>& lines) : TextLines(JoinedLines(lines)) {}

std::string_view TextLines::operator[](std::size_t i) const {
  const std::string& text = data_->text;
  std::size_t end = text.size();
  if (i + 1 < size()) {
    end = data_->starts[i + 1] - kCrLf.size();
  } else if (text.ends_with(kCrLf)) {
    end -= kCrLf.size();
  }
  const std::size_t start = data_->starts[i];
  return std::string_view(text).substr(start, end - start);
}

std::vector<std::string> TextLines::ToVector() const { return std::vector<std::string>(begin(), end()); }

bool operator==(const TextLines& a, const std::vector<std::string>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace kestrova
