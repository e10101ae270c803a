#pragma once
// A one-line edit: QLineEdit on a TEdit, with an optional filter of typed
// characters (a character it refuses is swallowed, as a key filter does).

#include <QLineEdit>
#include <functional>

#include "ui/model/controls/Edit.h"
#include "ui/qt/widgets/ControlView.h"

namespace kestrova::qt {

class EditView : public ControlView {
 public:
  EditView(TEdit& edit, QLineEdit* line, Placement placement = Placement::Bounds);

  // Typed characters for which `accepts` gives false never reach the edit.
  void SetKeyFilter(std::function<bool(char32_t)> accepts);

 protected:
  void MirrorValue() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TEdit& edit_;
  QLineEdit* line_;
  std::function<bool(char32_t)> accepts_;
};

}  // namespace kestrova::qt
