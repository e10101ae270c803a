#include "ui/qt/application/Program.h"

#include "ui/qt/application/Application.h"
#include "ui/qt/dialogs/ProcessDialog.h"
#include "ui/qt/window/MainWindow.h"

namespace kestrova::qt {

int RunWindow(int& argc, char** argv) {
  Application app(argc, argv);
  MainWindow window;
  app.OnException = [&window](const std::string& message) { window.Form().ApplicationException(message); };
  auto* process = new ProcessDialog(window.Form(), &window);
  (void)process;
  window.ShowAsStored();
  return app.exec();
}

}  // namespace kestrova::qt
