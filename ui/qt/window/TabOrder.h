#pragma once
// The order in which Tab walks the window's controls. Each group, page or
// panel is walked in turn where it stands among its siblings, its own controls
// before the next sibling. Among the controls of one parent a control's tab
// order (the model's) is its place; the controls that have none (those of the
// stored layout) fill the places left free, in the order the stored layout
// lists them. Where two controls claim the same place, the one made later goes
// first, as when each is put at its place in turn. A page control's tabs come
// before its pages.

#include <QWidget>

#include "ui/model/form/MainForm.h"

namespace kestrova::qt {

// Sets the focus chain of the window, whose widgets are named after their controls.
void ApplyTabOrder(QWidget* window, const TForm1& form);

}  // namespace kestrova::qt
