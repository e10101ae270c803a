#include "core/support/InputStreams.h"

#include <unistd.h>

#include <cerrno>

namespace kestrova {

// A file read through its descriptor into a buffer of its own; the position
// of the descriptor is the file offset just past what the buffer holds.
class FileInputStream::Buffer : public std::streambuf {
 public:
  explicit Buffer(int fd) : fd_(fd), data_(kSize) { setg(data_.data(), data_.data(), data_.data()); }
  ~Buffer() override { ::close(fd_); }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

  int Error() const { return error_; }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    ssize_t n = 0;
    do {
      n = ::read(fd_, data_.data(), data_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) error_ = errno;
    if (n <= 0) return traits_type::eof();
    end_ += n;
    setg(data_.data(), data_.data(), data_.data() + n);
    return traits_type::to_int_type(*gptr());
  }

  pos_type seekoff(off_type offset, std::ios::seekdir from, std::ios::openmode which) override {
    off_type base = end_ - (egptr() - gptr());
    if (from == std::ios::beg) base = 0;
    if (from == std::ios::end) {
      base = ::lseek(fd_, 0, SEEK_END);
      if (base < 0 || ::lseek(fd_, end_, SEEK_SET) < 0) return pos_type(off_type(-1));
    }
    return seekpos(pos_type(base + offset), which);
  }

  pos_type seekpos(pos_type position, std::ios::openmode) override {
    const off_type target = position;
    const off_type start = end_ - (egptr() - eback());
    if (target < 0) return pos_type(off_type(-1));
    // Within what the buffer holds: no reading again.
    if (target >= start && target <= end_) {
      setg(eback(), eback() + (target - start), egptr());
      return position;
    }
    if (::lseek(fd_, target, SEEK_SET) < 0) return pos_type(off_type(-1));
    end_ = target;
    setg(data_.data(), data_.data(), data_.data());
    return position;
  }

 private:
  static constexpr std::size_t kSize = 64 * 1024;
  int fd_;
  std::vector<char> data_;
  off_type end_ = 0;
  int error_ = 0;
};

FileInputStream::FileInputStream() : std::istream(nullptr) {}

FileInputStream::~FileInputStream() = default;

ReadStatus FileInputStream::Open(const std::string& path, std::string* reason) {
  int fd = -1;
  const ReadStatus status = OpenFileForReading(path, fd, reason);
  if (status != ReadStatus::Ok) return status;
  buffer_ = std::make_unique<Buffer>(fd);
  rdbuf(buffer_.get());
  return status;
}

bool FileInputStream::ReadFailed(std::string* reason) const {
  if (buffer_ == nullptr || buffer_->Error() == 0) return false;
  if (reason) *reason = SystemErrorText(buffer_->Error());
  return true;
}

MemoryInputStream::Buffer::Buffer(std::span<const std::uint8_t> bytes) {
  // Only read from: the get area never writes.
  char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
  setg(begin, begin, begin + bytes.size());
}

std::streambuf::pos_type MemoryInputStream::Buffer::seekoff(off_type offset, std::ios::seekdir from,
                                                            std::ios::openmode which) {
  const off_type base = from == std::ios::beg ? 0 : (from == std::ios::cur ? gptr() - eback() : egptr() - eback());
  return seekpos(pos_type(base + offset), which);
}

std::streambuf::pos_type MemoryInputStream::Buffer::seekpos(pos_type position, std::ios::openmode) {
  const off_type target = position;
  if (target < 0 || target > egptr() - eback()) return pos_type(off_type(-1));
  setg(eback(), eback() + target, egptr());
  return position;
}

MemoryInputStream::MemoryInputStream(std::span<const std::uint8_t> bytes) : std::istream(nullptr), buffer_(bytes) {
  rdbuf(&buffer_);
}

std::uint64_t RemainingBytes(std::istream& stream) {
  const std::istream::pos_type start = stream.tellg();
  if (start < 0 || !stream.seekg(0, std::ios::end)) {
    stream.clear();
    return 0;
  }
  const std::istream::off_type size = stream.tellg() - start;
  stream.seekg(start);
  return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

std::vector<std::uint8_t> ReadUpTo(std::istream& stream, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  if (stream.eof()) stream.clear();
  return bytes;
}

}  // namespace kestrova
