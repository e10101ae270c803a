#include "ui/model/commands/FileCommands.h"

#include <optional>

#include "core/files/FileSizeLimits.h"
#include "core/files/ProjectFile.h"
#include "core/support/StrLib.h"
#include "core/support/TextFiles.h"
#include "ui/model/commands/ProjectOpening.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

// The one file chosen in the dialog, or nothing on Cancel.
std::optional<std::string> ChooseFile(TForm1& form, TFileDialog& dialog) {
  const std::vector<std::string> files = form.Execute(dialog);
  if (files.empty()) return std::nullopt;
  return files.front();
}

void ReportOpenFileError(const std::string& fileName, const std::string& errorText) {
  ShowMessageOrLog(Lang(LangMessages[lmOpenError]) + fileName + "\r\n" + errorText, mtError, mbOK);
}

}  // namespace

void Loadsettings1Click(TForm1& form) {
  if (const auto file = ChooseFile(form, form.OpenDialog2)) OpenProject(form, *file);
}

void Savesettings1Click(TForm1& form) {
  const auto file = ChooseFile(form, form.SaveDialog2);
  if (!file) return;
  form.ControlsToSettings();
  std::string errorText;
  if (!SaveProject(*file, form.MemoTxt.Lines(), errorText, form.CurrentSettings)) {
    form.ReportSaveError(*file, errorText);
    return;
  }
  form.Recent1.AddFile(*file);
  form.StatusBar1.SetPanelText(1, *file);
}

void Recent1Click(TForm1& form, int index) { OpenProject(form, form.Recent1.GetFile(index)); }

void Openbaseimage1Click(TForm1& form) {
  const auto file = ChooseFile(form, form.OpenPictureDialog1);
  if (!file) return;
  BaseImageHost host = form.BaseImage();
  std::string errorText;
  if (!LoadBaseImage(host, *file, errorText)) ReportOpenFileError(*file, errorText);
}

void Savebaseimage1Click(TForm1& form) {
  const auto file = ChooseFile(form, form.SavePictureDialog1);
  if (!file) return;
  BaseImageHost host = form.BaseImage();
  SaveBaseImage(host, form.WriteOptions(), *file);
}

void Openbuttoncaptionstextfile1Click(TForm1& form) {
  const auto file = ChooseFile(form, form.OpenDialog1);
  if (!file) return;
  std::string errorText;
  if (!LoadCaptions(form, *file, errorText)) ReportOpenFileError(*file, errorText);
}

void Savecaptions1Click(TForm1& form) {
  const auto file = ChooseFile(form, form.SaveDialog1);
  std::string errorText;
  if (file && !SaveCaptions(form, *file, errorText)) form.ReportSaveError(*file, errorText);
}

bool LoadCaptions(TForm1& form, const std::string& fileName, std::string& errorText) {
  std::string text;
  errorText.clear();
  if (ReadTextFileLines(fileName, text, kMaxCaptionsFileSize, &errorText) != ReadStatus::Ok) return false;
  form.MemoTxt.SetText(text);
  return true;
}

bool SaveCaptions(const TForm1& form, const std::string& fileName, std::string& errorText) {
  errorText.clear();
  return WriteTextFile(fileName, form.MemoTxt.Lines(), &errorText);
}

void OpenDroppedFiles(TForm1& form, const std::vector<std::string>& files) {
  if (files.size() == 1) OpenProject(form, files.front());
}

void AddIconsClick(TForm1& form) {
  TFileDialog& picture = form.OpenPictureDialog1;
  const TOpenOptions options = picture.Options();
  picture.SetOptions(options | ofAllowMultiSelect);
  const std::vector<std::string> files = form.Execute(picture);
  picture.SetOptions(options);
  if (!files.empty()) form.BitBtn1Click(files);
}

}  // namespace kestrova
