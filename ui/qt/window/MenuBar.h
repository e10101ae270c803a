#pragma once
// The main window's menu bar: each menu and menu item bound to its menu item
// of the model (caption, enabled state, check mark, click handler). The menus
// and items are the rows of one table in MenuBar.cpp; an item's shortcut
// belongs to the item itself, so it works with or without a window manager.
// "Load recent" is a sub-menu that lists the recent-files list's items and
// follows every change of the list.

#include <QMenuBar>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

void BuildMenuBar(QMenuBar* bar, TForm1& form);

}  // namespace kestrova::qt
