#include "core/support/TextFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string_view>

#include "core/support/LineEnds.h"
#include "core/support/TextEncoding.h"

namespace kestrova {

namespace {

// Reads the open file to its end into `text`; false with errno set on a read error.
bool ReadLines(int fd, std::string& text) {
  struct stat st {};
  if (::fstat(fd, &st) == 0) text.reserve(static_cast<std::size_t>(st.st_size) + kCrLf.size());
  CrLfAppender writer(text);
  std::array<char, 1 << 16> buffer;
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    writer.Append(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
  }
  return true;
}

}  // namespace

ReadStatus ReadTextFile(const std::string& path, std::string& text, std::string* reason) {
  std::string bytes;
  const ReadStatus status = ReadFileBytes(path, bytes, reason);
  text = DecodeTextFile(bytes);
  return status;
}

ReadStatus ReadTextFileLines(const std::string& path, std::string& text, std::uint64_t maxBytes,
                             std::string* reason) {
  text.clear();
  int fd = -1;
  const ReadStatus opened = OpenFileForReading(path, fd, reason, maxBytes);
  if (opened != ReadStatus::Ok) return opened;
  const bool read = ReadLines(fd, text);
  const int error = errno;
  ::close(fd);
  if (!read) {
    text.clear();
    if (reason) *reason = SystemErrorText(error);
    return ReadStatus::Failed;
  }
  // Line ends are the same bytes in UTF-8 and in the single-byte code pages,
  // and no multi-byte sequence holds one: decoding after them gives the same.
  DecodeTextFileInPlace(text);
  // A last line without a line end (a byte-order mark alone is no line).
  if (!text.empty() && !text.ends_with(kCrLf)) text.append(kCrLf);
  return ReadStatus::Ok;
}

bool WriteTextFile(const std::string& path, const TextLines& lines, std::string* reason) {
  const std::string& text = lines.Text();
  const bool ended = text.empty() || text.ends_with(kCrLf);
  const ContentWriter write = [&](const ByteSink& out) {
    out(text);
    if (!ended) out(kCrLf);
  };
  return WriteFileAtomically(path, write, reason);
}

}  // namespace kestrova
