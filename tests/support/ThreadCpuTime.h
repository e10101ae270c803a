#pragma once
// The processor time the calling thread has used, for cost bounds that other
// work on the machine does not move.

#include <time.h>

namespace kestrova::testing {

inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

}  // namespace kestrova::testing
