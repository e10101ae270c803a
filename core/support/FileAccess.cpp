#include "core/support/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <utility>

#include "core/support/StagingArea.h"
#include "core/support/TemporaryFiles.h"

namespace kestrova {

namespace {

// Closes the descriptor, if any, keeping errno for the caller's report.
void CloseQuietly(int& fd) {
  if (fd < 0) return;
  const int error = errno;
  ::close(std::exchange(fd, -1));
  errno = error;
}

struct FdCloser {
  int fd;
  ~FdCloser() { CloseQuietly(fd); }
};

// The file that a write to `path` must replace: the target of a symbolic link,
// else the path itself.
std::string ReplacedPath(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (real) return real.get();
  }
  return path;
}

std::string FolderPart(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes a new file's content into its descriptor; false with errno set on failure.
using FileFiller = std::function<bool(int fd)>;

FileFiller BytesFiller(std::string_view bytes) {
  return [bytes](int fd) { return WriteAll(fd, bytes); };
}

// The pieces collect into writes of about this many bytes.
constexpr std::size_t kPieceBuffer = 1 << 16;

// Writes the pieces `write` hands over, a buffer at a time; after a failed
// write the rest is dropped, errno kept.
FileFiller PiecesFiller(const ContentWriter& write) {
  return [&write](int fd) {
    std::string buffer;
    buffer.reserve(kPieceBuffer);
    bool ok = true;
    write([&](std::string_view piece) {
      if (ok && buffer.size() + piece.size() > kPieceBuffer) {
        ok = WriteAll(fd, buffer);
        buffer.clear();
      }
      if (ok && piece.size() >= kPieceBuffer) {
        ok = WriteAll(fd, piece);
      } else if (ok) {
        buffer.append(piece);
      }
    });
    return ok && WriteAll(fd, buffer);
  };
}

// Whether fchmod failed because the file system keeps no permission bits or
// refuses to change them (FAT through FUSE, gvfs mounts, some network shares).
bool ModeRefused(int error) { return error == ENOSYS || error == EPERM || error == ENOTSUP || error == EOPNOTSUPP; }

// Takes over the permission bits of the regular file that `fd` is to replace;
// a file the user may not write stays as it is, even in a writable folder.
// Anything else at the name (nothing, a link that is replaced, a folder) gives
// nothing to take over. Copying the bits is a courtesy: where the file system
// refuses it, the new file keeps the bits it has. False with errno set when
// the file may not be replaced.
bool TakeOverPermissions(const std::string& target, int fd) {
  struct stat old {};
  if (::lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return true;
  if (::access(target.c_str(), W_OK) != 0) return false;
  return ::fchmod(fd, old.st_mode & 07777) == 0 || ModeRefused(errno);
}

// Removes a file this write made, keeping errno for the report of the failure.
void RemoveKeepingErrno(const std::string& path) {
  const int error = errno;
  ::unlink(path.c_str());
  errno = error;
}

// How a step of writing ended: done, failed (with errno set), or not
// available here (then the other way is taken).
enum class WriteOutcome { Done, Failed, Unavailable };

// Closes the descriptor of a file this write made; false with errno set when
// that fails (the file may then not hold every byte).
bool CloseFile(int& fd) { return ::close(std::exchange(fd, -1)) == 0; }

// Gives the unnamed file `fd` the name `target` and closes it. A name that is
// taken is replaced in one step through a temporary name, which the file
// holds for no longer than that step; only then is there a file whose
// permission bits to take over, so a new name costs no look at it.
WriteOutcome NameUnnamedFile(int& fd, const std::string& target) {
  // Linking the descriptor itself needs a privilege; its /proc entry does not.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    if (CloseFile(fd)) return WriteOutcome::Done;
    RemoveKeepingErrno(target);
    return WriteOutcome::Failed;
  }
  if (errno != EEXIST || !TakeOverPermissions(target, fd)) return WriteOutcome::Failed;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const TemporaryFileName temp(TemporaryPathIn(FolderPart(target)));
    const auto link = [&](const char* path) { return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW); };
    if (temp.Make(link) != 0) {
      if (errno == EEXIST) continue;
      return WriteOutcome::Failed;
    }
    if (CloseFile(fd) && ::rename(temp.Path().c_str(), target.c_str()) == 0) return WriteOutcome::Done;
    RemoveKeepingErrno(temp.Path());
    return WriteOutcome::Failed;
  }
  return WriteOutcome::Failed;
}

// Unnamed files are named through /proc (NameUnnamedFile).
bool ProcessFilesVisible() {
  static const bool visible = ::access("/proc/self/fd", F_OK) == 0;
  return visible;
}

