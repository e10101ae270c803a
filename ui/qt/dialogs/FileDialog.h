#pragma once
// The file dialogs: Qt's own dialog (never the desktop's, so that it looks and
// behaves the same everywhere and in tests), set up from a file dialog of the
// model: open or save, title, filter, default extension, the file name it
// starts with and the rules (the folder or the file must exist, ask before
// replacing, several files, a preview of the selected picture). They, and the
// folder browser, never read a file they only list (FileIconProvider).

#include <QFileDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "ui/model/controls/FileDialog.h"

namespace kestrova::qt {

class PicturePreview;

class FileDialog : public QFileDialog {
 public:
  FileDialog(const TFileDialog& settings, QWidget* parent = nullptr);

  // The files chosen, as the model takes them.
  std::vector<std::string> ChosenFiles() const;
  // The picture preview, when the dialog has one.
  PicturePreview* Preview() const { return preview_; }

  // Refuses a file whose folder does not exist when the dialog asks for one.
  void accept() override;

 private:
  void AddPreview();

  TOpenOptions options_;
  PicturePreview* preview_ = nullptr;
};

// Qt's name filters for a filter of "description|patterns" pairs: each
// description with its patterns (separated by ";") as Qt reads them, matched
// without regard to case as on the desktop the files come from, "*.*" as any
// file. The dialog shows the descriptions alone.
QStringList QtNameFilters(const std::string& filter);

// Shows the dialog modally; the files chosen, none on Cancel.
std::vector<std::string> ExecuteFileDialog(const TFileDialog& settings, QWidget* parent);

// The folder browser (Qt's own dialog, listing folders only), starting at
// `start`; the folder chosen, nothing on Cancel.
std::optional<std::string> ChooseFolder(const std::string& start, QWidget* parent);

}  // namespace kestrova::qt
