#pragma once
// Starting other programs for the window: a web address or a local file shown
// by the desktop's program for it (xdg-open), and a command line started as a
// new process. Both pass arguments as a vector, never through a shell, and
// return as soon as the process has started, without waiting for it.

#include <QStringList>
#include <chrono>
#include <string>

#include "ui/qt/widgets/WatchedProgram.h"

namespace kestrova::qt {

// The program that shows addresses and files (looked up on PATH).
inline constexpr const char* kOpenProgram = "xdg-open";
// How soon xdg-open must fail for its failure to be told: it ends within a
// moment when it finds no program for the address or that program cannot show
// it, while a browser it starts may keep it running for as long as the browser
// runs. A failure after this time is not told.
inline constexpr std::chrono::milliseconds kOpenFailsAtOnce{3000};

// Shows the address or file with xdg-open, as its one argument; an empty
// address starts nothing. When xdg-open cannot be started, `onFailure` runs
// before this returns; when it fails within `atOnce`, `onFailure` runs from
// the event loop then.
void OpenURL(const std::string& url, ProgramFailure onFailure = {},
             std::chrono::milliseconds atOnce = kOpenFailsAtOnce);

// Starts the command line: its first word is the program (looked up on PATH),
// the others its arguments. False for a text of blanks only and when the
// program cannot be started.
bool ExecCommand(const std::string& commandLine);

// The words of a command line: separated by blanks and tabs outside double
// quotes; double quotes group what they enclose (blanks included) and are
// themselves left out, so "a b"c is one word a bc and "" an empty word.
QStringList SplitCommandLine(const QString& commandLine);

}  // namespace kestrova::qt