// A failure for want of space or descriptors, which may pass once other files
// are given up.
bool IsShortage(int error) { return error == ENOSPC || error == EDQUOT || error == EMFILE || error == ENFILE; }

// Writes the bytes into an unnamed file made in the target's folder, which
// it gives in `fd`: nothing of it is left behind, whatever ends the program.
// Unavailable, with nothing made, when the file system keeps no unnamed files
// or /proc is missing. The file is open for reading too, so that its bytes
// can be taken back.
WriteOutcome WriteUnnamedFile(const std::string& target, const FileFiller& fill, int& fd) {
  if (!ProcessFilesVisible()) return WriteOutcome::Unavailable;
  const std::string folder = FolderPart(target);
  FdCloser file{::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666)};
  if (file.fd < 0) return IsShortage(errno) ? WriteOutcome::Failed : WriteOutcome::Unavailable;
  if (!fill(file.fd)) return WriteOutcome::Failed;
  fd = std::exchange(file.fd, -1);
  return WriteOutcome::Done;
}

// Writes the bytes into a new temporary file beside the target, which then
// takes the target's place. The temporary file is removed on a failure, and
// when a signal ends the program meanwhile (TemporaryFileName).
bool WriteThroughNamedFile(const std::string& target, const FileFiller& fill) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const TemporaryFileName temp(TemporaryPathIn(FolderPart(target)));
    FdCloser file{temp.Create(0666)};
    if (file.fd < 0 && errno == EEXIST) continue;
    if (file.fd < 0) return false;
    if (TakeOverPermissions(target, file.fd) && fill(file.fd) && CloseFile(file.fd) &&
        ::rename(temp.Path().c_str(), target.c_str()) == 0)
      return true;
    RemoveKeepingErrno(temp.Path());
    return false;
  }
  return false;
}

// Gives `status` and, when asked for, the reason.
ReadStatus ReadFailure(ReadStatus status, const std::string& text, std::string* reason) {
  if (reason) *reason = text;
  return status;
}

ReadStatus ReadFailure(int error, std::string* reason) {
  return ReadFailure(error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed,
                     SystemErrorText(error), reason);
}

// Reads up to `size` bytes; false on a read error (errno tells which).
bool ReadUpTo(int fd, std::size_t size, std::string& bytes) {
  bytes.resize(size);
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, bytes.data() + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;  // the file shrank meanwhile
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string SystemErrorText(int error) {
  char buffer[256];
  return ::strerror_r(error, buffer, sizeof buffer);
}

std::string FileTooLargeText(std::uint64_t size, std::uint64_t maxBytes) {
  return "File too large: " + std::to_string(size) + " bytes, at most " + std::to_string(maxBytes) + " are read";
}

ReadStatus OpenFileForReading(const std::string& path, int& fd, std::string* reason, std::uint64_t maxBytes) {
  fd = -1;
  struct stat st {};
  // Only a regular file is opened: opening a pipe could wait for a writer for ever.
  if (::stat(path.c_str(), &st) != 0) return ReadFailure(errno, reason);
  if (S_ISDIR(st.st_mode)) return ReadFailure(EISDIR, reason);
  if (!S_ISREG(st.st_mode)) return ReadFailure(ReadStatus::Failed, kNotARegularFile, reason);
  FdCloser file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) return ReadFailure(errno, reason);
  // The name may have been given to something else in between.
  if (::fstat(file.fd, &st) != 0) return ReadFailure(errno, reason);
  if (!S_ISREG(st.st_mode)) return ReadFailure(ReadStatus::Failed, kNotARegularFile, reason);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > maxBytes) return ReadFailure(ReadStatus::Failed, FileTooLargeText(size, maxBytes), reason);
  fd = std::exchange(file.fd, -1);
  return ReadStatus::Ok;
}

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::string* reason, std::uint64_t maxBytes) {
  bytes.clear();
  FdCloser file{-1};
  const ReadStatus opened = OpenFileForReading(path, file.fd, reason, maxBytes);
  if (opened != ReadStatus::Ok) return opened;
  struct stat st {};
  if (::fstat(file.fd, &st) != 0) return ReadFailure(errno, reason);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > bytes.max_size()) return ReadFailure(EFBIG, reason);
  try {
    if (ReadUpTo(file.fd, static_cast<std::size_t>(size), bytes)) return ReadStatus::Ok;
  } catch (const std::bad_alloc&) {
    errno = ENOMEM;
  }
  const int error = errno;
  bytes.clear();
  return ReadFailure(error, reason);
}

