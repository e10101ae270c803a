#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

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
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
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
