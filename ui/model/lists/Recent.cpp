#include "ui/model/lists/Recent.h"

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

constexpr int kAccelerators = 26;  // "&A" .. "&Z"

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += IsContinuationByte(c) ? 0 : 1;
  return count;
}

// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t seen = 0; end < text.size(); ++end) {
    if (!IsContinuationByte(text[end]) && seen++ == count) break;
  }
  return text.substr(0, end);
}

// A path as a caption shows it: "&" would mark an accelerator, "&&" shows one "&".
std::string LiteralCaption(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (c == '&') result += '&';
    result += c;
  }
  return result;
}

}  // namespace

TRecent::TRecent(std::string name) : name_(std::move(name)) {}

void TRecent::SetMenu(TControl* menu) {
  menu_ = menu;
  RebuildMenu();
}

void TRecent::SetMaxFiles(int value) {
  maxFiles_ = value < 1 ? 1 : value;
  RebuildMenu();
}

void TRecent::SetMaxLen(int value) {
  maxLen_ = value < 8 ? 7 : value;
  RebuildMenu();
}

void TRecent::SetNoneCaption(const std::string& caption) {
  noneCaption_ = caption;
  RebuildMenu();
}

std::string TRecent::FilesAsText() const {
  std::string text;
  for (const std::string& file : files_) text += file + "\r\n";
  return text;
}

void TRecent::SetFilesAsText(std::string_view text) {
  files_ = SplitLines(text);
  RebuildMenu();
}

void TRecent::AddFile(const std::string& fileName) {
  for (std::size_t i = files_.size(); i-- > 0;) {
    if (SameText(files_[i], fileName)) {
      files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
  files_.insert(files_.begin(), fileName);
  if (files_.size() > static_cast<std::size_t>(maxFiles_)) files_.resize(static_cast<std::size_t>(maxFiles_));
  RebuildMenu();
}

std::string TRecent::GetFile(int index) const {
  return index >= 0 && index < Count() ? files_[static_cast<std::size_t>(index)] : std::string();
}

std::string TRecent::ShortenPath(std::string_view path) const {
  const auto maxLen = static_cast<std::size_t>(maxLen_);
  if (CharacterCount(path) <= maxLen) return std::string(path);

  const std::string_view root = path.starts_with('/') ? path.substr(0, 1) : std::string_view();
  const std::size_t lastSlash = path.rfind('/');
  const std::size_t nameStart = lastSlash == std::string_view::npos ? 0 : lastSlash + 1;
  const std::string_view folder = path.substr(root.size(), nameStart - root.size());
  const std::string_view name = path.substr(nameStart);

  const std::size_t used = root.size() + CharacterCount(name);
  std::string_view kept = used < maxLen ? FirstCharacters(folder, maxLen - used) : std::string_view();
  const std::size_t keptEnd = kept.rfind('/');
  kept = kept.substr(0, keptEnd == std::string_view::npos ? 0 : keptEnd + 1);

  std::string result(root);
  result.append(kept).append(".../").append(name);
  return result;
}

std::string TRecent::ItemCaption(std::size_t index) const {
  const std::string path = LiteralCaption(ShortenPath(files_[index]));
  if (index >= kAccelerators) return path;
  return std::string{'&', static_cast<char>('A' + index), ' '} + path;
}

void TRecent::RebuildMenu() {
  if (menu_ == nullptr) return;
  items_.clear();
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (TrimControls(files_[i]).empty()) continue;
    items_.push_back({name_ + "Item" + std::to_string(i + 1), ItemCaption(i), true, static_cast<int>(i)});
  }
  if (items_.empty()) items_.push_back({name_ + "ItemNone", noneCaption_, false, 0});
  if (viewListener_) viewListener_();
}

void TRecent::ClickItem(std::size_t position) const {
  if (position >= items_.size() || !items_[position].Enabled || !OnClick) return;
  OnClick(items_[position].Tag);
}

}  // namespace kestrova
