#pragma once
// The names screen readers give the fields of the option pages (spin edits,
// edits, combo boxes, sliders, the names list, the folder's browse button):
// the caption that stands for each, mostly a label left of it or above it,
// else the check box, button or radio group it belongs to; names follow the
// interface language. The label is also the one the field is labelled by. A
// field with no caption of its own keeps the one the toolkit gives it (the
// title of its group box, if it has one).

#include <QWidget>

namespace kestrova::qt {

// The window's widgets are named after their controls.
void NameFieldsByTheirCaptions(QWidget* window);

}  // namespace kestrova::qt
