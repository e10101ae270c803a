#include "ui/qt/application/Application.h"

#include <cstdio>
#include <exception>

#include "ui/qt/widgets/PlainTexts.h"
#include "ui/qt/window/DialogFit.h"

namespace kestrova::qt {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Kestrova");
  setApplicationDisplayName("Kestrova");
  setStyle("Fusion");
  setFont(WindowFont());
  installEventFilter(new PlainTextGuard(this));
  new DialogFit(this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    Terminate(e.what());
  } catch (...) {
    Terminate("Unknown error");
  }
  return false;
}

void Application::Terminate(const std::string& message) {
  if (terminated_ || reporting_) return;
  reporting_ = true;
  try {
    if (OnException) {
      OnException(message);
    } else {
      std::fprintf(stderr, "kestrova: %s\n", message.c_str());
    }
  } catch (...) {
    // The report itself failed: the application ends all the same.
  }
  reporting_ = false;
  terminated_ = true;
  exit(1);
}

QFont WindowFont() {
  QFont font("Liberation Sans");
  font.setPixelSize(11);
  return font;
}

}  // namespace kestrova::qt
