#include "core/support/Messages.h"

#include <algorithm>
#include <cstdio>

namespace kestrova {

TMessageBoxFunction MessageBoxFunction;
bool ShellMode = false;

TLogger Logger1;

namespace {
int gErrorMessages = 0;
const bool kMainLoggerSetUp = [] {
  Logger1.LogPid = false;
  Logger1.CommaSep = true;
  return true;
}();
}  // namespace

int ErrorMessageCount() { return gErrorMessages; }

int ShowMessageOrLog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  if (type == mtError) ++gErrorMessages;
  if (!ShellMode) {
    if (MessageBoxFunction) return MessageBoxFunction(text, type, buttons, helpContext);
    std::fprintf(stderr, "%s\n", text.c_str());
    return mrNone;
  }
  std::string line = text;
  line.erase(std::remove_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }), line.end());
  Logger1.Log(line);
  return mrNone;
}

}  // namespace kestrova
