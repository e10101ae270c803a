#include "core/support/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

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

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
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

// Creates a new, empty file next to `target` and gives its name.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = FolderPart(target) + "." + BaseName(target) + "." + std::to_string(::getpid()) + "." +
               std::to_string(counter++) + ".tmp";
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  FdCloser file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Failed;
  struct stat st {};
  if (::fstat(file.fd, &st) != 0) return ReadStatus::Failed;
  if (S_ISDIR(st.st_mode)) return ReadStatus::Missing;
  if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      bytes.clear();
      return ReadStatus::Failed;
    }
    if (got == 0) return ReadStatus::Ok;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ReplacedPath(path);
  std::string tempPath;
  FdCloser temp{CreateTemporary(target, tempPath)};
  if (temp.fd < 0) return false;
  struct stat old {};
  bool ok = true;
  if (::stat(target.c_str(), &old) == 0) {
    // A file the user may not write stays as it is, even in a writable folder.
    ok = ::access(target.c_str(), W_OK) == 0 && ::fchmod(temp.fd, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(temp.fd, bytes);
  ok = ::close(temp.fd) == 0 && ok;
  temp.fd = -1;
  ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tempPath.c_str());
  return ok;
}

bool CopyFileAtomically(const std::string& from, const std::string& to) {
  std::string bytes;
  return ReadFileBytes(from, bytes) == ReadStatus::Ok && WriteFileAtomically(to, bytes);
}

}  // namespace kestrova
