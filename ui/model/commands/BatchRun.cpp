#include "ui/model/commands/BatchRun.h"

#include <exception>

#include "ui/model/commands/OutputSaving.h"
#include "ui/model/commands/ProjectOpening.h"

namespace kestrova {

void ConnectProgramOperations(TForm1& form) {
  form.Hooks.UpdateNamesList = [&form] { UpdateNamesList(form); };
  form.Hooks.OpenFromCommandLine = [&form](bool batch) { OpenFromCommandLine(form, batch); };
}

int RunBatch() {
  const int errorsBefore = ErrorMessageCount();
  TForm1 form;
  ConnectProgramOperations(form);
  form.Timer2.Enabled = true;
  try {
    form.Timer2Timer();
  } catch (const std::exception& e) {
    form.ApplicationException(e.what());
  }
  form.Logger1.Close();
  return ErrorMessageCount() > errorsBefore ? 1 : 0;
}

}  // namespace kestrova
