#pragma once
// Drawing a bitmap with one colour left out.

#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"
#include "rendering/Color.h"

namespace kestrova {

// Draws the bitmap at its own size with its top-left corner at (x, y). Pixels
// exactly equal to `transparent` leave the canvas as it is; every other pixel
// replaces the canvas's pixel. Done as the platform does it: the canvas is
// ANDed with a copy whose transparent pixels are `back` (white), then ORed with
// a copy whose transparent pixels are black.
void DrawTransparentBitmap(TCanvas& canvas, int x, int y, const Bitmap& bitmap, TColor transparent,
                           TColor back = 0xFFFFFF);

}  // namespace kestrova
