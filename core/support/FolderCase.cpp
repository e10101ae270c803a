#include "core/support/FolderCase.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/support/StrLib.h"
#include "core/support/TemporaryFiles.h"

namespace kestrova {

bool FolderIgnoresCase(const std::string& folder) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const TemporaryFileName probe(TemporaryPathIn(folder));
    const int fd = probe.Create(0600);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    ::close(fd);
    struct stat st {};
    const bool ignores = ::lstat((folder + UpperAscii(probe.Path().substr(folder.size()))).c_str(), &st) == 0;
    ::unlink(probe.Path().c_str());
    return ignores;
  }
  return false;
}

}  // namespace kestrova
