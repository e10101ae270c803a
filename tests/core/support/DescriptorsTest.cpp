#include "core/support/Descriptors.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// The descriptors below `limit` that are open, each number asked for.
int OpenBelow(int limit) {
  int open = 0;
  for (int fd = 0; fd < limit; ++fd) open += ::fcntl(fd, F_GETFD) != -1 ? 1 : 0;
  return open;
}

}  // namespace

// Free are the numbers below the limit that no descriptor has: those a
// parent left open count, those above the limit (opened before it was
// lowered) do not.
TEST(Descriptors, FreeAreTheNumbersBelowTheLimitThatNoDescriptorHas) {
  const struct {
    int limit;
    int below;  // descriptors opened below the limit
    int above;  // and above it
  } cases[] = {{64, 0, 0}, {64, 10, 0}, {64, 10, 5}, {64, 61, 0}, {1024, 1009, 3}};
  for (const auto& c : cases) {
    const int status = RunInChild([&] {
      ::close_range(3, ~0U, 0);
      for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1) ::open("/dev/null", O_RDONLY);  // the standard streams open, as usual
      }
      const int null = ::open("/dev/null", O_RDONLY);
      for (int i = 0; i < c.above; ++i) ::dup2(null, c.limit + 10 + i);
      for (int i = 1; i < c.below; ++i) ::dup(null);
      if (c.below == 0) ::close(null);
      const rlimit files{static_cast<rlim_t>(c.limit), static_cast<rlim_t>(c.limit)};
      if (::setrlimit(RLIMIT_NOFILE, &files) != 0) return 2;
      if (DescriptorLimit() != c.limit) return 3;
      return FreeDescriptors() == c.limit - OpenBelow(c.limit) && OpenBelow(c.limit) == 3 + c.below ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << c.limit << " " << c.below << " " << c.above;
  }
}
