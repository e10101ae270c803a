#pragma once
// A push button of fixed bounds whose caption is too long for it (a language's
// longer text) shows the caption in the largest smaller font with which the
// caption and its icon fit inside the button's frame, down to a smallest
// size; a caption that fits keeps the window's font.

#include <QPushButton>

namespace kestrova::qt {

void FitCaption(QPushButton* button);

}  // namespace kestrova::qt
