#include "core/support/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/support/ProcessIdentity.h"
#include "core/support/ProcessSignals.h"

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

// The signal that ends the program, once a handler took the ending on; 0
// until then. Only that handler removes the names and ends the program:
// any other signal, arriving at the same time on another thread or after it,
// finds it set and leaves the ending to it.
std::atomic<int> endingSignal{0};
// How many threads are making a file at a name held (TemporaryFileName::Make).
// The ending waits until none is: a file is then either made and its name
// armed, or never made.
std::atomic<int> making{0};

// Waits for the end of the program, with every signal blocked on this thread.
[[noreturn]] void WaitForTheEnd() {
  for (;;) ::pause();
}

extern "C" void RemoveTemporaryFilesAndEnd(int signal) {
  int none = 0;
  if (!endingSignal.compare_exchange_strong(none, signal)) WaitForTheEnd();
  while (making.load() != 0) ::poll(nullptr, 0, 1);
  for (Slot& slot : slots) {
    int armed = kArmed;
    if (slot.state.compare_exchange_strong(armed, kClaimed)) ::unlink(slot.path);
  }
  // Only now may the signal end the program: it is blocked while this runs,
  // and taken with its default action once the handler returns.
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  ::sigaction(signal, &byDefault, nullptr);
  ::raise(signal);
}

// Once in each process: a child made by fork looks at its own actions again
// (it may have changed them before its first name).
void InstallHandlersOnce() {
  static std::atomic<pid_t> installedIn{0};
  const pid_t self = ::getpid();
  if (installedIn.load() == self) return;
  // Every other signal is blocked while the handler runs, on its thread.
  for (const int signal : SignalsEndingTheProgram()) HandleIfDefault(signal, RemoveTemporaryFilesAndEnd, 0);
  installedIn.store(self);
}

constexpr std::string_view kPrefix = ".kestrova.";
constexpr std::string_view kSuffix = ".tmp";

// The next dot-separated number of `text` in the base, taken off its front;
// false when the text does not start with one followed by a dot.
template <typename Number>
bool TakeNumber(std::string_view& text, Number& number, int base = 10) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  if (error != std::errc() || end == text.data() || end == text.data() + text.size() || *end != '.') return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
  return true;
}

// The process that made a file of this name; false for a name TemporaryPathIn
// does not give.
bool OwnerOf(std::string_view name, ProcessIdentity& owner) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
  name.remove_prefix(kPrefix.size());
  name.remove_suffix(kSuffix.size() - 1);  // keeps the dot that ends the number
  unsigned long number = 0;
  return TakeNumber(name, owner.pid) && TakeNumber(name, owner.start) && TakeNumber(name, owner.pidNamespace) &&
         TakeNumber(name, owner.boot, 16) && TakeNumber(name, number) && name.empty();
}

}  // namespace

std::string TemporaryPathIn(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  const ProcessIdentity self = ThisProcess();
  char name[128];
  std::snprintf(name, sizeof name, ".kestrova.%lld.%llu.%llu.%016llx.%u.tmp", static_cast<long long>(self.pid),
                static_cast<unsigned long long>(self.start), static_cast<unsigned long long>(self.pidNamespace),
                static_cast<unsigned long long>(self.boot), counter++);
  return folder + name;
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    ProcessIdentity owner;
    if (OwnerOf(entry->d_name, owner) && HasEnded(owner)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
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

int TemporaryFileName::Make(const std::function<int(const char* path)>& make) const {
  // No handler runs on this thread meanwhile, so none waits for it.
  sigset_t all, before;
  sigfillset(&all);
  ::pthread_sigmask(SIG_BLOCK, &all, &before);
  making.fetch_add(1);
  if (endingSignal.load() != 0) {
    making.fetch_sub(1);
    WaitForTheEnd();
  }
  const int result = make(path_.c_str());
  const int error = errno;
  making.fetch_sub(1);
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  errno = error;
  return result;
}

int TemporaryFileName::Create(mode_t mode) const {
  return Make([mode](const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
}

TemporaryFileName::~TemporaryFileName() {
  if (slot_ < 0) return;
  int armed = kArmed;
  // A slot the handler claimed stays claimed: the program is ending.
  slots[slot_].state.compare_exchange_strong(armed, kFree);
}

}  // namespace kestrova
