#include "core/support/Messages.h"

#include <cstdio>

namespace kestrova {

TMessageBoxFunction MessageBoxFunction;
bool ShellMode = false;

TLogger Logger1;

namespace {
int gErrorMessages = 0;
int gWarningMessages = 0;
int gLostLogLines = 0;
const bool kMainLoggerSetUp = [] {
  Logger1.LogPid = false;
  Logger1.CommaSep = true;
  return true;
}();
}  // namespace

int ErrorMessageCount() { return gErrorMessages; }
int WarningMessageCount() { return gWarningMessages; }
int LostLogLineCount() { return gLostLogLines; }

std::string OneLine(std::string_view text) {
  std::string line(text);
  std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
  return line;
}

void WriteLogLine(std::string_view line) {
  if (Logger1.Log(line)) return;
  ++gLostLogLines;
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

int ShowMessageOrLog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  if (type == mtError) ++gErrorMessages;
  if (type == mtWarning) ++gWarningMessages;
  if (!ShellMode) {
    if (MessageBoxFunction) return MessageBoxFunction(text, type, buttons, helpContext);
    std::fprintf(stderr, "%s\n", text.c_str());
    return mrNone;
  }
  WriteLogLine(OneLine(text));
  return mrNone;
}

}  // namespace kestrova
