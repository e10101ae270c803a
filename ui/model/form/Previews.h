#pragma once
// Helpers for the preview images of the output panel.

#include <string>
#include <string_view>

#include "rendering/Bitmap.h"

namespace kestrova {

// The number a preview's name carries after its nine-character prefix
// ("newbutton", "muxbutton", "allinone"); 0 when the rest is no number.
int PreviewIndex(std::string_view name);

// The base-image information line: size and depth of the bitmap and the file
// name, or the empty-image text when there is no bitmap or it has no width.
std::string ImageInfoText(const Bitmap* bitmap, const std::string& fileName);

}  // namespace kestrova
