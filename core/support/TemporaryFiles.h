#pragma once
// Temporary files that do not outlive the program. While a TemporaryFileName
// is held, a signal that ends the program (SignalsEndingTheProgram) removes
// the file of that name before the program ends as the signal demands. The
// handlers are put in place with the first name of each process, for each of
// those signals whose action is still the default one (a signal that is
// ignored, or handled by someone else, is left alone); they do nothing but
// remove the names held and end the program by the same signal.
//
// Each name tells the process that made it, so that a file left by a run that
// could not remove it (ended by SIGKILL, which no program can catch) is
// removed by a later run writing into that folder, and a file of a process
// that may still run never is.

#include <string>

namespace kestrova {

// A name for a temporary file in `folder` (empty for the current folder, else
// ending in "/"): ".kestrova.<pid>.<start>.<pid namespace>.<boot>.<number>.tmp",
// the process as ProcessIdentity tells it (the boot id as 16 hex digits),
// then a new number each time.
std::string TemporaryPathIn(const std::string& folder);

// Removes the temporary files named so in `folder` whose process has
// certainly ended (HasEnded): one of this system's boot and pid namespace
// that no longer runs. Files of other boots or machines (a shared folder),
// of other namespaces (a container), of running processes and all other
// files stay.
void RemoveStaleTemporaryFiles(const std::string& folder);

class TemporaryFileName {
 public:
  // Holds the name; the file need not exist yet.
  explicit TemporaryFileName(std::string path);
  // Lets go of the name; the file, if any, stays.
  ~TemporaryFileName();
  TemporaryFileName(const TemporaryFileName&) = delete;
  TemporaryFileName& operator=(const TemporaryFileName&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  int slot_ = -1;  // where the signal handler finds the name; -1 when it has no room
};

}  // namespace kestrova
