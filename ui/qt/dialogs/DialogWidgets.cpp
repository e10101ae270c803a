#include "ui/qt/dialogs/DialogWidgets.h"

#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/CheckBoxView.h"
#include "ui/qt/widgets/ComboBoxView.h"
#include "ui/qt/widgets/LabelView.h"
#include "ui/qt/widgets/SpinEditView.h"

namespace kestrova::qt {

namespace {

template <class W>
W* Named(W* widget, const TControl& control) {
  widget->setObjectName(QString::fromStdString(control.Name()));
  return widget;
}

}  // namespace

void CloseWithModel(QDialog& dialog, TDialogForm& model) {
  model.SetOnClose([&dialog](int result) { dialog.done(result == mrOk ? QDialog::Accepted : QDialog::Rejected); });
}

QVBoxLayout* MakeColumn(QWidget* dialog) {
  auto* column = new QVBoxLayout(dialog);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  return column;
}

QHBoxLayout* MakePanelRow(QVBoxLayout* column, const char* name, int height, int margin) {
  auto* panel = new QWidget(column->parentWidget());
  panel->setObjectName(name);
  panel->setFixedHeight(height);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(margin, margin, margin, margin);
  row->setSpacing(4);
  column->addWidget(panel);
  return row;
}

QPushButton* MakePushButton(TButton& button, QWidget* parent, int minimumWidth) {
  auto* push = Named(new QPushButton(parent), button);
  push->setAutoDefault(false);
  push->setMinimumWidth(minimumWidth);
  new ButtonView(button, push, Placement::Layout);
  return push;
}

QLabel* MakeLabel(TLabel& label, QWidget* parent) {
  auto* text = Named(new QLabel(parent), label);
  text->setTextFormat(Qt::PlainText);
  new LabelView(label, text, false, Placement::Layout);
  return text;
}

QSpinBox* MakeSpinEdit(TRxSpinEdit& edit, QWidget* parent, int minimumWidth) {
  auto* box = Named(new QSpinBox(parent), edit);
  box->setMinimumWidth(minimumWidth);
  new SpinEditView(edit, box, Placement::Layout);
  return box;
}

QCheckBox* MakeCheckBox(TCheckBox& check, QWidget* parent) {
  auto* box = Named(new QCheckBox(parent), check);
  new CheckBoxView(check, box, Placement::Layout);
  return box;
}

QComboBox* MakeComboBox(TComboBox& combo, QWidget* parent, int minimumWidth) {
  auto* box = Named(new QComboBox(parent), combo);
  box->setMinimumWidth(minimumWidth);
  new ComboBoxView(combo, box, Placement::Layout);
  return box;
}

}  // namespace kestrova::qt
