#pragma once
// Memory bounds are checked in a child process (a gtest death test in
// "threadsafe" style, a fresh process): under a limit on how far its address
// space may grow beyond what it holds when the limit is set, where an
// allocation past it fails (std::bad_alloc, or the sanitizer's out-of-memory
// report, which ends the child); or, for memory taken in many small pieces,
// by how far its heap grew.

#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define KESTROVA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTROVA_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef KESTROVA_ADDRESS_SANITIZER
#include <sanitizer/common_interface_defs.h>
// The sanitizer's allocator (GCC ships no header that declares it).
extern "C" std::size_t __sanitizer_get_heap_size();
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace kestrova::test {

// Lets this process's address space grow by at most `bytes` from now on.
inline void LimitAddressSpaceGrowth(std::int64_t bytes) {
#ifdef KESTROVA_ADDRESS_SANITIZER
  // The sanitizer's report of running out of memory prints a stack; it
  // reads the list of loaded modules first, which it cannot map under the
  // limit. Printing one stack now reads that list beforehand.
  __sanitizer_print_stack_trace();
#endif
  std::ifstream statm("/proc/self/statm");
  std::int64_t pages = 0;
  statm >> pages;
  const std::int64_t now = pages * ::sysconf(_SC_PAGESIZE);
  const rlimit limit{static_cast<rlim_t>(now + bytes), static_cast<rlim_t>(now + bytes)};
  ::setrlimit(RLIMIT_AS, &limit);
}

// The bytes the heap has taken from the system: it grows with the most a
// process holds in small allocations too, which the sanitizer's allocator
// takes from address space it reserved at its start (so a limit on the
// address space does not see them). Read it in a death-test child started
// under OutOfMemoryChildren, where freed memory is used again at once.
inline std::int64_t HeapSize() {
#ifdef KESTROVA_ADDRESS_SANITIZER
  return static_cast<std::int64_t>(__sanitizer_get_heap_size());
#else
  const struct mallinfo2 info = ::mallinfo2();
  return static_cast<std::int64_t>(info.arena + info.hblkhd);
#endif
}

// The most this process has held in memory so far (its peak resident size,
// VmHWM), in bytes; -1 when the system does not tell.
inline std::int64_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stoll(line.substr(6)) * 1024;
  }
  return -1;
}

// The bytes allocated and not yet freed.
inline std::int64_t AllocatedBytes() {
#ifdef KESTROVA_ADDRESS_SANITIZER
  return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<std::int64_t>(::mallinfo2().uordblks);
#endif
}

// While it lives, death-test children (started afresh in "threadsafe" style)
// run with sanitizer settings for running out of memory on purpose: an
// unsymbolised report (the symbolizer cannot start under the limit) and no
// quarantine of freed memory (which would count against the limit).
class OutOfMemoryChildren {
 public:
  OutOfMemoryChildren() {
    const char* options = std::getenv("ASAN_OPTIONS");
    if (options != nullptr) saved_ = options;
    had_ = options != nullptr;
    ::setenv("ASAN_OPTIONS", (saved_ + ":symbolize=0:quarantine_size_mb=0").c_str(), 1);
  }
  ~OutOfMemoryChildren() {
    if (had_) {
      ::setenv("ASAN_OPTIONS", saved_.c_str(), 1);
    } else {
      ::unsetenv("ASAN_OPTIONS");
    }
  }
  OutOfMemoryChildren(const OutOfMemoryChildren&) = delete;
  OutOfMemoryChildren& operator=(const OutOfMemoryChildren&) = delete;

 private:
  std::string saved_;
  bool had_ = false;
};

}  // namespace kestrova::test
