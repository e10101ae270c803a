#pragma once
// The one way the window asks the user anything: message boxes (questions and
// errors), the colour dialog and the folder browser. Each is a replaceable
// function; the program uses the standard dialogs (DefaultDialogs), tests put
// answers of their own in place. File and font dialogs join here as fields of
// their own.

#include <functional>
#include <optional>
#include <string>

#include "core/support/Messages.h"
#include "rendering/Color.h"

class QWidget;

namespace kestrova::qt {

struct Dialogs {
  // A message box with the text, its kind and buttons (mbYes | mbNo, mbOK, ...);
  // the code of the button pressed (mrYes, mrNo, mrOk, ...).
  std::function<int(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)> MessageBox;
  // The colour dialog, starting at `start`; the chosen colour, nothing on Cancel.
  std::function<std::optional<TColor>(TColor start)> ChooseColor;
  // The folder browser, starting at `start`; the chosen folder, nothing on Cancel.
  std::function<std::optional<std::string>(const std::string& start)> ChooseFolder;
};

// The standard dialogs, opened over `parent` (which must outlive them).
Dialogs DefaultDialogs(QWidget* parent);

// The title every message box shows: the application's title.
inline constexpr const char* kMessageBoxTitle = "Kestrova";

}  // namespace kestrova::qt
