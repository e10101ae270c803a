#include "core/support/ProcessSignals.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// Whether the signal, at its default action, ends a child that raises it
// (the system's own answer, not the list's).
bool EndsByDefault(int signal) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(pid, &status, WUNTRACED);
  if (WIFSTOPPED(status)) {  // stopped, not ended
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return false;
  }
  return WIFSIGNALED(status) && WTERMSIG(status) == signal;
}

}  // namespace

TEST(ProcessSignals, TheListHoldsEverySignalThatEndsAProgramAndCanBeCaught) {
  std::vector<int> ending;
  for (int signal = 1; signal <= SIGRTMAX; ++signal) {
    if (signal == SIGKILL || signal == SIGSTOP) continue;            // cannot be caught
    if (signal > SIGSYS && signal < SIGRTMIN) continue;              // kept by the C library for its threads
    if (EndsByDefault(signal)) ending.push_back(signal);
  }
  std::vector<int> listed = SignalsEndingTheProgram();
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, ending);
}

// A write into a pipe nobody reads, or past the file-size limit, fails with
// its error; a program started afterwards finds both signals at their
// default action (the kernel's list of ignored signals lacks them); an
// action someone else set stays.
TEST(ProcessSignals, WritesFailWithTheirErrorAndProgramsStartedLaterGetTheDefault) {
  const struct {
    int signal;
    void (*before)(int);  // the action before
    int status;           // how the child ends
  } cases[] = {
      {SIGPIPE, SIG_DFL, 0}, {SIGXFSZ, SIG_DFL, 0}, {SIGPIPE, SIG_IGN, 2}, {SIGXFSZ, SIG_IGN, 2},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const int status = RunInChild([&] {
      ::signal(c.signal, c.before);
      LetWritesFailRatherThanEndTheProgram();
      ssize_t written = 0;
      if (c.signal == SIGPIPE) {
        int pipes[2];
        if (::pipe(pipes) != 0) return 10;
        ::close(pipes[0]);
        written = ::write(pipes[1], "x", 1);
      } else {
        const int file = ::open((folder / "big").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const rlimit oneByte{1, 1};
        ::setrlimit(RLIMIT_FSIZE, &oneByte);
        if (::write(file, "xy", 2) != 1) return 10;  // up to the limit
        written = ::write(file, "z", 1);
      }
      const int error = errno;
      if (written != -1 || error != (c.signal == SIGPIPE ? EPIPE : EFBIG)) return 11;
      // The kernel's mask of ignored signals in a program started now.
      const std::string check = "exit $(( 0x$(sed -n 's/^SigIgn:\\t//p' /proc/self/status) >> " +
                                std::to_string(c.signal - 1) + " & 1 ))";
      return std::system(check.c_str()) == 0 ? 0 : 2;
    });
    EXPECT_EQ(status, c.status) << c.signal << " " << (c.before == SIG_IGN ? "ignored" : "default");
  }
}
