#pragma once
// The presets dialog on its model (TBtnPresetsForm): the set row at the top,
// the grid of preview buttons, the preset commands at the bottom. Its file
// choices and the set-name input box go through the Dialogs. Escape closes it
// like its Close button.

#include <QDialog>

#include "ui/model/dialogs/PresetsDialog.h"
#include "ui/qt/dialogs/DialogWidgets.h"
#include "ui/qt/dialogs/Dialogs.h"

namespace kestrova::qt {

class PresetGrid;

class PresetsDialog : private ModelHolder<TBtnPresetsForm>, public QDialog {
 public:
  PresetsDialog(TForm1& form, const Dialogs& dialogs, QWidget* parent = nullptr);

  TBtnPresetsForm& Model() { return model_; }
  PresetGrid* Grid() const { return grid_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWidgets();

  PresetGrid* grid_ = nullptr;
};

// Opens the presets dialog over `parent` and waits until it closes: mrOk when
// a preset was applied to the main window, else mrCancel.
int RunPresetsDialog(QWidget* parent, TForm1& form, const Dialogs& dialogs);

}  // namespace kestrova::qt
