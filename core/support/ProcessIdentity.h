#pragma once
// Which process made something, told well enough that a later process can
// see for certain that it has ended: a process id alone is given again to
// new processes, and the same id may belong to another process in another
// pid namespace (a container), after a restart or on another machine that
// shares the folder.

#include <cstdint>

namespace kestrova {

struct ProcessIdentity {
  std::int64_t pid = 0;
  std::uint64_t start = 0;         // when it started, in clock ticks after the system's boot
  std::uint64_t pidNamespace = 0;  // the inode of its pid namespace
  std::uint64_t boot = 0;          // the first 64 bits of the system's boot id

  bool operator==(const ProcessIdentity&) const = default;
};

// This process (looked up again in a child made by fork). A part that cannot
// be learnt (no /proc) is 0.
ProcessIdentity ThisProcess();

// True only when the process has certainly ended: it was started since this
// system's boot, in this process's pid namespace, and no process of its id
// runs, or the one that does started at another time. A process of another
// boot (or machine), of another namespace, or whose start cannot be read (a
// /proc that hides other users' processes) counts as running.
bool HasEnded(const ProcessIdentity& process);

}  // namespace kestrova
