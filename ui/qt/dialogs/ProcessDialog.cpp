#include "ui/qt/dialogs/ProcessDialog.h"

#include "ui/model/language/Language.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

ProcessDialog::ProcessDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ProcessForm");
  setModal(true);
  hide();
}

void ProcessDialog::showEvent(QShowEvent* event) {
  setWindowTitle(ToQt(Lang(LangProcess[lprCaption])));
  QDialog::showEvent(event);
}

}  // namespace kestrova::qt
