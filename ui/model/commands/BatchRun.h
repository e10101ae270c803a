#pragma once
// The program's run without a window, and the hooks the model supplies itself.

#include "ui/model/form/MainForm.h"

namespace kestrova {

// Supplies the window's hooks for the operations the model implements: the
// output names list and opening the command-line project.
void ConnectProgramOperations(TForm1& form);

// Runs the batch job named on the command line (ShellMode on, ParseCommandLine
// done): creates the main window without showing it and fires its one-shot
// timer, which opens, generates and saves the project and writes the log; the
// names list, which no window shows, stays empty. An error that escapes is
// logged as a critical error. The exit status: 0 when
// the run logged no error or warning and the log took every line, 1 otherwise.
int RunBatch();

}  // namespace kestrova
