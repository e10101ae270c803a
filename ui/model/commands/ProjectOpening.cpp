#include "ui/model/commands/ProjectOpening.h"

#include <cerrno>
#include <cstdio>

#include "core/files/FileSizeLimits.h"
#include "core/files/ProgramSettings.h"
#include "core/files/ProjectFile.h"
#include "core/support/CommandLine.h"
#include "core/support/DateTimeFormat.h"
#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "core/support/StrLib.h"
#include "core/support/TextFiles.h"
#include "ui/model/commands/BatchButtons.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/commands/OutputSaving.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

void ReportOpenError(const std::string& fileName, const std::string& errorText) {
  ShowMessageOrLog(Lang(LangMessages[lmOpenError]) + "\r\n" + fileName + "\r\n" + errorText,
                   mtError, mbOK);
}

TGifOptionCounts GifOptionCounts(const TForm1& form) {
  return TGifOptionCounts{form.ComboGIFRC.Count(), form.ComboGIFDTR.Count(), form.ComboGIFCompr.Count()};
}

// The relative base-image path as it stands (against the current folder),
// then against the project's folder.
std::vector<std::string> RelativeImageCandidates(const std::string& relative, const std::string& projectFile) {
  std::vector<std::string> candidates{relative};
  const std::string projectFolder = FolderOf(projectFile);
  if (!projectFolder.empty() && !relative.starts_with('/')) candidates.push_back(projectFolder + relative);
  return candidates;
}

// Loads the project's base image; reports the path tried last when none loads.
void LoadProjectImage(TForm1& form) {
  const TSettings& s = form.CurrentSettings;
  if (s.image_file.empty()) return;
  const std::vector<std::string> fallbacks =
      s.image_file_rel.empty() ? std::vector<std::string>() : RelativeImageCandidates(s.image_file_rel, s.projectfile);
  BaseImageHost host = form.BaseImage();
  std::string errorText;
  std::string tried = s.image_file;
  if (LoadBaseImage(host, tried, errorText)) return;
  for (const std::string& candidate : fallbacks) {
    tried = candidate;
    if (LoadBaseImage(host, tried, errorText)) return;
  }
  ReportOpenError(tried, errorText);
}

// A link at the log's name is not followed: it might point to any of the user's files.
constexpr char kLogIsALink[] = "Is a symbolic link, which is not followed";

void OpenBatchLog(TForm1& form) {
  form.Logger1.FileName = kBatchLogFile;
  form.Logger1.DateFormat = UserDateFormat().shortDateFormat;
  if (!form.Logger1.Open()) {
    const std::string reason = errno == ELOOP ? std::string(kLogIsALink) : SystemErrorText(errno);
    std::fprintf(stderr, "Cannot open the log file %s (%s); its lines follow here.\n", kBatchLogFile, reason.c_str());
  }
  WriteLogLine("Kestrova started from shell");
}

// Replaces the captions by the lines of the captions file. A name of blanks
// only is ignored; a file that cannot be read, or is larger than any real
// captions file (kMaxCaptionsFileSize), is reported, and false.
bool ApplyCaptionsFile(TForm1& form, const std::string& fileName) {
  if (TrimControls(fileName).empty()) return true;
  std::string captions, reason;
  if (ReadTextFileLines(fileName, captions, kMaxCaptionsFileSize, &reason) != ReadStatus::Ok) {
    ReportOpenError(fileName, reason);
    return false;
  }
  form.CurrentSettings.captions = std::move(captions);
  form.SettingsToControls();
  return true;
}

// Generates and saves the buttons; a run with nothing to make buttons from
// says so. Buttons that are not joined are not held: each is dropped once saved.
void GenerateAndSave(TForm1& form) {
  if (ButtonCount(form) == 0) {
    ShowMessageOrLog(Lang(LangMessages[lmNoCaptions]), mtError, mbOK);
    return;
  }
  if (SavesEachButton(form)) {
    GenerateAndSaveEachButton(form);
  } else if (GenerateButtons(form)) {
    SaveGeneratedImages(form);
  }
}

}  // namespace

bool OpenProject(TForm1& form, const std::string& fileName) {
  std::string errorText;
  if (!LoadProject(fileName, form.CurrentSettings, errorText, GifOptionCounts(form))) {
    ReportOpenError(fileName, errorText);
    return false;
  }
  form.SaveDialog2.SetFileName(fileName);
  form.SettingsToControls();
  LoadProjectImage(form);
  form.ClearPreviews();
  form.Recent1.AddFile(fileName);
  form.StatusBar1.SetPanelText(1, fileName);
  return true;
}

void OpenFromCommandLine(TForm1& form, bool batch) {
  std::string recent;
  for (const std::string& file : LoadProgramSettings()) recent += file + "\r\n";
  form.Recent1.SetFilesAsText(recent);
  if (ShellProjectFile.empty()) return;
  const bool job = batch && IsBatchSwitch(ShellSwitch);
  if (job) OpenBatchLog(form);
  // The window knows a project by its full name, as the file dialogs give it,
  // so that its recent entry opens it from any folder; a batch run keeps the
  // name as typed for its log and page.
  const bool opened = OpenProject(form, job ? ShellProjectFile : AbsolutePath(ShellProjectFile));
  if (!job) return;
  if (opened && ApplyCaptionsFile(form, ShellCaptionsFile)) GenerateAndSave(form);
  form.Logger1.Close();
  form.TerminateRequested = true;
}

}  // namespace kestrova
