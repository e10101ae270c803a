#include "ui/model/dialogs/AboutBox.h"

#include "core/support/FileVersion.h"
#include "core/support/ProgramFolders.h"
#include "ui/model/dialogs/SystemInfoText.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

// The libraries the program is built on.
constexpr const char* kCredits = "FreeType \u00b7 fontconfig \u00b7 libpng \u00b7 zlib \u00b7 libjpeg \u00b7 Qt";

}  // namespace

std::string ProgramVersionText() { return GetFileVersionText(ExecutablePath()); }

TAboutBox::TAboutBox(TAboutBoxSources sources)
    : sources_(std::move(sources)), query_(sources_.runLibraryCall), url_(kMakerHomePage) {
  if (sources_.version.empty()) sources_.version = ProgramVersionText();
  GradientImage1.SetColorStart(0xC0C0C0);
  GradientImage1.SetColorMid(0xFFFFFF);
  GradientImage1.SetColorEnd(0xC0C0C0);
  GradientImage1.SetTwoOnly(false);
  GradientImage1.SetHorizontal(true);
  GradientImage1.SetIsRound(false);
  GradientImage1.SetAsColorMap(false);
  MemoSys.SetReadOnly(true);
  OKButton.SetCaption("OK");
  OKButton.SetOnClick([this] { Close(mrOk); });
}

void TAboutBox::FormShow() {
  Reopen();
  SetCaption(Lang(LangAbout[laCaption]));
  Comments.SetCaption(Lang(LangAbout[laRights]));
  Credits.SetCaption(kCredits);
  LabelVer.SetCaption(Lang(LangAbout[laChecking]));

  const TSystemFacts facts = sources_.systemFacts ? sources_.systemFacts() : TSystemFacts{};
  const std::string language = sources_.languageName ? sources_.languageName(facts.locale) : facts.locale;
  MemoSys.SetText(LangIndex == lgPolish ? GetSystemInfoTextPL(facts, language, sources_.thousandsSeparator)
                                        : GetSystemInfoText(facts, language, sources_.thousandsSeparator));

  LabelWeb.SetCaption(url_);
  LabelWeb.SetHint(url_);
  LabelWeb.SetShowHint(true);
  Version.SetCaption("Kestrova, v" + sources_.version);

  const auto library = sources_.loadLibrary ? sources_.loadLibrary(sources_.libraryPath) : std::nullopt;
  query_.Start(library, sources_.version);
  switch (query_.State()) {
    case TVersionQuery::TState::NotStarted: LabelVer.SetCaption(""); break;
    case TVersionQuery::TState::Running: Timer1.Enabled = true; break;
    default: ShowQueryResult(); break;
  }
}

void TAboutBox::Timer1Timer() {
  query_.Poll();
  if (!query_.Running()) ShowQueryResult();
}

void TAboutBox::ShowQueryResult() {
  Timer1.Enabled = false;
  const auto& value = query_.Value();
  const bool known = query_.State() == TVersionQuery::TState::Answered && value.has_value();
  LabelVer.SetCaption(Lang(LangAbout[laVersionPrefix]) + (known ? *value : Lang(LangAbout[laUnavailable])));
}

void TAboutBox::LabelWebClick() {
  if (OpenURL) OpenURL(url_);
}

}  // namespace kestrova
