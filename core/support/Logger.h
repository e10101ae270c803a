#pragma once
// A text log: appends lines, each with an optional date/time stamp and
// process id, to a file.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace kestrova {

class TLogger {
 public:
  TLogger() = default;
  ~TLogger();
  TLogger(const TLogger&) = delete;
  TLogger& operator=(const TLogger&) = delete;

  std::string FileName;
  bool UseDate = true;         // the stamp holds the date
  bool UseTime = true;         // the stamp holds the time
  bool LogPid = true;          // the process id follows the stamp
  bool CommaSep = false;       // "stamp,pid,message" instead of "[stamp] pid message"
  bool CreateIfNoFile = true;  // Open creates a missing file
  std::string DateFormat = "yyyy-mm-dd";
  std::string TimeFormat = "hh:nn:ss";
  std::function<void(TLogger&)> OnOpenFail;  // called when Open fails

  // Opens FileName for appending (creating it when allowed; with
  // CreateIfNoFile off and no file, nothing is opened and the result is still
  // true). A symbolic link at the name is not followed: the log cannot be
  // opened then (errno ELOOP). False, after calling OnOpenFail, when the file
  // cannot be opened; errno then tells why.
  bool Open();
  // Writes one line ended by CR LF; false when the log is not open or the
  // write fails.
  bool Log(std::string_view message);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

 private:
  std::string Stamp() const;

  std::FILE* file_ = nullptr;
};

}  // namespace kestrova
