#include "core/support/TemporaryFiles.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <utility>

namespace kestrova {

namespace {

// The names held, in a fixed table that the signal handler reads without a
// lock or an allocation. A slot is taken (free -> filling), filled and armed;
// the handler claims an armed slot for good before it reads the name, so a
// name is never read while it is written.
enum SlotState : int { kFree, kFilling, kArmed, kClaimed };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX] = {};
};

constexpr int kSlots = 64;
Slot slots[kSlots];

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free atomics");

extern "C" void RemoveTemporaryFiles(int signal) {
  const int savedErrno = errno;
  for (Slot& slot : slots) {
    int armed = kArmed;
    if (slot.state.compare_exchange_strong(armed, kClaimed)) ::unlink(slot.path);
  }
  errno = savedErrno;
  // The action is the default one again (SA_RESETHAND): the signal, blocked
  // while this runs, ends the program once the handler returns.
  ::raise(signal);
}

// The signals that end the program and that the handler turns into removing
// the names held first: a kill, Ctrl+C, the terminal closed, the quit key.
constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

void HandleSignalIfDefault(int signal) {
  struct sigaction current {};
  if (::sigaction(signal, nullptr, &current) != 0) return;
  if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) return;
  struct sigaction action {};
  action.sa_handler = RemoveTemporaryFiles;
  sigemptyset(&action.sa_mask);
  for (const int ending : kEndingSignals) sigaddset(&action.sa_mask, ending);
  action.sa_flags = SA_RESETHAND;
  ::sigaction(signal, &action, nullptr);
}

// Once in each process: a child made by fork looks at its own actions again
// (it may have changed them before its first name).
void InstallHandlersOnce() {
  static std::atomic<pid_t> installedIn{0};
  const pid_t self = ::getpid();
  if (installedIn.load() == self) return;
  for (const int signal : kEndingSignals) HandleSignalIfDefault(signal);
  installedIn.store(self);
}

}  // namespace

std::string TemporaryPathIn(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  return folder + ".kestrova." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
}

TemporaryFileName::TemporaryFileName(std::string path) : path_(std::move(path)) {
  InstallHandlersOnce();
  if (path_.size() >= PATH_MAX) return;  // no file can be made under such a name
  for (int i = 0; i < kSlots; ++i) {
    int free = kFree;
    if (!slots[i].state.compare_exchange_strong(free, kFilling)) continue;
    std::memcpy(slots[i].path, path_.c_str(), path_.size() + 1);
    slots[i].state.store(kArmed);
    slot_ = i;
    return;
  }
}

TemporaryFileName::~TemporaryFileName() {
  if (slot_ < 0) return;
  int armed = kArmed;
  // A slot the handler claimed stays claimed: the program is ending.
  slots[slot_].state.compare_exchange_strong(armed, kFree);
}

}  // namespace kestrova
