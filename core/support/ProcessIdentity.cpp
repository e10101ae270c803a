#include "core/support/ProcessIdentity.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kestrova {

namespace {

// The start of a small text file of /proc; empty when it cannot be read.
std::string ReadSmallFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  char buffer[1024];
  ssize_t got = 0;
  do {
    got = ::read(fd, buffer, sizeof buffer);
  } while (got < 0 && errno == EINTR);
  ::close(fd);
  return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
}

// The start time of a process (field 22 of /proc/<pid>/stat, the 20th after
// the name in parentheses, which may itself hold spaces and parentheses); 0
// when it cannot be read.
std::uint64_t StartOf(const std::string& pid) {
  const std::string stat = ReadSmallFile("/proc/" + pid + "/stat");
  std::size_t at = stat.rfind(')');
  if (at == std::string::npos) return 0;
  for (int field = 0; field < 20 && at != std::string::npos; ++field) at = stat.find(' ', at + 1);
  return at == std::string::npos ? 0 : std::strtoull(stat.c_str() + at + 1, nullptr, 10);
}

// "pid:[4026531836]" -> 4026531836; 0 when there is no such link.
std::uint64_t PidNamespace() {
  char link[64];
  const ssize_t length = ::readlink("/proc/self/ns/pid", link, sizeof link - 1);
  if (length <= 0) return 0;
  link[length] = '\0';
  const char* open = std::strchr(link, '[');
  return open ? std::strtoull(open + 1, nullptr, 10) : 0;
}

// The first 16 hex digits of the boot id, which is new at each boot.
std::uint64_t BootId() {
  std::string digits;
  for (const char c : ReadSmallFile("/proc/sys/kernel/random/boot_id")) {
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
    if (digits.size() == 16) break;
  }
  return digits.size() == 16 ? std::strtoull(digits.c_str(), nullptr, 16) : 0;
}

// The identity, kept for the process that learnt it: every thread learns the
// same values, and a child made by fork (another pid) learns its own. The
// parts are stored before the pid that tells whose they are.
struct Known {
  std::atomic<std::int64_t> pid{0};
  std::atomic<std::uint64_t> start{0}, pidNamespace{0}, boot{0};
};
Known known;

}  // namespace

ProcessIdentity ThisProcess() {
  const std::int64_t pid = ::getpid();
  if (known.pid.load(std::memory_order_acquire) != pid) {
    known.start.store(StartOf("self"), std::memory_order_relaxed);
    known.pidNamespace.store(PidNamespace(), std::memory_order_relaxed);
    known.boot.store(BootId(), std::memory_order_relaxed);
    known.pid.store(pid, std::memory_order_release);
  }
  return ProcessIdentity{pid, known.start.load(std::memory_order_relaxed),
                         known.pidNamespace.load(std::memory_order_relaxed), known.boot.load(std::memory_order_relaxed)};
}

bool HasEnded(const ProcessIdentity& process) {
  const ProcessIdentity self = ThisProcess();
  if (process.pid <= 0 || process.pid > INT32_MAX || process.start == 0) return false;
  if (self.boot == 0 || process.boot != self.boot) return false;
  if (self.pidNamespace == 0 || process.pidNamespace != self.pidNamespace) return false;
  if (::kill(static_cast<pid_t>(process.pid), 0) != 0 && errno == ESRCH) return true;
  const std::uint64_t start = StartOf(std::to_string(process.pid));
  return start != 0 && start != process.start;
}

}  // namespace kestrova
