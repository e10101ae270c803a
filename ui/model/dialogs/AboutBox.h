#pragma once
// The About box: the program's name and version, the rights line, the maker's
// web address, the system information and the result of the online version
// query. Each opening loads the version library from the program folder and
// starts one query, which the box's timer polls every 500 ms (the library's
// calls run off the box's thread, so one that hangs holds up nothing); without
// the library the version line stays empty. Made when it opens, gone when it closes.

#include <functional>
#include <string>

#include "core/support/SystemInfo.h"
#include "ui/model/controls/Button.h"
#include "ui/model/controls/Label.h"
#include "ui/model/controls/Memo.h"
#include "ui/model/controls/RendererControl.h"
#include "ui/model/commands/MakerAddresses.h"
#include "ui/model/dialogs/DialogForm.h"
#include "ui/model/dialogs/VersionQuery.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

// Where the box takes what it shows; the defaults are this system's, tests put their own.
struct TAboutBoxSources {
  // The version library's path ("" for none), and how it is loaded.
  std::string libraryPath = VersionLibraryPath();
  std::function<std::optional<TVersionLibrary>(const std::string& path)> loadLibrary = LoadVersionLibrary;
  // The program's version, four numbers.
  std::string version;
  std::function<TSystemFacts()> systemFacts = ReadSystemFacts;
  // The name of the language of a locale ("pl_PL.UTF-8"); the locale itself when not set.
  std::function<std::string(const std::string& locale)> languageName;
  std::string thousandsSeparator = UserThousandsSeparator();
  // Where the calls into the version library run: off the window's thread.
  TLibraryCallRunner runLibraryCall = RunOnOwnThread;
};
// The version this program carries in its version block.
std::string ProgramVersionText();

class TAboutBox : public TDialogForm {
 public:
  explicit TAboutBox(TAboutBoxSources sources = {});

  // The background: silver, white, silver across.
  TGradientImageControl GradientImage1{this, "GradientImage1", "Panel1"};
  TLabel Version{this, "Version", "Panel1"};
  TLabel Comments{this, "Comments", "Panel1"};
  TLabel Credits{this, "Credits", "Panel1"};
  TLabel LabelWeb{this, "LabelWeb", "Panel1"};
  TMemo MemoSys{this, "MemoSys", "Panel1"};
  TLabel LabelVer{this, "LabelVer", "Panel1"};
  TButton OKButton{this, "OKButton", "Panel1"};
  // Polls the version query while on.
  TTimer Timer1{false, 500};

  const std::string& URL() const { return url_; }
  // Opens an address in the web browser (the web label's click).
  std::function<void(const std::string& url)> OpenURL;

  // Each opening: texts in the current language, the system information,
  // and a new query when the version library loads.
  void FormShow();
  // One polling step of the version query.
  void Timer1Timer();
  void LabelWebClick();
  const TVersionQuery& Query() const { return query_; }

 private:
  void ShowQueryResult();

  TAboutBoxSources sources_;
  TVersionQuery query_;
  std::string url_;
};

}  // namespace kestrova
