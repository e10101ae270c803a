#pragma once
// Reads Windows bitmap files: the 12-byte core header and the 40, 52, 56, 108
// and 124-byte info headers; 1, 4, 8, 16, 24 and 32 bits per pixel; RLE4, RLE8
// and bit-field masks; rows stored bottom-up or top-down.
//
// Indexed files (1, 4, 8 bits, RLE4, RLE8) keep their depth and colour table;
// 16-bit files become 24-bit bitmaps and 32-bit files 32-bit bitmaps. Every
// offset, size and count in the headers is checked against the file before
// memory is taken for the picture.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>

#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

// How many first bytes tell a bitmap file, and whether a file starting with
// them ("BM") can be one; DecodeBmp refuses any other with "Not a bitmap file".
inline constexpr std::size_t kBmpSignatureSize = 2;
bool HasBmpSignature(std::span<const std::uint8_t> head);

// Decodes a bitmap file from the stream's position; raises ImageFileError (or
// BitmapError for a picture too large to hold) when the file is not one it
// can read. The headers are read first; a file they show too short for the
// picture's rows is refused before the rows are read, and then only the rows
// are read (an RLE picture's codes up to its end).
Bitmap DecodeBmp(std::istream& file);
Bitmap DecodeBmp(std::span<const std::uint8_t> file);
// The picture's width and height from the file's headers alone; raises
// ImageFileError as DecodeBmp does for them.
TSize BmpPictureSize(std::istream& file);
TSize BmpPictureSize(std::span<const std::uint8_t> file);

// Decodes a device-independent bitmap as metafiles hold it: the information
// header with its colour table, then the pixels, either right after the table
// (`bits` empty: a packed bitmap) or apart in `bits`.
Bitmap DecodeDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits);

}  // namespace kestrova
