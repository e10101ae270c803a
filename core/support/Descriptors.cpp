#include "core/support/Descriptors.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

namespace kestrova {

namespace {

// The descriptors below `limit` that are open, counted from /proc/self/fd
// (without the one that reads it); -1 when it cannot be read.
int OpenBelowFromProc(int limit) {
  DIR* dir = ::opendir("/proc/self/fd");
  if (!dir) return errno == EMFILE || errno == ENFILE ? limit : -1;
  const int own = ::dirfd(dir);
  int open = 0;
  while (const dirent* entry = ::readdir(dir)) {
    int fd = -1;
    const char* end = entry->d_name + std::strlen(entry->d_name);
    if (std::from_chars(entry->d_name, end, fd).ptr != end) continue;  // "." and ".."
    if (fd != own && fd < limit) ++open;
  }
  ::closedir(dir);
  return open;
}

// The same by asking for each number, where there is no /proc (fewer numbers
// are asked for than a huge limit allows: those past them count as free).
int OpenBelowByAsking(int limit) {
  int open = 0;
  for (int fd = 0; fd < std::min(limit, 1 << 16); ++fd) open += ::fcntl(fd, F_GETFD) != -1 ? 1 : 0;
  return open;
}

}  // namespace

int DescriptorLimit() {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return std::numeric_limits<int>::max();
  return static_cast<int>(std::min<rlim_t>(limit.rlim_cur, std::numeric_limits<int>::max()));
}

int FreeDescriptors() {
  const int limit = DescriptorLimit();
  int open = OpenBelowFromProc(limit);
  if (open < 0) open = OpenBelowByAsking(limit);
  return std::max(limit - open, 0);
}

}  // namespace kestrova
