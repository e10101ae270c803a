#pragma once
// The fixed palettes of the platform the program came from, as our own tables.

#include <vector>

#include "rendering/Color.h"

namespace kestrova {

// The 20 static colours: the first ten and the last ten entries of the
// system palette, in palette order (black ... silver, money green, sky blue,
// then cream, medium grey, grey, red, lime, yellow, blue, fuchsia, aqua, white).
const std::vector<TColor>& StaticColors20();

// The 16 colours of a 4-bit bitmap: black, the eight dark colours, silver,
// grey and the seven bright colours (the VGA order).
const std::vector<TColor>& VgaPalette16();

// The 216-colour cube: every combination of the channel levels 0, 51, 102,
// 153, 204 and 255; entry i has red level i / 36, green (i / 6) % 6, blue i % 6.
const std::vector<TColor>& ColorCube216();

// The 256-colour halftone palette: the first ten static colours, the 6 x 6 x 6
// colour cube (levels 0, 51, 102, 153, 204, 255; red varying slowest), twenty
// grey steps (round(255 * k / 21) for k = 1..20) and the last ten static colours.
const std::vector<TColor>& HalftonePalette256();

// Black and white, the palette of a new 1-bit bitmap.
const std::vector<TColor>& MonochromePalette();

}  // namespace kestrova
