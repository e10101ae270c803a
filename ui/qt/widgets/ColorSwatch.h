#pragma once
// The glyph of a colour button: a block of the colour inside a one-pixel frame
// of its inverse, drawn the way the platform's rectangle primitive draws it.

#include "rendering/Bitmap.h"
#include "rendering/Color.h"

namespace kestrova::qt {

// A w x h swatch: filled with the button's face colour, then the rectangle
// (0, 0, w - 1, h - 1) outlined in glyph xor $FFFFFF and filled with the glyph
// colour. The outline covers columns 0 and w - 2 and rows 0 and h - 2; the
// last column and row keep the face colour. An empty bitmap when w or h < 1.
Bitmap DrawColorSwatch(int w, int h, TColor glyph, TColor face);

}  // namespace kestrova::qt
