#pragma once
// The order in which Tab walks the window's controls. Each group, page or
// panel is walked in turn where it stands among its siblings, its own controls
// before the next sibling. The siblings of one parent stand first as the stored
// layout lists them (its captions aside), then the panels of the window as they
// stand on the screen (the captions, the base image, the option pages, the
// output panel); then every tab order the model set, in the order it set them,
// moves its control to that place among its siblings (TabList.h), a control
// made at run time joining them there. A page control's tabs come before its
// pages. A radio group is one stop, its checked item (its first
// when none is checked): the arrow keys walk its items. Shift+Tab walks the
// same order backwards. A stop Tab reaches is brought into view in every
// scroll area around it.

#include <QWidget>
#include <vector>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

// Every widget of the window that Tab may stop at, in the order Tab walks
// them, whether it can take the focus now or not (the window's widgets are
// named after their controls).
std::vector<QWidget*> TabStops(QWidget* window, const TForm1& form);

// The stop Tab (`next`) or Shift+Tab moves to from `from` (a stop, a widget
// inside one, or nullptr), and focuses it; false when no stop can take the
// focus now.
bool MoveTabFocus(const std::vector<QWidget*>& stops, QWidget* from, bool next);

}  // namespace kestrova::qt
