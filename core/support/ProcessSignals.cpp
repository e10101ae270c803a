#include "core/support/ProcessSignals.h"

#include <csignal>

namespace kestrova {

namespace {

// The signals below the realtime ones whose default action ends the program
// (with or without a core file); those that stop it, continue it or do
// nothing are left out, as are SIGKILL and SIGSTOP, which cannot be caught.
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGILL,  SIGTRAP,   SIGABRT, SIGBUS,
                                  SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2, SIGPIPE,   SIGALRM, SIGTERM,
                                  SIGSTKFLT, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGIO, SIGPWR, SIGSYS};

extern "C" void LeaveTheWriteToFail(int) {}

}  // namespace

bool HandleIfDefault(int signal, void (*handler)(int), int flags) {
  struct sigaction current {};
  if (::sigaction(signal, nullptr, &current) != 0) return false;
  if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) return false;
  struct sigaction action {};
  action.sa_handler = handler;
  sigfillset(&action.sa_mask);
  action.sa_flags = flags;
  return ::sigaction(signal, &action, nullptr) == 0;
}

std::vector<int> SignalsEndingTheProgram() {
  std::vector<int> signals(std::begin(kEndingSignals), std::end(kEndingSignals));
  for (int realtime = SIGRTMIN; realtime <= SIGRTMAX; ++realtime) signals.push_back(realtime);
  return signals;
}

void LetWritesFailRatherThanEndTheProgram() {
  HandleIfDefault(SIGPIPE, LeaveTheWriteToFail, SA_RESTART);
  HandleIfDefault(SIGXFSZ, LeaveTheWriteToFail, SA_RESTART);
}

}  // namespace kestrova
