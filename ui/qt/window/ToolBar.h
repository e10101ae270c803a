#pragma once
// The main window's tool bar: the command buttons, each bound to its tool
// button of the model (hint, enabled state, click handler), then the five
// language buttons with their flags. The buttons are the rows of the tables in
// ToolBar.cpp.

#include <QToolBar>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

void BuildToolBar(QToolBar* bar, TForm1& form);

}  // namespace kestrova::qt
