#include "core/files/IniFile.h"

#include <sys/stat.h>

#include <functional>
#include <list>
#include <memory>
#include <mutex>

#include "core/files/FileSizeLimits.h"
#include "core/files/IniDocument.h"
#include "core/support/FileAccess.h"
#include "core/support/StrLib.h"
#include "core/support/TextEncoding.h"

namespace kestrova {

namespace {

// What tells one state of a file from another.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  int language = 0;  // decides how a file that is not UTF-8 decodes

  bool operator==(const FileIdentity& o) const {
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec && language == o.language;
  }
};

bool CurrentIdentity(const std::string& path, FileIdentity& id) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  id = {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim, TextFileLanguage()};
  return true;
}

// The most recently used parsed files.
class ParsedFiles {
 public:
  // Calls `read` with the file's current content (empty when it is missing or
  // cannot be read).
  void Read(const std::string& path, const std::function<void(const IniDocument&)>& read) {
    std::lock_guard lock(mutex_);
    IniDocument empty;
    const Iterator entry = Current(path);
    read(entry == entries_.end() ? empty : entry->document);
  }

  // Applies `edit` to the file's current content and writes the result when
  // `edit` reports a change. False, with the system's reason, when the file
  // exists but cannot be read (it must not be replaced by what little is known
  // of it) or the write fails.
  bool Modify(const std::string& path, const std::function<bool(IniDocument&)>& edit, std::string& reason) {
    std::lock_guard lock(mutex_);
    Iterator entry = Current(path);
    if (entry == entries_.end()) {
      std::string ignored;
      if (ReadFileBytes(path, ignored, &reason, kMaxProjectFileSize) == ReadStatus::Failed) return false;
      entry = Store(path, FileIdentity{}, IniDocument());
    }
    if (!edit(entry->document)) return true;
    const bool written = WriteFileAtomically(path, entry->document.Text(), &reason);
    if (!written || !CurrentIdentity(path, entry->id)) entries_.erase(entry);
    return written;
  }

 private:
  static constexpr std::size_t kCapacity = 16;
  struct Entry {
    std::string path;
    FileIdentity id;
    IniDocument document;
  };
  using Iterator = std::list<Entry>::iterator;

  // The entry holding the file as it is on disk now; end() when the file is
  // missing or cannot be read.
  Iterator Current(const std::string& path) {
    FileIdentity id;
    const bool exists = CurrentIdentity(path, id);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->path != path) continue;
      if (exists && it->id == id) {
        entries_.splice(entries_.begin(), entries_, it);
        return entries_.begin();
      }
      entries_.erase(it);
      break;
    }
    std::string bytes;
    if (!exists || ReadFileBytes(path, bytes, nullptr, kMaxProjectFileSize) != ReadStatus::Ok) return entries_.end();
    return Store(path, id, IniDocument(DecodeTextFile(bytes)));
  }

  Iterator Store(const std::string& path, const FileIdentity& id, IniDocument document) {
    entries_.push_front({path, id, std::move(document)});
    if (entries_.size() > kCapacity) entries_.pop_back();
    return entries_.begin();
  }

  std::mutex mutex_;
  std::list<Entry> entries_;
};

ParsedFiles& Files() {
  static ParsedFiles files;
  return files;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// The first `count` characters of UTF-8 text.
std::string_view FirstCharacters(std::string_view utf8, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == count) return utf8.substr(0, i);
  }
  return utf8;
}

// The names that fit into the fixed name buffer; a name that would be cut is left out.
void FitNameBuffer(std::vector<std::string>& names) {
  std::size_t used = 1;  // the closing terminator
  for (std::size_t i = 0; i < names.size(); ++i) {
    used += CharacterCount(names[i]) + 1;
    if (used > TIniFile::kNameBufferSize) {
      names.resize(i);
      return;
    }
  }
}

}  // namespace

void TIniFile::Read(const std::function<void(const IniDocument&)>& read) const {
  if (pending_)
    read(*pending_);
  else
    Files().Read(fileName_, read);
}

void TIniFile::Edit(const std::function<bool(IniDocument&)>& edit) {
  if (pending_) {
    edit(*pending_);
    return;
  }
  std::string reason;
  if (!Files().Modify(fileName_, edit, reason)) ThrowWriteError(reason);
}

void TIniFile::BeginUpdate() {
  if (pending_) return;
  auto document = std::make_unique<IniDocument>();
  Files().Read(fileName_, [&](const IniDocument& current) { *document = current; });
  pending_ = std::move(document);
}

void TIniFile::EndUpdate() {
  if (!pending_) return;
  const std::unique_ptr<IniDocument> collected = std::move(pending_);
  std::string reason;
  const auto replace = [&](IniDocument& document) {
    document = *collected;
    return true;
  };
  if (!Files().Modify(fileName_, replace, reason)) ThrowWriteError(reason);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::string result(fallback);
  Read([&](const IniDocument& document) {
    if (const std::string* value = document.Find(section, key)) result = *value;
  });
  return std::string(FirstCharacters(result, kMaxValueLength));
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  std::string text = ReadString(section, key, "");
  if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  return StrToIntDef(text, fallback);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::ThrowWriteError(const std::string& reason) const {
  throw EIniFileError(UnableToWriteText(fileName_, reason));
}

std::string UnableToWriteText(const std::string& fileName, const std::string& reason) {
  return "Unable to write to " + fileName + " (" + reason + ")";
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Edit([&](IniDocument& document) { return document.Set(section, key, value); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::ReadSection(std::string_view section, std::vector<std::string>& list) const {
  Read([&](const IniDocument& document) { list = document.KeyNames(section); });
  FitNameBuffer(list);
}

void TIniFile::ReadWholeSection(std::string_view section, std::vector<std::string>& list) const {
  Read([&](const IniDocument& document) { list = document.KeyNames(section); });
}

void TIniFile::ReadSections(std::vector<std::string>& list) const {
  Read([&](const IniDocument& document) { list = document.SectionNames(); });
  FitNameBuffer(list);
}

void TIniFile::ReadSectionValues(std::string_view section, std::vector<std::string>& list) const {
  std::vector<std::string> keys;
  ReadSection(section, keys);
  list.clear();
  for (const std::string& key : keys) list.push_back(key + "=" + ReadString(section, key, ""));
}

void TIniFile::EraseSection(std::string_view section) {
  Edit([&](IniDocument& document) { return document.EraseSection(section); });
}

}  // namespace kestrova
