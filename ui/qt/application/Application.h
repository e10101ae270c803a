#pragma once
// The Qt application object of the window: it carries the program's title,
// font and style, shows message boxes and tooltips as plain text
// (PlainTextGuard), centres every dialog on the screen (DialogFit), and catches every exception that escapes an event
// handler: the handler set with OnException reports it, then the application
// ends with exit status 1.

#include <QApplication>
#include <QFont>
#include <functional>
#include <string>

namespace kestrova::qt {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  // Reports an exception that no operation caught (the window's critical-error message).
  std::function<void(const std::string& message)> OnException;
  // True once an exception ended the application.
  bool Terminated() const { return terminated_; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Terminate(const std::string& message);

  bool terminated_ = false;
  bool reporting_ = false;
};

// The window's font: a sans-serif face of 11 pixels, so that the option
// pages, laid out in pixels, look the same on every desktop.
QFont WindowFont();

}  // namespace kestrova::qt
