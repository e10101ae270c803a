#include "ui/model/commands/OutputSaving.h"

#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "core/generation/OutputNames.h"
#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/language/FormatText.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

const char* FormatTag(int format) {
  switch (format) {
    case ofBmp: return " bmp: ";
    case ofGif: return " gif: ";
    case ofJpeg: return " jpg: ";
    default: return " png: ";
  }
}

std::string CurrentFolder() {
  std::error_code error;
  const std::string folder = std::filesystem::current_path(error).string();
  return error || folder.empty() ? std::string("./") : folder;
}

bool WriteImage(const TForm1& form, int format, const std::string& path, const Bitmap& picture,
                std::string& errorText) {
  switch (format) {
    case ofBmp: return SaveBmp(path, &picture, errorText);
    case ofGif: return SaveGif(path, &picture, form.WriteOptions(), errorText);
    case ofJpeg: return SaveJpeg(path, &picture, form.WriteOptions(), errorText);
    default: return SavePng(path, &picture, form.WriteOptions(), errorText);
  }
}

std::string ErrorSavingText() { return Lang(LangMessages[lmSaveError]); }

// Writes every preview; false when any failed (each failure reported).
bool WriteImages(const TForm1& form, const std::string& folder, int format) {
  bool failed = false;
  for (int k = 0; k < form.ScrollBox2.ImageCount(); ++k) {
    const std::string path = folder + OutputImageFileName(form, k);
    std::string errorText;
    if (WriteImage(form, format, path, form.ScrollBox2.Image(k).Picture(), errorText)) continue;
    failed = true;
    ShowMessageOrLog(ErrorSavingText() + FormatTag(format) + path + "\r\n" + errorText, mtError, mbOK);
  }
  return !failed;
}

std::string PagePath(const TForm1& form, const std::string& folder) {
  const std::string& project = form.CurrentSettings.projectfile;
  return folder + (project.empty() ? std::string("kestro_test.html") : FileNameOf(project) + ".html");
}

// Writes the test page or the image-map page; false when it could not be written.
bool WritePage(const TForm1& form, const std::string& path) {
  const bool map = form.cbHTMLMap.Checked() && form.RGImgPerBtn.ItemIndex() > 0;
  std::string reason;
  if (WriteFileAtomically(path, map ? BuildMapPage(form) : BuildTestPage(form), &reason)) return true;
  ShowMessageOrLog(ErrorSavingText() + "\r\n" + path + "\r\nCannot write file (" + reason + ")", mtError, mbOK);
  return false;
}

// One text for each image whose file name an earlier image of the run has.
std::vector<std::string> NameCollisions(const TForm1& form) {
  std::vector<std::string> texts;
  std::unordered_map<std::string, int> first;
  for (int k = 0; k < form.ScrollBox2.ImageCount(); ++k) {
    const std::string name = OutputImageFileName(form, k);
    const auto [earlier, isNew] = first.emplace(name, k);
    if (isNew) continue;
    texts.push_back(FormatText(Lang(LangMessages[lmNameCollision]),
                               {std::to_string(earlier->second + 1), std::to_string(k + 1), name}));
  }
  return texts;
}

// A warning for the images that replace others: one log line each, or one box.
bool ReportNameCollisions(const TForm1& form) {
  const std::vector<std::string> texts = NameCollisions(form);
  if (texts.empty()) return false;
  if (ShellMode) {
    for (const std::string& text : texts) ShowMessageOrLog(text, mtWarning, mbOK);
  } else {
    std::string all;
    for (const std::string& text : texts) all += (all.empty() ? "" : "\r\n") + text;
    ShowMessageOrLog(all, mtWarning, mbOK);
  }
  return true;
}

}  // namespace

std::string OutputImageFileName(const TForm1& form, int k) {
  const std::string& caption = form.ScrollBox2.Image(k).Hint();
  return BuildOutputName(form.EditPrefix.Text(), form.EditPostfix.Text(), caption, form.cbNoCapts.Checked(),
                         form.cbNumber.Checked(), form.cbLower.Checked(), k + 1LL) +
         OutputExtension(form.RG1.ItemIndex());
}

std::string OutputFolder(const TForm1& form) {
  std::string folder = form.DirectoryEdit1.Text();
  if (folder.empty()) folder = CurrentFolder();
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

bool SaveGeneratedImages(TForm1& form) {
  if (form.ScrollBox2.Empty()) return true;
  const std::string folder = OutputFolder(form);
  if (form.cbForceDir.Checked()) {
    std::error_code ignored;  // a folder that cannot be made fails each file's write
    std::filesystem::create_directories(folder, ignored);
  }
  const int format = form.RG1.ItemIndex();
  if (!IsOutputFormat(format)) {
    ShowMessageOrLog(ErrorSavingText() + "\r\n" + folder + "\r\nUnknown output format " + std::to_string(format),
                     mtError, mbOK);
    return false;
  }
  const bool collisions = ReportNameCollisions(form);
  bool ok = WriteImages(form, folder, format);
  std::string pagePath;
  bool pageWritten = false;
  // A page beside images that failed would show stale files.
  if (ok && form.cbHTML.Checked()) {
    pagePath = PagePath(form, folder);
    pageWritten = WritePage(form, pagePath);
    ok = pageWritten;
  }
  ok = ok && !collisions;
  if (ok) ShowMessageOrLog(FormatText(Lang(LangMessages[lmFilesSaved]), {folder}), mtConfirmation, mbOK);
  if (!ShellMode && pageWritten &&
      ShowMessageOrLog(Lang(LangMessages[lmShowPage]), mtConfirmation, mbYes | mbNo) == mrYes &&
      form.Hooks.OpenURL) {
    form.Hooks.OpenURL(pagePath);
  }
  return ok;
}

TPageInput PageInput(const TForm1& form) {
  TPageInput in;
  in.projectFile = form.CurrentSettings.projectfile;
  in.joinMode = form.RGImgPerBtn.ItemIndex();
  in.buttonLayout = form.RGDisplay.ItemIndex();
  in.buttonColumns = form.RxSpinEditMX.Value();
  in.imageLayout = form.RGDisplay0.ItemIndex();
  in.imageColumns = form.RxSpinEditMX0.Value();
  in.rowsPerButton = form.RxSpinEditRPB.Value();
  in.buttonsPerImage = form.RxSpinEditBtnPerImg.Value();
  in.buttonCount = ButtonCount(form);
  in.captionLines = form.MemoTxt.Lines();
  for (int i = 0; i < form.ScrollBox2.ImageCount(); ++i) {
    const TImage& image = form.ScrollBox2.Image(i);
    in.images.push_back(
        TPageImage{OutputImageFileName(form, i), image.Hint(), image.Picture().Width(), image.Picture().Height()});
  }
  in.mapRects = form.MapRects;
  return in;
}

std::string BuildTestPage(const TForm1& form) { return BuildTestPage(PageInput(form)); }

std::string BuildMapPage(const TForm1& form) { return BuildMapPage(PageInput(form)); }

}  // namespace kestrova
