#include "ui/qt/application/Application.h"

#include <cstdio>
#include <exception>

namespace kestrova::qt {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Kestrova");
  setApplicationDisplayName("Kestrova");
  setStyle("Fusion");
  setFont(WindowFont());
  // Group boxes as the stored layout expects them: the frame starts half a
  // line down and the title sits on it, so controls placed just below the
  // title stay inside the frame.
  setStyleSheet(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");
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
