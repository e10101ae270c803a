#pragma once
// The names screen readers give the fields of the option pages (spin edits,
// edits, combo boxes, sliders, the names list, the folder's browse button):
// the caption that stands for each, mostly a label left of it or above it,
// else the check box, button or radio group it belongs to, in the interface
// language. Where one caption stands for two fields, a word tells them apart
// ("Position, horizontal" and "Position, vertical"), and where two captions
// read alike, the title of the group each belongs to comes first. The label
// is also the one the field is labelled by; a combo box, which this platform
// names by its value, with no caption of its own gets a hidden label holding
// its name.

#include <QWidget>

namespace kestrova::qt {

// Names the window's fields (its widgets are named after their controls);
// again after every change of the interface language.
void NameFieldsByTheirCaptions(QWidget* window);

}  // namespace kestrova::qt
