#pragma once
// Opening a project into the window, and the project named on the command
// line, which a batch run also generates and saves.

#include <string>

#include "ui/model/form/MainForm.h"

namespace kestrova {

// Reads the project into CurrentSettings and the window, loads its base image
// (image_file, else image_file_rel against the current folder, then against
// the project's folder), clears the previews, puts the file at the top of the
// recent list and shows its name in the status bar. Failures are reported
// through ShowMessageOrLog; a project that cannot be read leaves everything
// as it was (and gives false), a base image that cannot be loaded leaves the
// project open.
bool OpenProject(TForm1& form, const std::string& fileName);

// Loads the program settings and opens ShellProjectFile, if any (in the
// window by its full name, taken from the current folder). In a batch
// run with the switch x (batch set): first opens the log "kestro_shell_run.log"
// in the current folder (its lines go to the standard error stream when it
// cannot be opened), then replaces the captions by ShellCaptionsFile unless
// that name is blank, generates and saves the buttons (buttons that are not
// joined one at a time, none of them held), closes the log and asks the
// application to end. A project that cannot be opened, a captions file that
// cannot be read and a run without captions are reported, and nothing is
// generated or written: a mistyped project name must not replace the files
// of its captions' names with empty buttons.
void OpenFromCommandLine(TForm1& form, bool batch);

inline constexpr const char* kBatchLogFile = "kestro_shell_run.log";

}  // namespace kestrova
