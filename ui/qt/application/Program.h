#pragma once
// The program with its window: the application object, the main window with
// the hidden image-processing dialog, and the message loop.

namespace kestrova::qt {

// Runs the window until it closes; the program's exit status (0 after the
// exit question was answered Yes, 1 after an error that ended it).
int RunWindow(int& argc, char** argv);

}  // namespace kestrova::qt
