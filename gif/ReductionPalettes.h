#pragma once
// The fixed palettes of the colour reduction methods. Each builder returns a
// new palette (0x00BBGGRR entries) that the caller owns.

#include <vector>

#include "rendering/Color.h"

namespace kestrova {

// The 216-colour web cube: red = (i / 36) x 51, green = ((i / 6) % 6) x 51, blue = (i % 6) x 51.
std::vector<TColor> CreateNetscapePalette();
// 256 greys: entry i is (i, i, i).
std::vector<TColor> CreateGrayScalePalette();
// Black, white.
std::vector<TColor> CreateMonochromePalette();
// The four greys $00, $80, $C0, $FF.
std::vector<TColor> CreateWindowsGrayPalette();
// The 20 static colours (the default palette of the screen).
std::vector<TColor> CreateWindows20Palette();
// The 256-colour halftone palette of the screen.
std::vector<TColor> CreateScreenHalftonePalette();

}  // namespace kestrova
