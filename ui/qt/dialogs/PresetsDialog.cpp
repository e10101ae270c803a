#include "ui/qt/dialogs/PresetsDialog.h"


#include "ui/qt/dialogs/DialogWidgets.h"
#include "ui/qt/dialogs/PresetGrid.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"

namespace kestrova::qt {

namespace {

constexpr int kWidth = 533;
constexpr int kHeight = 492;
constexpr int kPanelHeight = 36;

TPresetsDialogHooks HooksOf(const Dialogs& dialogs) {
  TPresetsDialogHooks hooks;
  if (dialogs.ExecuteFileDialog) {
    // The dialog's own open dialog: the folder and the file must exist.
    hooks.OpenFile = [execute = dialogs.ExecuteFileDialog](const std::string& title,
                                                          const std::string& filter) -> std::optional<std::string> {
      TFileDialog open(nullptr, "OpenDialog1", TFileDialogKind::Open, "", ofPathMustExist | ofFileMustExist);
      open.SetTitle(title);
      open.SetFilter(filter);
      const std::vector<std::string> files = execute(open);
      if (files.empty()) return std::nullopt;
      return files.front();
    };
  }
  hooks.InputQuery = dialogs.InputText;
  return hooks;
}

}  // namespace

PresetsDialog::PresetsDialog(TForm1& form, const Dialogs& dialogs, QWidget* parent)
    : ModelHolder(form, HooksOf(dialogs)), QDialog(parent) {
  setObjectName("BtnPresetsForm");
  setModal(true);
  resize(kWidth, kHeight);
  BuildWidgets();
  model_.SetOnGridChange([this] { grid_->Sync(); });
  CloseWithModel(*this, model_);
}

void PresetsDialog::BuildWidgets() {
  QVBoxLayout* column = MakeColumn(this);
  QHBoxLayout* row = MakePanelRow(column, "P2", kPanelHeight, 4);
  QWidget* top = row->parentWidget();
  QLabel* current = MakeLabel(model_.Label1, top);
  row->addWidget(current);
  QComboBox* sets = MakeComboBox(model_.ComboPresets, top, 110);
  current->setBuddy(sets);  // the set's combo box is read with its caption
  row->addWidget(sets, 1);
  row->addWidget(MakeCheckBox(model_.cbSquare, top));
  row->addWidget(MakePushButton(model_.BitBtnSN, top, 56));
  row->addWidget(MakePushButton(model_.BitBtnSI, top, 56));
  row->addWidget(MakePushButton(model_.BitBtnSR, top, 56));

  grid_ = new PresetGrid(model_, this);
  column->addWidget(grid_, 1);

  row = MakePanelRow(column, "P1", kPanelHeight, 4);
  QWidget* bottom = row->parentWidget();
  row->addWidget(MakePushButton(model_.BBAdd, bottom, 70));
  row->addWidget(MakePushButton(model_.BBDel, bottom, 70));
  row->addWidget(MakePushButton(model_.BitBtnImp, bottom, 110));
  row->addStretch(1);
  row->addWidget(MakePushButton(model_.BBNo, bottom, 75));
  row->addWidget(MakePushButton(model_.BBUse, bottom, 75));
}

void PresetsDialog::showEvent(QShowEvent* event) {
  model_.FormShow();
  setWindowTitle(ToQt(model_.Caption()));
  NameForScreenReaders(grid_, ToQt(model_.Caption()));
  // The set's buttons are read with the set's caption ("Remove" of the set,
  // beside "Delete" of a preset, which some languages say alike).
  const QString set = SpokenText(ToQt(model_.Label1.Caption()));
  for (TButton* button : {&model_.BitBtnSN, &model_.BitBtnSI, &model_.BitBtnSR}) {
    if (auto* push = findChild<QWidget*>(QString::fromStdString(button->Name()))) {
      NameForScreenReaders(push, set + ", " + SpokenText(ToQt(button->Caption())));
    }
  }
  QDialog::showEvent(event);
  grid_->setFocus();
}

void PresetsDialog::reject() { model_.BBNo.Click(); }

int RunPresetsDialog(QWidget* parent, TForm1& form, const Dialogs& dialogs) {
  PresetsDialog dialog(form, dialogs, parent);
  dialog.exec();
  return dialog.Model().ModalResult();
}

}  // namespace kestrova::qt
