// Showing a file dialog through the window's hook.

#include "ui/model/form/MainForm.h"

namespace kestrova {

std::vector<std::string> TForm1::Execute(TFileDialog& dialog) {
  if (!Hooks.ExecuteFileDialog) return {};
  std::vector<std::string> files = Hooks.ExecuteFileDialog(dialog);
  if (!files.empty()) dialog.SetFileName(files.front());
  return files;
}

}  // namespace kestrova
