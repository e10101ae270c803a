#pragma once
// Widgets for the dialogs' controls, each bound to its control, named after
// it and placed by a layout.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

#include "ui/model/controls/Button.h"
#include "ui/model/controls/CheckBox.h"
#include "ui/model/controls/ItemList.h"
#include "ui/model/controls/Label.h"
#include "ui/model/controls/SpinEdit.h"
#include "ui/model/dialogs/DialogForm.h"

namespace kestrova::qt {

// Holds a dialog's model. A dialog derives from it before QDialog, so the
// model is made before the widgets and outlives them (their views stop
// listening to the model when they go).
template <class Model>
struct ModelHolder {
  template <class... Args>
  explicit ModelHolder(Args&&... args) : model_(std::forward<Args>(args)...) {}
  Model model_;
};

// Closes the dialog whenever its model closes itself: accepted on mrOk, else rejected.
void CloseWithModel(QDialog& dialog, TDialogForm& model);

// The dialog's column of panels: no margins, no spacing.
QVBoxLayout* MakeColumn(QWidget* dialog);
// A panel `height` pixels high named `name`, added to the column; the row of widgets it holds.
QHBoxLayout* MakePanelRow(QVBoxLayout* column, const char* name, int height, int margin);

// A push button at least `minimumWidth` wide that Enter does not press unless it has the focus.
QPushButton* MakePushButton(TButton& button, QWidget* parent, int minimumWidth);
QLabel* MakeLabel(TLabel& label, QWidget* parent);
QSpinBox* MakeSpinEdit(TRxSpinEdit& edit, QWidget* parent, int minimumWidth);
QCheckBox* MakeCheckBox(TCheckBox& check, QWidget* parent);
QComboBox* MakeComboBox(TComboBox& combo, QWidget* parent, int minimumWidth);

}  // namespace kestrova::qt
