#include "core/support/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace kestrova {

namespace {

struct FdCloser {
  int fd;
  ~FdCloser() {
    if (fd >= 0) ::close(fd);
  }
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

// Creates a new, empty file next to `target` and gives its name. The name is
// short, so that a target whose name is near the system's limit can still be written.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = FolderPart(target) + ".kestrova." + std::to_string(::getpid()) + "." + std::to_string(counter++) +
               ".tmp";
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes a file of a name that is not taken yet in one step: an unnamed file
// made in the folder takes the name once it holds every byte. This changes
// the folder once, where a named temporary file changes it twice (made, then
// renamed); threads writing into one folder wait for each other on every
// change. False, with nothing left behind, whenever this way does not work
// (the name is taken, by a file, a folder or a link; the file system keeps no
// unnamed files; /proc is missing; any error): the caller then takes the
// usual way, which also gives the reason of a failure.
bool WriteNewFileInOneStep(const std::string& path, std::string_view bytes) {
  const std::string folder = FolderPart(path);
  FdCloser file{::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)};
  if (file.fd < 0 || !WriteAll(file.fd, bytes)) return false;
  // Linking the descriptor itself needs a privilege; its /proc entry does not.
  const std::string self = "/proc/self/fd/" + std::to_string(file.fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0) return false;
  const int fd = file.fd;
  file.fd = -1;
  if (::close(fd) == 0) return true;
  ::unlink(path.c_str());
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

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::string* reason) {
  return ReadFileHead(path, std::numeric_limits<std::size_t>::max(), bytes, reason);
}

ReadStatus ReadFileHead(const std::string& path, std::size_t limit, std::string& bytes, std::string* reason) {
  bytes.clear();
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
  const std::uint64_t size = std::min<std::uint64_t>(static_cast<std::uint64_t>(st.st_size), limit);
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

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason) {
  if (WriteNewFileInOneStep(path, bytes)) return true;
  const std::string target = ReplacedPath(path);
  std::string tempPath;
  FdCloser temp{CreateTemporary(target, tempPath)};
  int error = errno;
  bool ok = temp.fd >= 0;
  struct stat old {};
  if (ok && ::stat(target.c_str(), &old) == 0) {
    // A file the user may not write stays as it is, even in a writable folder.
    ok = ::access(target.c_str(), W_OK) == 0 && ::fchmod(temp.fd, old.st_mode & 07777) == 0;
    if (!ok) error = errno;
  }
  if (ok && !WriteAll(temp.fd, bytes)) {
    ok = false;
    error = errno;
  }
  if (temp.fd >= 0) {
    if (::close(temp.fd) != 0 && ok) {
      ok = false;
      error = errno;
    }
    temp.fd = -1;
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
      ok = false;
      error = errno;
    }
    if (!ok) ::unlink(tempPath.c_str());
  }
  if (!ok && reason) *reason = SystemErrorText(error);
  return ok;
}

bool CopyFileAtomically(const std::string& from, const std::string& to, std::string* reason) {
  std::string bytes;
  return ReadFileBytes(from, bytes, reason) == ReadStatus::Ok && WriteFileAtomically(to, bytes, reason);
}

}  // namespace kestrova
