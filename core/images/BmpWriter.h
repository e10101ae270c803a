#pragma once
// Writes a bitmap as a Windows bitmap file in its own format: 1, 4 and 8 bits
// with their colour table, 24 bits, 32 bits; rows bottom-up, 40-byte header.

#include <cstdint>
#include <vector>

#include "rendering/Bitmap.h"

namespace kestrova {

// The whole file; raises ImageFileError for a picture a bitmap file cannot hold.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);

}  // namespace kestrova
