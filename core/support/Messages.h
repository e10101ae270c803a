#pragma once
// Every message of the program goes through ShowMessageOrLog: a message box
// while the window runs, one line of the batch log in a batch run.

#include <functional>
#include <string>
#include <string_view>

#include "core/support/Logger.h"

namespace kestrova {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// Buttons of a message box, combined with "|".
enum TMsgDlgBtn : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
};
using TMsgDlgButtons = unsigned;

// Codes of the button pressed.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

// Shows a message box and gives the code of the button pressed. Set by the window.
using TMessageBoxFunction = std::function<int(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                                              int helpContext)>;
extern TMessageBoxFunction MessageBoxFunction;

// True in a batch run; set once at start, before any message.
extern bool ShellMode;

// The main window's logger, which the batch run opens: a line is the date, a
// blank, the time, a comma and the message.
extern TLogger Logger1;

// With ShellMode off: the message box's result (mrNone, with the text on the
// standard error stream, while no message box is set). With ShellMode on: the
// text as one line of the batch log (OneLine), and mrNone.
int ShowMessageOrLog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);

// The text as one log line: every CR and every LF removed, nothing in their
// place, so the lines of a message run together.
std::string OneLine(std::string_view text);

// Writes one line to Logger1. A line the log cannot take (it could not be
// opened, or the write failed: a folder, a full disk) goes to the standard
// error stream instead and is counted.
void WriteLogLine(std::string_view line);

// Since the program started: how many error (type mtError) and warning
// (mtWarning) messages ShowMessageOrLog has shown or logged, and how many log
// lines went to the standard error stream. A batch run ends with a failure
// status when any of them grew.
int ErrorMessageCount();
int WarningMessageCount();
int LostLogLineCount();

}  // namespace kestrova
