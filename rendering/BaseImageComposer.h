#pragma once
// Draws a new base image from a settings record: a flat background, an
// optional gradient, the button effect (bevel or round button) and an optional
// frame. Only the new-image size and the effect, frame and gradient fields of
// the record are read; the caller's record is never changed.

#include "rendering/Bitmap.h"
#include "rendering/Settings.h"

namespace kestrova {

// A new 24-bit picture of newx x newy pixels. Throws BitmapError when that
// size is below 1 x 1 or too large for a bitmap, and when a round button's
// ring width lies beyond TButtonizer::kMaxRingCount (any margin is drawn).
Bitmap ComposeBaseImage(const TSettings& settings);
// The same into `target`, which is left as it was when the picture cannot be made.
void ComposeBaseImage(const TSettings& settings, Bitmap& target);

}  // namespace kestrova
