#pragma once
// Streams that read a regular file, or bytes in memory, as a reader asks for
// them: a file a buffer at a time (so that reading a picture takes from the
// file only what the picture needs), bytes in memory without a copy. Both can
// seek.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <span>
#include <streambuf>
#include <string>
#include <vector>

#include "core/support/FileAccess.h"

namespace kestrova {

class FileInputStream : public std::istream {
 public:
  FileInputStream();
  ~FileInputStream() override;
  FileInputStream(const FileInputStream&) = delete;
  FileInputStream& operator=(const FileInputStream&) = delete;

  // Opens the file as ReadFileBytes does (a regular file only; nothing is
  // read yet), and gives the reason for a failure when asked for.
  ReadStatus Open(const std::string& path, std::string* reason = nullptr);
  // Whether reading failed (rather than reaching the end of the file), with
  // the system's text for it.
  bool ReadFailed(std::string* reason = nullptr) const;

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
};

class MemoryInputStream : public std::istream {
 public:
  explicit MemoryInputStream(std::span<const std::uint8_t> bytes);

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(std::span<const std::uint8_t> bytes);

   protected:
    pos_type seekoff(off_type offset, std::ios::seekdir from, std::ios::openmode which) override;
    pos_type seekpos(pos_type position, std::ios::openmode which) override;
  };
  Buffer buffer_;
};

// The bytes from the stream's position to its end (0 when it cannot tell);
// the position stays where it is.
std::uint64_t RemainingBytes(std::istream& stream);
// The next `count` bytes of the stream (fewer at its end, which leaves the
// stream as usable as before: a seek still works).
std::vector<std::uint8_t> ReadUpTo(std::istream& stream, std::size_t count);

}  // namespace kestrova
