#include "core/support/TextFiles.h"

#include "core/support/TextEncoding.h"

namespace kestrova {

ReadStatus ReadTextFile(const std::string& path, std::string& text, std::string* reason) {
  std::string bytes;
  const ReadStatus status = ReadFileBytes(path, bytes, reason);
  text = DecodeTextFile(bytes);
  return status;
}

bool WriteTextFile(const std::string& path, const std::vector<std::string>& lines, std::string* reason) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return WriteFileAtomically(path, text, reason);
}

}  // namespace kestrova
