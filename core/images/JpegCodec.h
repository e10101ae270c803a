#pragma once
// JPEG files through libjpeg.
//
// Reading: grey files become 8-bit bitmaps with a grey palette; colour files
// 24-bit bitmaps; CMYK and YCCK files are converted to RGB (Adobe's inverted
// CMYK recognised by its marker). A file that ends early is an error.
//
// Writing: baseline colour JPEG of the given quality (1..100).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

// How many first bytes tell a JPEG file (its start-of-image marker), and
// whether a file starting with them can be one; libjpeg refuses any other
// ("JPEG: Not a JPEG file: starts with ...").
inline constexpr std::size_t kJpegSignatureSize = 2;
bool HasJpegSignature(std::span<const std::uint8_t> head);

// Raises ImageFileError (or BitmapError for a picture too large to hold).
Bitmap DecodeJpeg(std::span<const std::uint8_t> file);
// The picture's width and height from the file's header alone; raises ImageFileError.
TSize JpegPictureSize(std::span<const std::uint8_t> file);

// The whole JPEG file; raises ImageFileError when libjpeg refuses the picture.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality);

}  // namespace kestrova
