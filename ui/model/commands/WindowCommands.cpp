#include "ui/model/commands/WindowCommands.h"

#include "ui/model/commands/Generate.h"
#include "ui/model/commands/OutputSaving.h"

namespace kestrova {

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
  for (TButton* command : {&form.Generateimages1, &form.TBGen}) {
    command->SetOnClick([&form] { Generateimages1Click(form); });
  }
  for (TButton* command : {&form.Savegeneratedbuttons1, &form.TBSaveBtns}) {
    command->SetOnClick([&form] { Savegeneratedbuttons1Click(form); });
  }
}

}  // namespace kestrova
