#pragma once
// The image-processing dialog on its model (TProcessForm): made hidden when
// the program starts and shown modally by the Process image command. Escape
// closes it like its Close button.

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

};

// Shows the image-processing dialog of `window` (the one made at start, or a
// new one kept as the window's child) and waits until it closes; then the main
// window's image information is brought up to date. mrOk after Use, else mrCancel.
int RunProcessDialog(QWidget* window, TForm1& form);

}  // namespace kestrova::qt
