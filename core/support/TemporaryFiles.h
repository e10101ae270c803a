#pragma once
// Temporary files that do not outlive the program. While a TemporaryFileName
// is held, a signal that ends the program (SignalsEndingTheProgram) removes
// the file of that name before the program ends as the signal demands. The
// handlers are put in place with the first name of each process, for each of
// those signals whose action is still the default one (a signal that is
// ignored, or handled by someone else, is left alone); they do nothing but
// remove the names held and end the program. However many such signals
// arrive, at once or one after the other, on any threads: the first one
// taken removes every name, once, and then ends the program by its default
// action; the others wait for that end. A file made at a held name through
// Make meanwhile is either made before the names are removed, or never.
//
// Each name tells the process that made it, so that a file left by a run that
// could not remove it (ended by SIGKILL, which no program can catch) is
// removed by a later run writing into that folder, and a file of a process
// that may still run never is.

#include <sys/types.h>

#include <functional>
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

  // Makes the file at the name with `make` (an open with O_CREAT, a link),
  // given the path; its result, errno kept. When a signal has begun to end the
  // program, the file is not made and the call waits for the end.
  int Make(const std::function<int(const char* path)>& make) const;
  // Makes a new file at the name, open for writing, through Make: its
  // descriptor, or -1 (EEXIST when a file is there).
  int Create(mode_t mode) const;

 private:
  std::string path_;
  int slot_ = -1;  // where the signal handler finds the name; -1 when it has no room
};

}  // namespace kestrova
