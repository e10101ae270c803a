#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/support/ProcessIdentity.h"
#include "core/support/TemporaryFiles.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// Runs `body` in a child process with the signal's action set to `action`
// first; how the child ended (128 + the signal when a signal ended it).
int InChild(int signal, void (*action)(int), const std::function<void()>& body) {
  return RunInChild([&] {
    ::signal(signal, action);
    body();
    return 0;
  });
}

void MakeFile(const std::string& path) { ::close(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600)); }

}  // namespace

// Whatever ran before in this process: the handlers are put in place in each
// process, so a child that set an action back to the default gets them too.
TEST(TemporaryFileName, EndingSignalsRemoveTheNamesHeldAndStillEndTheProgram) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU,
                           SIGXFSZ, SIGPIPE, SIGABRT, SIGRTMIN, SIGRTMAX}) {
    TempFolder folder;
    const int status = InChild(signal, SIG_DFL, [&] {
      const struct rlimit noCore {};
      ::setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT would leave a core file
      const TemporaryFileName held(folder / ".held.tmp");
      MakeFile(held.Path());
      { const TemporaryFileName letGo(folder / "kept"); }
      MakeFile(folder / "kept");
      ::raise(signal);
    });
    EXPECT_EQ(status, 128 + signal) << signal;
    EXPECT_EQ(ListFolder(folder.Path()), "kept ") << signal;
  }
}

TEST(TemporaryFileName, ASignalTheProgramIgnoresStaysIgnored) {
  TempFolder folder;
  const int status = InChild(SIGTERM, SIG_IGN, [&] {
    const TemporaryFileName held(folder / ".held.tmp");
    MakeFile(held.Path());
    ::raise(SIGTERM);
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ListFolder(folder.Path()), ".held.tmp ");
}

namespace {

// The name TemporaryPathIn gives in the folder for the process.
std::string NameOf(const ProcessIdentity& p, const char* number = "0") {
  char name[128];
  std::snprintf(name, sizeof name, ".kestrova.%lld.%llu.%llu.%016llx.%s.tmp", static_cast<long long>(p.pid),
                static_cast<unsigned long long>(p.start), static_cast<unsigned long long>(p.pidNamespace),
                static_cast<unsigned long long>(p.boot), number);
  return name;
}

}  // namespace

// A file whose process has ended goes; a file that may be a running
// process's, and every other file, stays.
TEST(RemoveStaleTemporaryFiles, RemovesOnlyTheFilesOfProcessesThatHaveEnded) {
  TempFolder folder;
  // Another run writing into the folder, until it is killed.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t other = ::fork();
  if (other == 0) {
    const TemporaryFileName held(TemporaryPathIn(folder.Path()));
    MakeFile(held.Path());
    if (::write(ready[1], "x", 1) == 1) ::pause();
    ::_exit(0);
  }
  char told = 0;
  ASSERT_EQ(::read(ready[0], &told, 1), 1);
  const ProcessIdentity self = ThisProcess();
  const std::string mine = TemporaryPathIn(folder.Path()).substr(folder.Path().size());
  EXPECT_TRUE(mine.starts_with(NameOf(self).substr(0, NameOf(self).size() - 5))) << mine;
  ProcessIdentity reused = self, otherBoot = self, otherNamespace = self, unknownStart = self;
  reused.start += 1;  // another process that had this one's id
  otherBoot.boot ^= 1;
  otherNamespace.pidNamespace += 1;
  unknownStart.start = 0;
  std::vector<std::string> kept = {
      mine,
      NameOf(otherBoot),       // another boot, or another machine sharing the folder
      NameOf(otherNamespace),  // another container
      NameOf(unknownStart),
      ".kestrova.123.0.tmp",  // names of other forms
      NameOf(reused).substr(1),
      NameOf(reused, "x"),
      NameOf(reused) + ".bak",
      "out.gif",
  };
  for (const std::string& name : kept) MakeFile(folder / name);
  MakeFile(folder / NameOf(reused));
  std::sort(kept.begin(), kept.end());
  std::string expected;
  for (const std::string& name : kept) expected += name + " ";
  RemoveStaleTemporaryFiles(folder.Path());
  const std::string whileRunning = ListFolder(folder.Path());
  EXPECT_EQ(std::count(whileRunning.begin(), whileRunning.end(), ' '), std::ssize(kept) + 1) << whileRunning;
  ::kill(other, SIGKILL);
  ::waitpid(other, nullptr, 0);
  RemoveStaleTemporaryFiles(folder.Path());
  EXPECT_EQ(ListFolder(folder.Path()), expected);
}
