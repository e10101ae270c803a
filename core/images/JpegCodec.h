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
#include <istream>
#include <span>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

// Reads the file from the stream's position, as far as the picture needs;
// raises ImageFileError (or BitmapError for a picture too large to hold). A
// file that does not start with the start-of-image marker is refused on its
// first two bytes ("JPEG: Not a JPEG file: starts with ..."), one where no
// marker follows it on its third.
Bitmap DecodeJpeg(std::istream& file);
Bitmap DecodeJpeg(std::span<const std::uint8_t> file);
// The picture's width and height from the file's header alone; raises ImageFileError.
TSize JpegPictureSize(std::istream& file);
TSize JpegPictureSize(std::span<const std::uint8_t> file);

// The widest and highest picture libjpeg writes.
inline constexpr int kMaxJpegDimension = 65500;

// The whole JPEG file; raises ImageFileError when libjpeg refuses the picture.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality);

}  // namespace kestrova
