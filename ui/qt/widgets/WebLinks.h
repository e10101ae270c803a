#pragma once
// Starting other programs for the window: a web address or a local file shown
// by the desktop's program for it (xdg-open), and a command line started as a
// new process. Both pass arguments as a vector, never through a shell, and
// return as soon as the process has started, without waiting for it.

#include <QStringList>
#include <string>

namespace kestrova::qt {

// The program that shows addresses and files (looked up on PATH).
inline constexpr const char* kOpenProgram = "xdg-open";

// Shows the address or file with xdg-open, as its one argument. An empty
// address starts nothing; whether the program started is not reported.
void OpenURL(const std::string& url);

// Starts the command line: its first word is the program (looked up on PATH),
// the others its arguments. False for a text of blanks only and when the
// program cannot be started.
bool ExecCommand(const std::string& commandLine);

// The words of a command line: separated by blanks and tabs outside double
// quotes; double quotes group what they enclose (blanks included) and are
// themselves left out, so "a b"c is one word a bc and "" an empty word.
QStringList SplitCommandLine(const QString& commandLine);

}  // namespace kestrova::qt
