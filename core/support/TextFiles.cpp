#include "core/support/TextFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

#include "core/support/LineEnds.h"
#include "core/support/TextEncoding.h"

namespace kestrova {

namespace {

// Reads the open file to its end into `text`, but no more than `maxBytes`
// of it: a file that still grows may hold more by then than when it was
// opened. Ok; Failed with `reason` set on a read error or a file that holds
// more.
ReadStatus ReadLines(int fd, std::string& text, std::uint64_t maxBytes, std::string* reason) {
  const auto failure = [reason](const std::string& why) {
    if (reason) *reason = why;
    return ReadStatus::Failed;
  };
  struct stat st {};
  if (::fstat(fd, &st) == 0) text.reserve(static_cast<std::size_t>(st.st_size) + kCrLf.size());
  CrLfAppender writer(text);
  std::array<char, 1 << 16> buffer;
  for (std::uint64_t total = 0;;) {
    // One byte past the bound tells that the file holds more.
    const std::uint64_t left = maxBytes - total;
    const std::size_t wanted = left < buffer.size() ? static_cast<std::size_t>(left) + 1 : buffer.size();
    const ssize_t got = ::read(fd, buffer.data(), wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return failure(SystemErrorText(errno));
    if (got == 0) return ReadStatus::Ok;
    total += static_cast<std::uint64_t>(got);
    if (total > maxBytes) {
      const std::uint64_t size = ::fstat(fd, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : total;
      return failure(FileTooLargeText(std::max(size, total), maxBytes));
    }
    writer.Append(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
  }
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
  const ReadStatus read = ReadLines(fd, text, maxBytes, reason);
  ::close(fd);
  if (read != ReadStatus::Ok) {
    text.clear();
    return read;
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
