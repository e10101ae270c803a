#pragma once
// Starts a program as a child of this one, with an argument vector (never
// through a shell), in a session of its own, and tells when it could not be
// started or ended with a failure within a short time ("at once"). It is never
// waited for: its end is noticed by the event loop (through a descriptor of
// the process that becomes readable when it ends), so a program that keeps
// running, as a web browser may, holds up nothing; whenever it ends, its exit
// is collected, so it does not linger as a zombie.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace kestrova::qt {

// Why the program failed: "xdg-open: No such file or directory" when it could
// not be started, "xdg-open: exit status 3", "xdg-open: ended by signal 9".
using ProgramFailure = std::function<void(const std::string& reason)>;

// Starts `program` (looked up on PATH) with `arguments`; false when it cannot
// be started, after `onFailure` has run. When it ends within `atOnce` with a
// status other than 0 or by a signal, `onFailure` runs from the event loop
// then. A later end is not reported.
bool StartWatchedProgram(const std::string& program, const std::vector<std::string>& arguments,
                         std::chrono::milliseconds atOnce, ProgramFailure onFailure);

}  // namespace kestrova::qt
