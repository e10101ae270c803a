#pragma once
// The glyphs of the option panel's buttons that show no caption of their own:
// the text alignment and style buttons, the random-colours button, the two
// cut-point buttons and the icon buttons.

#include <QWidget>

namespace kestrova::qt {

// Gives each such button found below `panel` (by its control's name) its glyph.
void AddButtonGlyphs(QWidget* panel);

}  // namespace kestrova::qt
