#include "ui/model/commands/OutputSaving.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/generation/NameCollisions.h"
#include "core/generation/OutputNames.h"
#include "core/images/SavableSize.h"
#include "core/support/Descriptors.h"
#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "core/support/FolderCase.h"
#include "core/support/OrderedWork.h"
#include "core/support/StagingArea.h"
#include "core/support/StrLib.h"
#include "core/support/TemporaryFiles.h"
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

// The images on their way (being made and encoded, or encoded and waiting to
// be written) hold at most about this many pixels together, though at least
// one is always on its way: large images take fewer threads.
constexpr std::int64_t kPixelsAtOnce = std::int64_t{1} << 22;
// How many images may be on their way per thread.
constexpr int kAheadPerThread = 8;

PictureKind KindOf(int format) {
  switch (format) {
    case ofBmp: return PictureKind::WindowsBitmap;
    case ofGif: return PictureKind::Gif;
    case ofJpeg: return PictureKind::Jpeg;
    default: return PictureKind::Png;
  }
}

std::string ErrorSavingText() { return Lang(LangMessages[lmSaveError]); }

// How many images may be on their way at once: `most`, fewer when they are large.
int ImagesAtOnce(const TOutputImages& images, int most) {
  std::int64_t largest = 1;
  for (int k = 0; k < images.Count(); ++k) {
    const TSize size = images.Size(k);
    largest = std::max(largest, static_cast<std::int64_t>(size.cx) * size.cy);
  }
  return static_cast<int>(std::clamp<std::int64_t>(kPixelsAtOnce / largest, 1, most));
}

// The descriptors kept for the files a save opens besides the unnamed files
// written ahead: each thread that makes images opens the caption font's file
// (once), and the thread that names the files writes one at its turn, then
// the page.
constexpr int kFilesPerMaker = 1;
constexpr int kFilesForNaming = 2;

// How a save shares the descriptors free when it starts.
struct DescriptorShare {
  int threads;       // the threads that make images, fewer than asked for when few descriptors are free
  int filesAtOnce;   // the unnamed files held at once: what is left, at most a quarter of the limit
};

DescriptorShare ShareDescriptors(int threads) {
  const int free = FreeDescriptors();
  threads = std::clamp((free - kFilesForNaming) / kFilesPerMaker, 1, std::max(threads, 1));
  const int left = free - kFilesForNaming - threads * kFilesPerMaker;
  return DescriptorShare{threads, std::clamp(left, 0, DescriptorLimit() / 4)};
}

// The file name (with extension) image k is saved under; made when asked
// for, so that a run of many images holds none of them.
using OutputNameOf = std::function<std::string(int k)>;

OutputNameOf OutputNames(const TForm1& form, const TOutputImages& images) {
  return [&form, &images](int k) { return OutputImageFileName(form, images.Hint(k), k); };
}

// Reports the first image too large for the format, as its save would fail,
// so that a run ends before it makes any image; false when every one fits.
bool ReportImageTooLarge(const TOutputImages& images, const std::string& folder, const OutputNameOf& nameOf,
                         int format) {
  for (int k = 0; k < images.Count(); ++k) {
    const std::string tooLarge = PictureTooLargeText(KindOf(format), images.Size(k));
    if (tooLarge.empty()) continue;
    ShowMessageOrLog(ErrorSavingText() + FormatTag(format) + folder + nameOf(k) + "\r\n" + tooLarge, mtError, mbOK);
    return true;
  }
  return false;
}

// Encodes the images and writes each into an unnamed file in the folder
// (StagedFile) on the worker threads, while the calling thread names the
// files one after the other, in image order, and reports each failure; false
// when any failed. One thread naming keeps the file system from making the
// others wait (each new name changes the folder, an unnamed file does not),
// and leaves the files as one thread would, also when two images have one
// name, and also when descriptors or space run short (StagingArea).
bool WriteImages(const TForm1& form, const TOutputImages& images, const std::string& folder,
                 const OutputNameOf& nameOf, int format) {
  const ImageWriteOptions options = form.WriteOptions();
  // What saving each GIF would leave behind, set before the threads start.
  if (format == ofGif) SetGifDefaults(options);
  const PictureKind kind = KindOf(format);
  const DescriptorShare share = ShareDescriptors(WorkerThreadCount());
  StagingArea area(share.filesAtOnce);
  const int ahead = ImagesAtOnce(images, kAheadPerThread * share.threads);
  std::vector<EncodedPicture> encoded(static_cast<std::size_t>(ahead));
  auto slotOf = [&](int k) -> EncodedPicture& { return encoded[static_cast<std::size_t>(k % ahead)]; };
  auto pathOf = [&](int k) { return folder + nameOf(k); };
  bool failed = false;
  RunInOrder(
      images.Count(), std::min(share.threads, ahead), ahead,
      [&](int k) {
        images.UsePicture(k, [&](const Bitmap& picture) { slotOf(k) = EncodePicture(kind, picture, options); });
        StageEncodedPicture(pathOf(k), slotOf(k), LinkAtName::Replace, &area);
      },
      [&](int k) {
        const std::string path = pathOf(k);
        std::string errorText;
        const bool written = WriteEncodedPicture(path, std::exchange(slotOf(k), EncodedPicture()), errorText);
        if (written) return;
        failed = true;
        ShowMessageOrLog(ErrorSavingText() + FormatTag(format) + path + "\r\n" + errorText, mtError, mbOK);
      });
  return !failed;
}

