#pragma once
// The image-processing dialog on its model (TProcessForm): made hidden when
// the program starts and shown modally by the Process image command. Escape
// closes it like its Close button. The picture is a Tab stop with a focus mark;
// screen readers read the two sizes as "New size, width" and "New size,
// height" in the interface language.

#include <QDialog>

#include "ui/model/dialogs/ProcessDialog.h"
#include "ui/qt/dialogs/DialogWidgets.h"

namespace kestrova::qt {

class ProcessDialog : private ModelHolder<TProcessForm>, public QDialog {
 public:
  explicit ProcessDialog(TForm1& form, QWidget* parent = nullptr);

  TProcessForm& Model() { return model_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWidgets();
  // The names of the fields that share the size's caption, and of the picture.
  void NameForScreenReaders();

};

// Shows the image-processing dialog of `window` (the one made at start, or a
// new one kept as the window's child) and waits until it closes; then the main
// window's image information is brought up to date. mrOk after Use, else mrCancel.
int RunProcessDialog(QWidget* window, TForm1& form);

}  // namespace kestrova::qt
