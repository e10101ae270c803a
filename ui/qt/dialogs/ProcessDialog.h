#pragma once
// The image-processing dialog, made hidden when the program starts and shown
// by the Process image command. Its caption comes from the language tables
// each time it is shown; its controls are added to this class.

#include <QDialog>

namespace kestrova::qt {

class ProcessDialog : public QDialog {
 public:
  explicit ProcessDialog(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace kestrova::qt
