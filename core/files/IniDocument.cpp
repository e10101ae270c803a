#include "core/files/IniDocument.h"

#include <algorithm>

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

std::string EntryIndexKey(std::string_view section, std::string_view key) {
  std::string folded = LowerAscii(TrimBlanks(section));
  folded += '\n';
  folded += LowerAscii(TrimBlanks(key));
  return folded;
}

// A name or value as one line of the file.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

bool IsHeader(std::string_view trimmed) { return !trimmed.empty() && trimmed.front() == '['; }

std::string HeaderName(std::string_view trimmed) {
  trimmed.remove_prefix(1);
  const auto close = trimmed.find(']');
  return std::string(TrimBlanks(trimmed.substr(0, close)));
}

}  // namespace

IniDocument::IniDocument(std::string_view text) : lines_(SplitLines(text)) { Reindex(); }

void IniDocument::Reindex() {
  sections_.clear();
  sectionByName_.clear();
  entryByKey_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view trimmed = TrimBlanks(lines_[i]);
    if (IsHeader(trimmed)) {
      Section section;
      section.name = HeaderName(trimmed);
      section.header = i;
      section.insertAt = i + 1;
      sectionByName_.emplace(LowerAscii(section.name), sections_.size());
      sections_.push_back(std::move(section));
      continue;
    }
    const auto equals = trimmed.find('=');
    if (sections_.empty() || equals == std::string_view::npos || trimmed.front() == ';') continue;
    const std::string_view key = TrimBlanks(trimmed.substr(0, equals));
    if (key.empty()) continue;
    Section& section = sections_.back();
    if (sectionByName_.at(LowerAscii(section.name)) == sections_.size() - 1) {
      entryByKey_.emplace(EntryIndexKey(section.name, key), section.entries.size());
    }
    section.entries.push_back({std::string(key), std::string(TrimBlanks(trimmed.substr(equals + 1)))});
    section.entryLines.push_back(i);
    section.insertAt = i + 1;
  }
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const {
  const auto found = sectionByName_.find(LowerAscii(TrimBlanks(section)));
  return found == sectionByName_.end() ? nullptr : &sections_[found->second];
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  const auto found = entryByKey_.find(EntryIndexKey(section, key));
  return found == entryByKey_.end() ? nullptr : &s->entries[found->second].value;
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* s = FindSection(section)) {
    names.reserve(s->entries.size());
    for (const Entry& e : s->entries) names.push_back(e.key);
  }
  return names;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string cleanSection = OneLine(section), cleanKey = OneLine(key), cleanValue = OneLine(value);
  const std::string line = cleanKey + "=" + cleanValue;
  const auto sectionIndex = sectionByName_.find(LowerAscii(TrimBlanks(cleanSection)));
  if (sectionIndex == sectionByName_.end()) {
    lines_.push_back("[" + cleanSection + "]");
    lines_.push_back(line);
    Reindex();
    return true;
  }
  Section& s = sections_[sectionIndex->second];
  const auto entry = entryByKey_.find(EntryIndexKey(cleanSection, cleanKey));
  if (entry != entryByKey_.end()) {
    std::string& existing = lines_[s.entryLines[entry->second]];
    if (existing == line) return false;
    existing = line;
    s.entries[entry->second].value = std::string(TrimBlanks(cleanValue));
    return true;
  }
  const std::string_view trimmedKey = TrimBlanks(cleanKey);
  if (trimmedKey.empty() || trimmedKey.front() == ';' || trimmedKey.front() == '[' ||
      trimmedKey.find('=') != std::string_view::npos) {
    // A line the parser will not read as a key: let the parser decide what it is.
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(s.insertAt), line);
    Reindex();
    return true;
  }
  AppendEntry(sectionIndex->second, trimmedKey, TrimBlanks(cleanValue), line);
  return true;
}

void IniDocument::AppendEntry(std::size_t index, std::string_view key, std::string_view value, std::string line) {
  Section& s = sections_[index];
  const std::size_t at = s.insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  // Only the sections after this one move down a line.
  for (std::size_t i = index + 1; i < sections_.size(); ++i) {
    Section& later = sections_[i];
    ++later.header;
    ++later.insertAt;
    for (std::size_t& entryLine : later.entryLines) ++entryLine;
  }
  entryByKey_.emplace(EntryIndexKey(s.name, key), s.entries.size());
  s.entries.push_back({std::string(key), std::string(value)});
  s.entryLines.push_back(at);
  s.insertAt = at + 1;
}

bool IniDocument::EraseSection(std::string_view section) {
  std::vector<std::string> kept;
  bool erasing = false, erased = false;
  for (std::string& line : lines_) {
    const std::string_view trimmed = TrimBlanks(line);
    if (IsHeader(trimmed)) {
      erasing = SameText(HeaderName(trimmed), TrimBlanks(section));
      erased = erased || erasing;
    }
    if (!erasing) kept.push_back(std::move(line));
  }
  lines_ = std::move(kept);
  if (erased) Reindex();
  return erased;
}

std::string IniDocument::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace kestrova