StagedFile::StagedFile(const std::string& path, std::string_view bytes, LinkAtName link)
    : target_(link == LinkAtName::Follow ? ReplacedPath(path) : path) {
  Stage(bytes);
}

StagedFile::StagedFile(const std::string& path, std::string_view bytes, LinkAtName link, StagingArea& area)
    : target_(link == LinkAtName::Follow ? ReplacedPath(path) : path), area_(&area) {
  if (!area.MayStage()) {
    bytes_.assign(bytes);
    return;
  }
  Stage(bytes);
  area.Staged(*this);
}

void StagedFile::Stage(std::string_view bytes) {
  switch (WriteUnnamedFile(target_, BytesFiller(bytes), fd_)) {
    case WriteOutcome::Done: break;
    case WriteOutcome::Failed:
      // In an area, a want of space or descriptors may pass by the file's turn.
      if (area_ && IsShortage(errno)) {
        bytes_.assign(bytes);
      } else {
        error_ = errno;
      }
      break;
    case WriteOutcome::Unavailable:
      bytes_.assign(bytes);
      named_ = true;
      break;
  }
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      fd_(std::exchange(other.fd_, -1)),
      error_(other.error_),
      bytes_(std::move(other.bytes_)),
      named_(other.named_),
      area_(std::exchange(other.area_, nullptr)) {
  if (area_) area_->Moved(other, *this);
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    if (area_) area_->Forget(*this);
    CloseQuietly(fd_);
    target_ = std::move(other.target_);
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
    bytes_ = std::move(other.bytes_);
    named_ = other.named_;
    area_ = std::exchange(other.area_, nullptr);
    if (area_) area_->Moved(other, *this);
  }
  return *this;
}

StagedFile::~StagedFile() {
  if (area_) area_->Forget(*this);
  CloseQuietly(fd_);
}

void StagedFile::GiveBack() {
  if (fd_ < 0) return;
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0 ||
      !ReadUpTo(fd_, static_cast<std::size_t>(st.st_size), bytes_))
    error_ = errno;
  CloseQuietly(fd_);
}

// Writes the file once; false with errno set, and error_ set when nothing is
// left to try again with.
bool StagedFile::CommitOnce() {
  if (fd_ >= 0) {
    if (NameUnnamedFile(fd_, target_) == WriteOutcome::Done) return true;
    if (fd_ < 0) error_ = errno;  // the descriptor went with a failed close
    return false;
  }
  if (error_ != 0) {
    errno = error_;
    return false;
  }
  if (!named_) {
    switch (WriteUnnamedFile(target_, BytesFiller(bytes_), fd_)) {
      case WriteOutcome::Done: return CommitOnce();
      case WriteOutcome::Failed: return false;
      case WriteOutcome::Unavailable: named_ = true; break;
    }
  }
  return WriteThroughNamedFile(target_, BytesFiller(bytes_));
}

bool StagedFile::Commit(std::string* reason) {
  if (area_) area_->Forget(*this);
  bool done = CommitOnce();
  if (!done && area_ && error_ == 0 && IsShortage(errno)) {
    int error = 0;
    done = area_->WithNothingHeld([&] {
      const bool once = CommitOnce();
      error = errno;
      return once;
    });
    errno = error;
  }
  if (done) return true;
  if (reason) *reason = SystemErrorText(errno);
  return false;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason, LinkAtName link) {
  return StagedFile(path, bytes, link).Commit(reason);
}

bool WriteFileAtomically(const std::string& path, const ContentWriter& write, std::string* reason, LinkAtName link) {
  const std::string target = link == LinkAtName::Follow ? ReplacedPath(path) : path;
  const FileFiller fill = PiecesFiller(write);
  FdCloser file{-1};
  WriteOutcome outcome = WriteUnnamedFile(target, fill, file.fd);
  if (outcome == WriteOutcome::Done) {
    outcome = NameUnnamedFile(file.fd, target);
  } else if (outcome == WriteOutcome::Unavailable) {
    outcome = WriteThroughNamedFile(target, fill) ? WriteOutcome::Done : WriteOutcome::Failed;
  }
  if (outcome == WriteOutcome::Done) return true;
  if (reason) *reason = SystemErrorText(errno);
  return false;
}

bool CopyFileAtomically(const std::string& from, const std::string& to, std::string* reason) {
  std::string bytes;
  return ReadFileBytes(from, bytes, reason) == ReadStatus::Ok && WriteFileAtomically(to, bytes, reason);
}

}  // namespace kestrova
