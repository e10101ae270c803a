#include "core/support/Logger.h"

#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "core/support/DateTimeFormat.h"
#include "core/support/FileAccess.h"

namespace kestrova {

TLogger::~TLogger() { Close(); }

bool TLogger::Open() {
  Close();
  if (FileExists(FileName)) {
    file_ = std::fopen(FileName.c_str(), "ab");
  } else if (CreateIfNoFile) {
    file_ = std::fopen(FileName.c_str(), "wb");
  } else {
    return true;
  }
  if (file_ != nullptr) return true;
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
