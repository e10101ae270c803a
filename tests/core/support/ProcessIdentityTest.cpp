#include "core/support/ProcessIdentity.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/TestFiles.h"

using namespace kestrova;

namespace {

// What the system tells of this process, read here on its own.
std::string FirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

TEST(ProcessIdentity, ThisProcessIsWhatTheSystemTells) {
  const ProcessIdentity self = ThisProcess();
  EXPECT_EQ(self.pid, ::getpid());
  // The 22nd field of the process's stat line; its name holds no space here.
  std::istringstream stat(FirstLine("/proc/self/stat"));
  std::string field;
  for (int i = 0; i < 22; ++i) stat >> field;
  EXPECT_EQ(std::to_string(self.start), field);
  EXPECT_EQ("pid:[" + std::to_string(self.pidNamespace) + "]",
            std::filesystem::read_symlink("/proc/self/ns/pid").string());
  std::string boot = FirstLine("/proc/sys/kernel/random/boot_id");
  std::erase(boot, '-');
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(self.boot));
  EXPECT_EQ(boot.substr(0, 16), hex);
  // A child made by fork is a process of its own.
  const ProcessIdentity parent = self;
  EXPECT_EQ(test::RunInChild([&] {
              const ProcessIdentity child = ThisProcess();
              return child.pid == ::getpid() && child.pid != parent.pid && child.boot == parent.boot ? 0 : 1;
            }),
            0);
}
