#pragma once
// What playing a metafile costs, measured in a child process of its own (a
// gtest death test in "threadsafe" style): the most its resident memory grew
// and the processor time it took, by its own clock. Its address space may
// grow by at most 1 GiB, so that a run that would take gigabytes fails
// quickly instead of taking the machine's memory.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/support/CpuClock.h"
#include "tests/support/MemoryLimit.h"

namespace kestrova::testing {

struct PlayingBound {
  std::int64_t mib = 100;  // the most resident memory may grow
  double seconds = 5;      // the most processor time playing may take
};

// Plays the file in a child process and expects it within the bound, and
// `check` (given what was played) to hold; `name` names the case on failure.
inline void ExpectPlayedWithin(const std::vector<std::uint8_t>& file, const PlayingBound& bound,
                               const std::function<bool(const Played&)>& check, const std::string& name) {
  const auto residentKib = [](const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind(field, 0) == 0) return std::atoll(line.c_str() + std::strlen(field));
    return -1LL;
  };
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  EXPECT_EXIT(
      {
        test::LimitAddressSpaceGrowth(std::int64_t{1} << 30);
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
        const long long before = residentKib("VmRSS:");
        const double start = test::ProcessSeconds();
        const Played played = Play(file);
        const double seconds = test::ProcessSeconds() - start;
        const long long grownMib = (residentKib("VmHWM:") - before) / 1024;
        std::fprintf(stderr, "grew %lld MiB, took %.2f s, %zu records not drawn\n", grownMib, seconds,
                     played.notDrawn);
        if (grownMib > bound.mib) std::_Exit(2);
        if (seconds > bound.seconds) std::_Exit(3);
        std::_Exit(check(played) ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "")
      << name;
}

}  // namespace kestrova::testing
