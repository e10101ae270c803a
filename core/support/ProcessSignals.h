#pragma once
// The signals that end the program unless it handles them, and the two that a
// write raises when it cannot be done.

#include <vector>

namespace kestrova {

// Every signal the program can catch whose default action ends it: a kill,
// Ctrl+C, the terminal closed, the quit key, the user and timer signals, the
// CPU and file-size limits, a broken pipe, the faults of the program itself,
// and the realtime signals.
std::vector<int> SignalsEndingTheProgram();

// A write to a pipe that nobody reads (SIGPIPE) or past the file-size limit
// (SIGXFSZ) then fails with its error (EPIPE, EFBIG), which the program
// reports as any failed write, instead of ending the program. Each gets a
// handler that does nothing rather than the "ignore" action, which programs
// started from this one would keep: a caught signal is back at its default
// action in them. Only a default action is changed (one set by someone else
// stays), and the handler restarts the calls it interrupts.
void LetWritesFailRatherThanEndTheProgram();

// Gives the signal `handler`, run with `flags` (SA_RESTART, SA_RESETHAND, ...)
// and every signal blocked, when the signal's action is the default one.
// False, with nothing changed, when it is not (ignored, or handled by someone
// else) or cannot be changed.
bool HandleIfDefault(int signal, void (*handler)(int), int flags);

}  // namespace kestrova
