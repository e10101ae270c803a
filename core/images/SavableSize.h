#pragma once
// How large a picture each kind of output file holds, so that a run refuses
// pictures too large for its format before it makes any of them.

#include <cstdint>
#include <string>

#include "core/images/PictureFormats.h"
#include "rendering/Geometry.h"

namespace kestrova {

// The widest and highest picture a file of the kind holds: 65535 pixels for
// GIF, 65500 for JPEG (libjpeg's limit); a PNG or a Windows bitmap holds any
// picture a bitmap does.
std::int64_t MaxSavedSide(PictureKind kind);

// Why a picture of the size cannot be written as the kind, e.g. "Image too
// large for GIF: 15 x 16777225 pixels, at most 65535 on a side"; empty when
// it can.
std::string PictureTooLargeText(PictureKind kind, TSize size);

}  // namespace kestrova
