#pragma once
// The program as `make install DESTDIR=<root>` leaves it: the ctest fixture
// install_tree installs this build into a staging root before these tests run.
// Also small helpers to run the desktop's own tools on what was installed.

#include <string>

namespace kestrova::test {

// <staging root><prefix>/, ending in "/".
std::string InstalledPrefix();
// The installed program and its resource folder (<prefix>/share/kestrova/).
std::string InstalledProgram();
std::string InstalledResources();
// The source tree's resources/ folder, ending in "/".
std::string SourceResources();

struct CommandResult {
  int status = -1;     // exit status; -1 when the command could not be run
  std::string output;  // standard output and standard error together
};
// Runs a command line through the shell.
CommandResult RunCommand(const std::string& command);
// The path in single quotes, for a command line.
std::string Quoted(const std::string& path);
// True when an executable file lies at that path.
bool HaveProgram(const std::string& path);

}  // namespace kestrova::test
