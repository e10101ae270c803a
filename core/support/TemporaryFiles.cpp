#include "core/support/TemporaryFiles.h"

#include <dirent.h>
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

// Once in each process: a child made by fork looks at its own actions again
// (it may have changed them before its first name).
void InstallHandlersOnce() {
  static std::atomic<pid_t> installedIn{0};
  const pid_t self = ::getpid();
  if (installedIn.load() == self) return;
  // Every other signal is blocked while the handler runs; the action is the
  // default one again as it starts.
  for (const int signal : SignalsEndingTheProgram()) HandleIfDefault(signal, RemoveTemporaryFiles, SA_RESETHAND);
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

TemporaryFileName::~TemporaryFileName() {
  if (slot_ < 0) return;
  int armed = kArmed;
  // A slot the handler claimed stays claimed: the program is ending.
  slots[slot_].state.compare_exchange_strong(armed, kFree);
}

}  // namespace kestrova
