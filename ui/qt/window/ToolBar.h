#pragma once
// The main window's tool bar: the command buttons, each bound to its tool
// button of the model (hint, enabled state, click handler), then the five
// language buttons with their flags, each named for screen readers after its
// language in that language ("Deutsch"); they take no keyboard focus, a screen
// reader presses them. The buttons are the rows of the tables in ToolBar.cpp.

#include <QToolBar>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

void BuildToolBar(QToolBar* bar, TForm1& form);

// Names the tool bar's button of the buttons it has no room for in the
// interface language (again after every change of the language).
void NameToolBarExtension(QToolBar* bar);

}  // namespace kestrova::qt
