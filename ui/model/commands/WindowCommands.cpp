#include "ui/model/commands/WindowCommands.h"

#include <vector>

#include "ui/model/commands/FileCommands.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/commands/HelpCommands.h"
#include "ui/model/commands/OutputSaving.h"

namespace kestrova {

namespace {

// A command and the controls that run it.
struct TCommand {
  std::vector<TButton TForm1::*> controls;
  void (*handler)(TForm1&);
};

std::vector<TCommand> Commands() {
  return {
      {{&TForm1::Loadsettings1, &TForm1::TBLoad}, Loadsettings1Click},
      {{&TForm1::Savesettings1, &TForm1::TBSave}, Savesettings1Click},
      {{&TForm1::Savegeneratedbuttons1, &TForm1::TBSaveBtns}, Savegeneratedbuttons1Click},
      {{&TForm1::Openbaseimage1, &TForm1::TBLoadImg, &TForm1::OpenImgPop}, Openbaseimage1Click},
      {{&TForm1::Savebaseimage1, &TForm1::TBSaveImg, &TForm1::SaveImgPop}, Savebaseimage1Click},
      {{&TForm1::Openbuttoncaptionstextfile1, &TForm1::TBLoadTxt}, Openbuttoncaptionstextfile1Click},
      {{&TForm1::Savecaptions1, &TForm1::TBSaveTxt}, Savecaptions1Click},
      {{&TForm1::Generateimages1, &TForm1::TBGen}, Generateimages1Click},
      {{&TForm1::Font1, &TForm1::TBFont, &TForm1::BitBtnFont}, [](TForm1& f) { f.Font1Click(); }},
      {{&TForm1::Adjustcolor1, &TForm1::TBColor}, [](TForm1& f) { f.BitBtnAdjColorClick(); }},
      {{&TForm1::BitBtnCenterV}, [](TForm1& f) { f.BitBtnCenterVClick(); }},
      {{&TForm1::BitBtnRnd}, [](TForm1& f) { f.BitBtnRndClick(); }},
      {{&TForm1::BitBtnCycle}, [](TForm1& f) { f.BitBtnCycleClick(); }},
      {{&TForm1::BitBtnX0Y0}, [](TForm1& f) { f.BitBtnX0Y0Click(); }},
      {{&TForm1::BitBtnXEYE}, [](TForm1& f) { f.BitBtnXEYEClick(); }},
      {{&TForm1::BitBtn1}, AddIconsClick},
      {{&TForm1::HelpMenuItem}, HelpMenuItemClick},
      {{&TForm1::PayPaldonation1}, PayPaldonation1Click},
      {{&TForm1::Zandrelkocom1}, Zandrelkocom1Click},
  };
}

}  // namespace

void Generateimages1Click(TForm1& form) {
  const TWaitCursor wait(form.Hooks);
  form.ClearPreviews();
  form.ControlsToSettings();
  GenerateButtons(form);
  form.UpdateNamesList();
}

void Savegeneratedbuttons1Click(TForm1& form) {
  const TWaitCursor wait(form.Hooks);
  form.ControlsToSettings();
  SaveGeneratedImages(form);
}

void ConnectWindowCommands(TForm1& form) {
  for (const TCommand& command : Commands()) {
    for (TButton TForm1::*control : command.controls) {
      (form.*control).SetOnClick([&form, handler = command.handler] { handler(form); });
    }
  }
  form.Recent1.OnClick = [&form](int index) { Recent1Click(form, index); };
}

}  // namespace kestrova
