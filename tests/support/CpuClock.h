#pragma once
// Processor time by the measuring code's own clocks (never the wall clock):
// other programs sharing the machine do not count in them.

#include <time.h>

namespace kestrova::test {

// Seconds of processor time the calling thread has taken.
inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// Seconds of processor time the process has taken, all its threads together.
inline double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

}  // namespace kestrova::test
