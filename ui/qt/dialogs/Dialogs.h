#pragma once
// The one way the window asks the user anything: message boxes (questions and
// errors), the colour and font dialogs, the folder browser, the file dialogs
// and input boxes. Each is a replaceable function; the program uses the standard
// dialogs (DefaultDialogs), tests put answers of their own in place.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/support/Messages.h"
#include "rendering/Color.h"
#include "rendering/Font.h"
#include "ui/model/controls/FileDialog.h"

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
  // The font dialog, starting at `start`; the chosen font (colour, character
  // set and quality as in `start`), nothing on Cancel.
  std::function<std::optional<TFont>(const TFont& start)> ChooseFont;
  // A file dialog as the model's dialog describes it (open or save, title,
  // filter, default extension, start file, rules); the files chosen, none on Cancel.
  std::function<std::vector<std::string>(const TFileDialog& dialog)> ExecuteFileDialog;
  // An input box with a caption, a prompt and a start text; the text typed, nothing on Cancel.
  std::function<std::optional<std::string>(const std::string& caption, const std::string& prompt,
                                           const std::string& start)>
      InputText;
};

// The standard dialogs, opened over `parent` (which must outlive them).
Dialogs DefaultDialogs(QWidget* parent);

// The title every message box shows: the application's title.
inline constexpr const char* kMessageBoxTitle = "Kestrova";

}  // namespace kestrova::qt
