#pragma once
// The settings of a file dialog: open or save, filter ("description|pattern"
// pairs), title, default extension, the file name it starts with, and its
// rules (the folder, or the file, must exist; ask before replacing a file;
// several files may be chosen; a preview of the selected picture). The dialog
// itself is the view's; the language tables set filter and title.

#include <cstdint>
#include <string>

#include "ui/model/controls/Control.h"

namespace kestrova {

enum class TFileDialogKind { Open, Save };

// The dialog's rules (any combination).
using TOpenOptions = std::uint8_t;
enum TOpenOption : TOpenOptions {
  ofPathMustExist = 1,     // the chosen file's folder must exist
  ofFileMustExist = 2,     // the chosen file itself must exist
  ofOverwritePrompt = 4,   // ask before a file that exists is chosen for saving
  ofAllowMultiSelect = 8,  // several files may be chosen at once
  ofPicturePreview = 16,   // a preview of the selected picture beside the file list
};

class TFileDialog : public TControl {
 public:
  TFileDialog(TControlOwner* owner, std::string name, TFileDialogKind kind, std::string defaultExt,
              TOpenOptions options)
      : TControl(owner, std::move(name), ""), kind_(kind), defaultExt_(std::move(defaultExt)), options_(options) {}

  TFileDialogKind Kind() const { return kind_; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { Store(filter_, filter); }
  const std::string& Title() const { return Caption(); }
  void SetTitle(const std::string& title) { SetCaption(title); }
  // With its dot (".btn"); empty when the dialog adds none.
  const std::string& DefaultExt() const { return defaultExt_; }
  // The file name the dialog starts with; the file chosen last once it closed with OK.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { Store(fileName_, name); }
  TOpenOptions Options() const { return options_; }
  bool Has(TOpenOption option) const { return (options_ & option) != 0; }
  void SetOptions(TOpenOptions options) { Store(options_, options); }

 private:
  TFileDialogKind kind_;
  std::string filter_;
  std::string defaultExt_;
  std::string fileName_;
  TOpenOptions options_;
};

}  // namespace kestrova
