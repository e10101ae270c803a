#include "core/support/CommandLine.h"

#include "core/support/FileAccess.h"

namespace kestrova {

char ShellSwitch = '\0';
std::string ShellProjectFile;
std::string ShellCaptionsFile;

namespace {

bool IsSwitch(const std::string& s) {
  if (s.size() < 2) return false;
  if (s[0] == '-') return true;
  return s[0] == '/' && s.find('/', 1) == std::string::npos && !FileExists(s);
}

std::string Argument(const std::vector<std::string>& args, std::size_t i) {
  return i < args.size() ? args[i] : std::string();
}

}  // namespace

bool IsBatchSwitch(char shellSwitch) { return shellSwitch == 'x' || shellSwitch == 'X'; }

bool ParseCommandLine(const std::vector<std::string>& args, char& shellSwitch, std::string& projectFile,
                      std::string& captionsFile) {
  const std::string first = Argument(args, 0);
  shellSwitch = IsSwitch(first) ? first[1] : '\0';
  if (shellSwitch != '\0') {
    projectFile = Argument(args, 1);
    captionsFile = Argument(args, 2);
  } else {
    projectFile = first;
    captionsFile.clear();
  }
  return !projectFile.empty() && IsBatchSwitch(shellSwitch);
}

bool ParseCommandLine(const std::vector<std::string>& args) {
  return ParseCommandLine(args, ShellSwitch, ShellProjectFile, ShellCaptionsFile);
}

}  // namespace kestrova
