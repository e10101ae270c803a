#include "ui/qt/dialogs/Dialogs.h"

#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/qt/dialogs/FileDialog.h"
#include "ui/qt/dialogs/FontDialog.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

struct ButtonCode {
  TMsgDlgButtons model;
  QMessageBox::StandardButton qt;
  int result;
};

constexpr ButtonCode kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},         {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},            {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},   {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

int ShowMessageBox(QWidget* parent, const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  QMessageBox box(IconOf(type), kMessageBoxTitle, ToQt(text), QMessageBox::NoButton, parent);
  for (const ButtonCode& b : kButtons) {
    if ((buttons & b.model) != 0) box.addButton(b.qt);
  }
  if (box.buttons().isEmpty()) box.addButton(QMessageBox::Ok);
  if ((buttons & mbYes) != 0) box.setDefaultButton(QMessageBox::Yes);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonCode& b : kButtons) {
    if (clicked != nullptr && box.standardButton(clicked) == b.qt) return b.result;
  }
  // Closed with Escape or the title bar: the box's cancelling answer.
  if ((buttons & mbCancel) != 0) return mrCancel;
  if ((buttons & mbNo) != 0) return mrNo;
  return mrOk;
}

}  // namespace

Dialogs DefaultDialogs(QWidget* parent) {
  Dialogs d;
  d.MessageBox = [parent](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return ShowMessageBox(parent, text, type, buttons);
  };
  d.ChooseColor = [parent](TColor start) -> std::optional<TColor> {
    const QColor chosen = QColorDialog::getColor(ToQColor(start), parent, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
  };
  d.ChooseFolder = [parent](const std::string& start) { return ChooseFolder(start, parent); };
  d.ChooseFont = [parent](const TFont& start) { return ChooseFont(start, parent); };
  d.ExecuteFileDialog = [parent](const TFileDialog& dialog) { return ExecuteFileDialog(dialog, parent); };
  d.InputText = [parent](const std::string& caption, const std::string& prompt,
                         const std::string& start) -> std::optional<std::string> {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, ToQt(caption), ToQt(prompt), QLineEdit::Normal, ToQt(start), &ok);
    if (!ok) return std::nullopt;
    return FromQt(text);
  };
  return d;
}

}  // namespace kestrova::qt
