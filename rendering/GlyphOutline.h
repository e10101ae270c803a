#pragma once
// A glyph's outline as figures of a path: what a text drawn into a path
// leaves there, to be filled, stroked or made a clip like any other figure.

#include <ft2build.h>
#include FT_FREETYPE_H

#include "rendering/Path.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

// Adds each contour of the outline (26.6 pixels, y growing upwards, as the
// face gives it) to the path as a closed figure, the outline's origin at
// `pen` on the canvas (y growing downwards). Its curves are flattened by the
// path.
void AppendGlyphOutline(Path& path, const FT_Outline& outline, TPointF pen);

}  // namespace kestrova
