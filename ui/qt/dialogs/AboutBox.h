#pragma once
// The About box on its model (TAboutBox): a fixed window over a silver
// gradient with the program's icon, name and version, the rights line, the
// web link, the system information and the version line. A timer polls the
// version query while it runs; closing the box stops the polling. OK, Enter
// and Escape close it (the box opens with the keyboard on OK; the web link is
// a Tab stop of its own).

#include <QDialog>
#include <QTimer>

#include "ui/model/dialogs/AboutBox.h"
#include "ui/qt/dialogs/DialogWidgets.h"

namespace kestrova::qt {

class AboutBox : private ModelHolder<TAboutBox>, public QDialog {
 public:
  AboutBox(TForm1& form, TAboutBoxSources sources = DefaultAboutBoxSources(), QWidget* parent = nullptr);

  TAboutBox& Model() { return model_; }
  QTimer* Timer() { return &timer_; }

  // Escape closes the box like its OK button; closing stops the polling.
  void reject() override;
  void done(int result) override;

  // The system's own facts, with language names as Qt knows them.
  static TAboutBoxSources DefaultAboutBoxSources();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWidgets();
  void FollowTimer();

  QTimer timer_;
};

// Opens the About box over `parent` and waits until it closes.
int RunAboutBox(QWidget* parent, TForm1& form);

}  // namespace kestrova::qt
