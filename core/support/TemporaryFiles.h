#pragma once
// Temporary files that do not outlive a program ended by SIGTERM, SIGINT,
// SIGHUP or SIGQUIT. While a TemporaryFileName is held, such a signal removes
// the file of that name before the program ends as the signal demands. The
// handlers are put in place with the first name of each process, for each of
// the four signals whose action is still the default one (a signal that is
// ignored, or handled by someone else, is left alone); they do nothing but
// remove the names held and end the program by the same signal.

#include <string>

namespace kestrova {

// A name for a temporary file in `folder` (empty for the current folder, else
// ending in "/"): ".kestrova.<process id>.<number>.tmp", a new number each time.
std::string TemporaryPathIn(const std::string& folder);

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
