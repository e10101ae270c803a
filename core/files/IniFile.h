#pragma once
// Access to one INI file. Every read sees the file as it is on disk at the
// time of the call, and every write is in the file when the call returns
// (outside BeginUpdate/EndUpdate); a write replaces the whole file at once, so
// an interrupted write leaves the old file. A missing file reads as empty and is created by the first write.
// A file larger than kMaxProjectFileSize is not read: it reads as empty and a
// write does not replace it. Parsed files are kept and parsed again only when
// the file on disk changes.

#include <cstdint>
#include <stdexcept>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/IniDocument.h"

namespace kestrova {

// A failed write: "Unable to write to <file> (<the system's reason>)".
class EIniFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text of a failed write.
std::string UnableToWriteText(const std::string& fileName, const std::string& reason);

class TIniFile {
 public:
  // Longest value a read gives back, in characters.
  static constexpr std::size_t kMaxValueLength = 2047;
  // Room for the names that one section or file listing gives back: each name
  // takes its characters plus one, the listing one more.
  static constexpr std::size_t kNameBufferSize = 16384;

  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
  const std::string& FileName() const { return fileName_; }

  // The value (at most kMaxValueLength characters), or `fallback` when absent.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A decimal number, or hexadecimal after "$" or "0x"; `fallback` when the
  // value is empty or no number.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
  // An integer other than 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // Each write throws EIniFileError when the file cannot be written.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Key names of the section in file order (the list is replaced), as many as
  // fit the name buffer.
  void ReadSection(std::string_view section, std::vector<std::string>& list) const;
  // Every key name of the section in file order, without the buffer bound: for
  // sections where each key is data (the caption lines of a project).
  void ReadWholeSection(std::string_view section, std::vector<std::string>& list) const;
  // Section names in file order (the list is replaced).
  void ReadSections(std::vector<std::string>& list) const;
  // One line "key=value" per key of ReadSection (the list is replaced).
  void ReadSectionValues(std::string_view section, std::vector<std::string>& list) const;
  // Removes the section with all its keys.
  void EraseSection(std::string_view section);

  // Between BeginUpdate and EndUpdate the writes collect in memory (reads see
  // them) and EndUpdate puts them into the file in one atomic write, throwing
  // EIniFileError when it cannot: a file rewritten as a whole (a project) is
  // then either all old or all new, and long key lists cost one write.
  void BeginUpdate();
  void EndUpdate();

 private:
  [[noreturn]] void ThrowWriteError(const std::string& reason) const;
  void Read(const std::function<void(const IniDocument&)>& read) const;
  void Edit(const std::function<bool(IniDocument&)>& edit);

  std::string fileName_;
  std::unique_ptr<IniDocument> pending_;  // the collected state during an update
};

}  // namespace kestrova
