#pragma once
// The presets dialog: the presets of the current preset set as a grid of
// preview buttons, and the commands on presets and on the list of sets. A
// first click on a preview selects the preset, a second click on the same one
// applies it to the main window and closes the dialog. Add stores the main
// window's current effect as a new preset, Import the preset keys of a
// project file, Delete removes the selected preset; New, Attach and Remove
// change the list of sets. Made when the dialog opens, gone when it closes.
//
// The selection is cleared whenever the set changes and after a delete. With
// no set left, the grid is empty and only New and Attach work. A preset file
// that cannot be written is reported and keeps what it held.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/model/controls/Button.h"
#include "ui/model/controls/CheckBox.h"
#include "ui/model/controls/ItemList.h"
#include "ui/model/controls/Label.h"
#include "ui/model/dialogs/DialogForm.h"
#include "ui/model/dialogs/PresetGrid.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

// What the dialog asks the user beyond message boxes; an empty function counts as cancelled.
struct TPresetsDialogHooks {
  // An open-file dialog with a title and a filter ("description|pattern" pairs): the chosen file.
  std::function<std::optional<std::string>(const std::string& title, const std::string& filter)> OpenFile;
  // An input box with a caption, a prompt and a start text: the text typed.
  std::function<std::optional<std::string>(const std::string& caption, const std::string& prompt,
                                           const std::string& start)>
      InputQuery;
};

class TBtnPresetsForm : public TDialogForm {
 public:
  TBtnPresetsForm(TForm1& form, TPresetsDialogHooks hooks = {});
  TBtnPresetsForm(const TBtnPresetsForm&) = delete;
  TBtnPresetsForm& operator=(const TBtnPresetsForm&) = delete;

  TPanel P2{this, "P2", "BtnPresetsForm"};
  TLabel Label1{this, "Label1", "P2"};
  TComboBox ComboPresets{this, "ComboPresets", "P2"};
  TCheckBox cbSquare{this, "cbSquare", "P2"};
  TButton BitBtnSN{this, "BitBtnSN", "P2"};
  TButton BitBtnSI{this, "BitBtnSI", "P2"};
  TButton BitBtnSR{this, "BitBtnSR", "P2"};
  TPanel P1{this, "P1", "BtnPresetsForm"};
  TButton BBAdd{this, "BBAdd", "P1"};
  TButton BBDel{this, "BBDel", "P1"};
  TButton BitBtnImp{this, "BitBtnImp", "P1"};
  TButton BBNo{this, "BBNo", "P1"};
  TButton BBUse{this, "BBUse", "P1"};

  // The section name of the selected preset ("" for none).
  const std::string& SelectedPreset() const { return selectedPreset_; }
  // The preview buttons of the current set.
  const std::vector<TPresetCell>& Cells() const { return cells_; }
  // The file the grid was built from.
  const std::string& GridFile() const { return gridFile_; }
  bool Square() const { return cbSquare.Checked(); }
  // Counts the grid's rebuilds: a view draws its previews again when it changes.
  int GridVersion() const { return gridVersion_; }
  // The picture of a preset of a set's file (PresetPreview with the main window's limits).
  Bitmap Preview(const std::string& filePath, const std::string& section, bool square) const {
    return PresetPreview(form_, filePath, section, square);
  }
  // Called after the grid was rebuilt or the selection moved.
  void SetOnGridChange(std::function<void()> handler) { onGridChange_ = std::move(handler); }

  void FormShow();
  // Makes the combo's set the current one and builds its grid.
  void ComboPresetsChange();
  // A click on the preview of `section`.
  void PresetButtonClick(const std::string& section);
  void BBUseClick();
  void BBAddClick();
  void BitBtnImpClick();
  void BBDelClick();
  void BitBtnSNClick();
  void BitBtnSIClick();
  void BitBtnSRClick();
  void BuildPresetButtons();
  void FillSetCombo();

 private:
  // Asks for the name of a set; nothing (after saying why, when it is taken
  // or unusable) when no name can be used.
  std::optional<std::string> AskSetName();
  // Lists a new set, selects it and builds its grid.
  void AddSetAndSelect(const std::string& name, const std::string& file);
  void SelectPreset(const std::string& section);
  // Runs a write to the current set's file; false (after saying why) when it failed.
  bool WriteToSet(const std::function<void()>& write);
  // Stores the 29 preset fields of `settings`, within the window's limits, as the set's next preset.
  void StorePreset(TSettings settings);
  void UpdateSetButtons();

  TForm1& form_;
  TPresetsDialogHooks hooks_;
  std::string selectedPreset_;
  std::vector<TPresetCell> cells_;
  std::string gridFile_;
  int gridVersion_ = 0;
  bool fillingCombo_ = false;
  std::function<void()> onGridChange_;
};

}  // namespace kestrova
