#pragma once
// The font dialog: Qt's own, opened on the caption font with the face's own
// style selected, and giving back that font unchanged when OK is pressed on
// what it showed.

#include <optional>

#include "rendering/Font.h"

class QWidget;

namespace kestrova::qt {

// The font chosen (family as fontconfig names it, point size, bold, italic,
// underline and strike-out; colour, character set and quality as in `start`);
// nothing on Cancel. OK on the font the dialog opened with gives `start`.
std::optional<TFont> ChooseFont(const TFont& start, QWidget* parent);

}  // namespace kestrova::qt
