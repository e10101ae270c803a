#include "ui/model/dialogs/PresetsDialog.h"

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/files/ProjectFile.h"
#include "core/support/StrLib.h"
#include "ui/model/language/FormatText.h"
#include "ui/model/language/Language.h"

namespace kestrova {

TBtnPresetsForm::TBtnPresetsForm(TForm1& form, TPresetsDialogHooks hooks) : form_(form), hooks_(std::move(hooks)) {
  ComboPresets.SetOnChange([this] {
    if (!fillingCombo_) ComboPresetsChange();
  });
  cbSquare.SetOnClick([this] { BuildPresetButtons(); });
  BBUse.SetOnClick([this] { BBUseClick(); });
  BBAdd.SetOnClick([this] { BBAddClick(); });
  BitBtnImp.SetOnClick([this] { BitBtnImpClick(); });
  BBDel.SetOnClick([this] { BBDelClick(); });
  BitBtnSN.SetOnClick([this] { BitBtnSNClick(); });
  BitBtnSI.SetOnClick([this] { BitBtnSIClick(); });
  BitBtnSR.SetOnClick([this] { BitBtnSRClick(); });
  BBNo.SetOnClick([this] { Close(mrCancel); });
}

void TBtnPresetsForm::FormShow() {
  Reopen();
  selectedPreset_.clear();
  SetCaption(Lang(LangPresets[lpCaption]));
  BBAdd.SetCaption(Lang(LangPresets[lpAdd]));
  BBDel.SetCaption(Lang(LangPresets[lpDelete]));
  BitBtnImp.SetCaption(Lang(LangPresets[lpImport]));
  BBNo.SetCaption(Lang(LangPresets[lpClose]));
  BBUse.SetCaption(Lang(LangPresets[lpUse]));
  Label1.SetCaption(Lang(LangPresets[lpCurrentSet]));
  BitBtnSN.SetCaption(Lang(LangPresets[lpNewSet]));
  BitBtnSI.SetCaption(Lang(LangPresets[lpAttachSet]));
  BitBtnSR.SetCaption(Lang(LangPresets[lpRemoveSet]));
  cbSquare.SetCaption(Lang(LangPresets[lpSquare]));
  FillSetCombo();
  int index = 0;
  if (!CurrentPresetSet.empty()) {
    index = -1;
    for (std::size_t i = 0; i < PresetSets.size(); ++i) {
      if (SameText(SetNameOf(PresetSets[i]), CurrentPresetSet)) {
        index = static_cast<int>(i);
        break;
      }
    }
  }
  fillingCombo_ = true;
  ComboPresets.SetItemIndex(index);
  fillingCombo_ = false;
  ComboPresetsChange();
}

void TBtnPresetsForm::FillSetCombo() {
  std::vector<std::string> names;
  for (const std::string& line : PresetSets) names.push_back(SetNameOf(line));
  fillingCombo_ = true;
  ComboPresets.SetItems(std::move(names));
  fillingCombo_ = false;
}

void TBtnPresetsForm::ComboPresetsChange() {
  const int index = ComboPresets.ItemIndex();
  CurrentPresetSet = index >= 0 && index < ComboPresets.Count() ? ComboPresets.Items()[index] : std::string();
  ComboPresets.SetHint(GetSetFilePath());
  ComboPresets.SetShowHint(true);
  selectedPreset_.clear();
  UpdateSetButtons();
  BuildPresetButtons();
}

void TBtnPresetsForm::UpdateSetButtons() {
  const bool hasSet = !GetSetFileName(CurrentPresetSet).empty();
  for (TButton* button : {&BBAdd, &BitBtnImp, &BBDel, &BitBtnSR}) button->SetEnabled(hasSet);
}

void TBtnPresetsForm::BuildPresetButtons() {
  const TWaitCursor wait(form_.Hooks);
  gridFile_ = GetSetFilePath();
  cells_ = GetSetFileName(CurrentPresetSet).empty() ? std::vector<TPresetCell>()
                                                     : PresetGridCells(CurrentSetPresets(), cbSquare.Checked());
  ++gridVersion_;
  if (onGridChange_) onGridChange_();
}

void TBtnPresetsForm::SelectPreset(const std::string& section) {
  selectedPreset_ = section;
  if (onGridChange_) onGridChange_();
}

void TBtnPresetsForm::PresetButtonClick(const std::string& section) {
  if (section != selectedPreset_) {
    SelectPreset(section);
    return;
  }
  BBUseClick();
}

void TBtnPresetsForm::BBUseClick() {
  if (selectedPreset_.empty()) return;
  form_.ControlsToSettings();
  const TIniFile ini(GetSetFilePath());
  TSettings preset;
  ReadPresetKeys(selectedPreset_, &ini, preset);
  form_.BringPresetIntoRanges(preset);
  CopyPresetFields(preset, form_.CurrentSettings);
  form_.SettingsToControls();
  Close(mrOk);
}

bool TBtnPresetsForm::WriteToSet(const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const EIniFileError& e) {
    ShowMessageOrLog(Lang(LangMessages[lmSaveError]) + "\r\n" + e.what(), mtError, mbOK);
    return false;
  }
}

