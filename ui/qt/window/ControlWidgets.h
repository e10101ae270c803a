#pragma once
// Makes the widgets of the controls that sit in the option panel: one widget
// per control of the model whose parent is a known container, of the kind the
// control is (or the stored layout says, for captions), placed by the stored
// layout or the model's bounds, and bound to the control. Each widget's object
// name is its control's name.

#include <QWidget>
#include <string>
#include <unordered_map>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

// `containers` names the widgets already made (at least the option panel);
// the containers made here are added to it. Controls of the stored layout get
// its bounds written into the model first.
void BuildControlWidgets(TForm1& form, std::unordered_map<std::string, QWidget*>& containers);

}  // namespace kestrova::qt
