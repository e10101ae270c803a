#pragma once
// The one way the window asks the user anything: message boxes (questions and
// errors), the colour dialog, the folder browser, file choices and input boxes.
// Each is a replaceable function; the program uses the standard dialogs
// (DefaultDialogs), tests put answers of their own in place. Further file and
// font dialogs join here as fields of their own.

#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
  // An open-file dialog with a title and a filter ("description|pattern" pairs,
  // patterns joined by ";"); the chosen files (one unless `multiple`), none on Cancel.
  std::function<std::vector<std::string>(const std::string& title, const std::string& filter, bool multiple)>
      OpenFiles;
  // An input box with a caption, a prompt and a start text; the text typed, nothing on Cancel.
  std::function<std::optional<std::string>(const std::string& caption, const std::string& prompt,
                                           const std::string& start)>
      InputText;
};

// A filter of "description|pattern" pairs as a file dialog's name filters:
// each description (without a pattern list in parentheses of its own)
// followed by its patterns in parentheses, separated by blanks; "*.*" is every file.
QStringList NameFiltersOf(const std::string& filter);

// The standard dialogs, opened over `parent` (which must outlive them).
Dialogs DefaultDialogs(QWidget* parent);

// The title every message box shows: the application's title.
inline constexpr const char* kMessageBoxTitle = "Kestrova";

}  // namespace kestrova::qt
