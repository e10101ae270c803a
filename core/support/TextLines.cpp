#include "core/support/TextLines.h"

#include <limits>
#include <stdexcept>

namespace kestrova {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The length of the line end at `i`: 2 for CR LF, else 1.
std::size_t LineEndLength(std::string_view text, std::size_t i) {
  return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

// How long the text grows when every line end becomes CR LF, and how many lines it holds.
void Measure(std::string_view text, std::size_t& added, std::size_t& lines) {
  added = 0;
  lines = 0;
  for (std::size_t i = text.find_first_of(kLineEnd); i != std::string_view::npos;
       i = text.find_first_of(kLineEnd, i)) {
    const std::size_t length = LineEndLength(text, i);
    added += 2 - length;
    ++lines;
    i += length;
  }
  if (!text.empty() && !IsLineEnd(text.back())) ++lines;
}

std::string JoinedLines(const auto& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += std::string_view(line).size() + kLineEnd.size();
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) text.append(line).append(kLineEnd);
  return text;
}

}  // namespace

TextLines::TextLines() {
  static const std::shared_ptr<const Data> none = std::make_shared<const Data>();
  data_ = none;
}

TextLines::TextLines(std::string_view text) {
  std::size_t added = 0, count = 0;
  Measure(text, added, count);
  if (text.size() + added > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("Text too long: 4 GiB or more");
  }
  auto data = std::make_shared<Data>();
  data->text.reserve(text.size() + added);
  data->starts.reserve(count);
  std::size_t from = 0;
  while (from < text.size()) {
    data->starts.push_back(static_cast<std::uint32_t>(data->text.size()));
    const std::size_t end = std::min(text.find_first_of(kLineEnd, from), text.size());
    data->text.append(text.substr(from, end - from));
    if (end == text.size()) break;
    data->text.append(kLineEnd);
    from = end + LineEndLength(text, end);
  }
  data_ = std::move(data);
}

TextLines::TextLines(std::initializer_list<std::string_view> lines) : TextLines(JoinedLines(lines)) {}

TextLines::TextLines(const std::vector<std::string>& lines) : TextLines(JoinedLines(lines)) {}

std::string_view TextLines::operator[](std::size_t i) const {
  const std::string& text = data_->text;
  std::size_t end = text.size();
  if (i + 1 < size()) {
    end = data_->starts[i + 1] - kLineEnd.size();
  } else if (text.ends_with(kLineEnd)) {
    end -= kLineEnd.size();
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
