#pragma once
// The settings of the project in hand, and the letter code of font styles.

#include <cstdint>
#include <string>
#include <string_view>

#include "rendering/Font.h"
#include "rendering/Settings.h"

namespace kestrova {

// The project in hand. Starts with empty strings, zeros and False; receives
// real values when a project is opened or the window copies its controls in.
extern TSettings CurrentSettings;

// Font style from letters, any case: B bold, I italic, U underline,
// S strikeout; every other character is ignored.
TFontStyles ParseFontStyle(std::string_view text);
// The letters of a font style, in the order B, I, U, S.
std::string FontStyleToString(TFontStyles style);

// An angle as files store it: the nearest whole number, halves to the even
// neighbour (2.5 is 2, 3.5 is 4); limited to the 32-bit range, 0 for NaN.
std::int32_t WholeDegrees(float angle);

}  // namespace kestrova
