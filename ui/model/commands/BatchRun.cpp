#include "ui/model/commands/BatchRun.h"

#include <exception>

#include "ui/model/commands/OutputSaving.h"
#include "ui/model/commands/ProjectOpening.h"

namespace kestrova {

void ConnectProgramOperations(TForm1& form) {
  form.Hooks.UpdateNamesList = [&form] { UpdateNamesList(form); };
  form.Hooks.OpenFromCommandLine = [&form](bool batch) { OpenFromCommandLine(form, batch); };
}

namespace {

// Errors, warnings and log lines that went elsewhere: any of them fails a run.
int ProblemCount() { return ErrorMessageCount() + WarningMessageCount() + LostLogLineCount(); }

}  // namespace

int RunBatch() {
  const int problemsBefore = ProblemCount();
  TForm1 form;
  ConnectProgramOperations(form);
  // No window shows the names list, which would hold a name for every caption.
  form.Hooks.UpdateNamesList = nullptr;
  form.Timer2.Enabled = true;
  try {
    form.Timer2Timer();
  } catch (const std::exception& e) {
    form.ApplicationException(e.what());
  }
  form.Logger1.Close();
  return ProblemCount() > problemsBefore ? 1 : 0;
}

}  // namespace kestrova