std::string PagePath(const TForm1& form, const std::string& folder) {
  const std::string& project = form.CurrentSettings.projectfile;
  return folder + (project.empty() ? std::string("kestro_test.html") : FileNameOf(project) + ".html");
}

// Writes the test page or the image-map page, a piece at a time; false when
// it could not be written.
bool WritePage(const TForm1& form, const std::string& path, const TPageInput& input) {
  const bool map = form.cbHTMLMap.Checked() && form.RGImgPerBtn.ItemIndex() > 0;
  const ContentWriter page = [&](const ByteSink& out) { (map ? WriteMapPage : WriteTestPage)(input, out); };
  std::string reason;
  if (WriteFileAtomically(path, page, &reason, LinkAtName::Replace)) return true;
  ShowMessageOrLog(ErrorSavingText() + "\r\n" + path + "\r\nCannot write file (" + reason + ")", mtError, mbOK);
  return false;
}

// Makes the output folder and every missing folder above it. When it cannot,
// says why once: each file's write would only fail for want of the folder.
bool MakeOutputFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error) return true;
  ShowMessageOrLog(ErrorSavingText() + "\r\n" + folder + "\r\nCannot create folder (" + error.message() + ")", mtError,
                   mbOK);
  return false;
}

// The collisions of the names in the output folder, as its file system
// compares them: the folder is asked only when two names differ in case alone.
std::vector<NameCollision> NameCollisions(int count, const OutputNameOf& nameOf, const std::string& folder) {
  std::vector<NameCollision> folded = FindNameCollisions(count, nameOf, true);
  const bool inCaseOnly = std::any_of(folded.begin(), folded.end(),
                                      [&](const NameCollision& c) { return nameOf(c.earlier) != nameOf(c.later); });
  // With no such pair, the names that collide without case collide as they stand.
  if (!inCaseOnly || FolderIgnoresCase(folder)) return folded;
  return FindNameCollisions(count, nameOf, false);
}

// A warning for the images that replace others: one log line each, or one box.
bool ReportNameCollisions(int count, const OutputNameOf& nameOf, const std::string& folder) {
  std::vector<std::string> texts;
  for (const NameCollision& c : NameCollisions(count, nameOf, folder)) {
    texts.push_back(FormatText(Lang(LangMessages[lmNameCollision]),
                               {std::to_string(c.earlier + 1), std::to_string(c.later + 1), nameOf(c.later)}));
  }
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

TSize TPanelImages::Size(int k) const { return TSize{Picture(k).Width(), Picture(k).Height()}; }

std::string OutputImageFileName(const TForm1& form, const std::string& hint, int k) {
  return BuildOutputName(form.EditPrefix.Text(), form.EditPostfix.Text(), hint, form.cbNoCapts.Checked(),
                         form.cbNumber.Checked(), form.cbLower.Checked(), k + 1LL) +
         OutputExtension(form.RG1.ItemIndex());
}

std::string OutputFolder(const TForm1& form) {
  std::string folder = form.DirectoryEdit1.Text();
  if (folder.empty()) folder = CurrentFolder();
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

bool SaveGeneratedImages(TForm1& form) { return SaveImages(form, TPanelImages(form)); }

bool SaveImages(TForm1& form, const TOutputImages& images) {
  if (images.Count() == 0) return true;
  const std::string folder = OutputFolder(form);
  const int format = form.RG1.ItemIndex();
  const OutputNameOf nameOf = OutputNames(form, images);
  if (IsOutputFormat(format) && ReportImageTooLarge(images, folder, nameOf, format)) return false;
  if (form.cbForceDir.Checked() && !MakeOutputFolder(folder)) return false;
  if (!IsOutputFormat(format)) {
    ShowMessageOrLog(ErrorSavingText() + "\r\n" + folder + "\r\nUnknown output format " + std::to_string(format),
                     mtError, mbOK);
    return false;
  }
  RemoveStaleTemporaryFiles(folder);
  const bool collisions = ReportNameCollisions(images.Count(), nameOf, folder);
  bool ok = WriteImages(form, images, folder, nameOf, format);
  std::string pagePath;
  bool pageWritten = false;
  // Also after an image that failed: the page then shows it missing.
  if (form.cbHTML.Checked()) {
    pagePath = PagePath(form, folder);
    pageWritten = WritePage(form, pagePath, PageInput(form, images));
    ok = ok && pageWritten;
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

TPageInput PageInput(const TForm1& form, const TOutputImages& images) {
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
  in.imageCount = images.Count();
  in.image = [&form, &images](int i) {
    const TSize size = images.Size(i);
    return TPageImage{OutputImageFileName(form, images.Hint(i), i), images.Hint(i), size.cx, size.cy};
  };
  in.mapRects = form.MapRects;
  return in;
}

std::string BuildTestPage(const TForm1& form) {
  const TPanelImages images(form);
  return BuildTestPage(PageInput(form, images));
}

std::string BuildMapPage(const TForm1& form) {
  const TPanelImages images(form);
  return BuildMapPage(PageInput(form, images));
}

}  // namespace kestrova
