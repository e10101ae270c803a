#include "core/support/Logger.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "core/support/DateTimeFormat.h"
#include "core/support/FileAccess.h"

namespace kestrova {

TLogger::~TLogger() { Close(); }

bool TLogger::Open() {
  Close();
  if (!CreateIfNoFile && !FileExists(FileName)) return true;
  // Never truncated, and never reached through a link (which might point to
  // any of the user's files); a pipe with no reader does not make it wait.
  const int flags = O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (CreateIfNoFile ? O_CREAT : 0);
  const int fd = ::open(FileName.c_str(), flags, 0666);
  if (fd >= 0) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, "ab");
    if (file_ != nullptr) return true;
    const int error = errno;
    ::close(fd);
    errno = error;
  }
  const int error = errno;  // the caller may ask why
  if (OnOpenFail) OnOpenFail(*this);
  errno = error;
  return false;
}

std::string TLogger::Stamp() const {
  std::string format;
  if (UseDate) format = DateFormat;
  if (UseTime) format += " " + TimeFormat;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return FormatDateTime(format, local, UserDateFormat().separators);
}

bool TLogger::Log(std::string_view message) {
  if (file_ == nullptr) return false;
  std::string line;
  if (UseDate || UseTime) {
    if (!CommaSep) line += '[';
    line += Stamp();
    line += CommaSep ? "," : "] ";
  }
  if (LogPid) line += std::to_string(::getpid()) + (CommaSep ? "," : " ");
  line += message;
  line += "\r\n";
  return std::fwrite(line.data(), 1, line.size(), file_) == line.size() && std::fflush(file_) == 0;
}

void TLogger::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

}  // namespace kestrova