void TBtnPresetsForm::StorePreset(TSettings settings) {
  if (GetSetFileName(CurrentPresetSet).empty()) return;
  // A project's values go into the set as the window would take them, never beyond.
  form_.BringPresetIntoRanges(settings);
  WriteToSet([&settings] { WritePreset(settings, NextPresetNumber()); });
  BuildPresetButtons();
}

void TBtnPresetsForm::BBAddClick() {
  form_.ControlsToSettings();
  TSettings preset;
  CopyPresetFields(form_.CurrentSettings, preset);
  StorePreset(preset);
}

void TBtnPresetsForm::BitBtnImpClick() {
  if (GetSetFileName(CurrentPresetSet).empty() || !hooks_.OpenFile) return;
  const auto file = hooks_.OpenFile(Lang(LangPresets[lpImportTitle]), Lang(LangDialogs[ldProjectFilter]));
  if (!file) return;
  TSettings project;
  std::string error;
  // A file that cannot be read as a project is passed over without a word.
  if (LoadProject(*file, project, error)) StorePreset(project);
}

void TBtnPresetsForm::BBDelClick() {
  if (selectedPreset_.empty()) return;
  if (ShowMessageOrLog(Lang(LangMessages[lmDeletePreset]), mtConfirmation, mbYes | mbNo) != mrYes) return;
  const std::string section = selectedPreset_;
  selectedPreset_.clear();
  WriteToSet([&section] { ErasePreset(section); });
  BuildPresetButtons();
}

std::optional<std::string> TBtnPresetsForm::AskSetName() {
  if (!hooks_.InputQuery) return std::nullopt;
  const auto answer = hooks_.InputQuery(Lang(LangPresets[lpNewSetTitle]), Lang(LangPresets[lpSetName]), "");
  if (!answer) return std::nullopt;
  switch (CheckSetName(*answer)) {
    case TSetNameCheck::Ok: return std::string(TrimControls(*answer));
    case TSetNameCheck::Empty: return std::nullopt;
    case TSetNameCheck::InUse: ShowMessageOrLog(Lang(LangPresets[lpNameInUse]), mtError, mbOK); break;
    case TSetNameCheck::BadCharacters: ShowMessageOrLog(Lang(LangPresets[lpBadSetName]), mtError, mbOK); break;
  }
  return std::nullopt;
}

void TBtnPresetsForm::AddSetAndSelect(const std::string& name, const std::string& file) {
  AddPresetSet(name, file);
  FillSetCombo();
  fillingCombo_ = true;
  ComboPresets.SetItemIndex(ComboPresets.Count() - 1);
  fillingCombo_ = false;
  ComboPresetsChange();
}

void TBtnPresetsForm::BitBtnSNClick() {
  const auto name = AskSetName();
  if (!name) return;
  const std::string file = FreeUserSetFile();
  if (file.empty()) {
    ShowMessageOrLog(Lang(LangPresets[lpTooManySets]), mtError, mbOK);
    return;
  }
  AddSetAndSelect(*name, file);
}

void TBtnPresetsForm::BitBtnSIClick() {
  if (!hooks_.OpenFile) return;
  const auto file = hooks_.OpenFile(Lang(LangPresets[lpAttachTitle]), Lang(LangDialogs[ldPresetFilter]));
  if (!file) return;
  const std::string listed = ListedSetFile(*file);
  const auto name = AskSetName();
  if (!name) return;
  AddSetAndSelect(*name, listed);
}

void TBtnPresetsForm::BitBtnSRClick() {
  const int index = ComboPresets.ItemIndex();
  if (index < 0 || index >= ComboPresets.Count()) return;
  const std::string name = ComboPresets.Items()[index];
  if (ShowMessageOrLog(FormatText(Lang(LangPresets[lpRemoveSetQuestion]), {name}), mtConfirmation, mbYes | mbNo) !=
      mrYes) {
    return;
  }
  if (!RemovePresetSet(name)) return;
  FillSetCombo();
  fillingCombo_ = true;
  ComboPresets.SetItemIndex(0);
  fillingCombo_ = false;
  ComboPresetsChange();
}

}  // namespace kestrova
