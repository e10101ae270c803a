#pragma once
// PNG files through libpng.
//
// Reading: only the chunks the picture needs are read (the critical ones and
// tRNS); every other is passed over unread. Palette files keep their depth (2-bit files become 4-bit) and their
// palette; grey files up to 8 bits become indexed bitmaps with a grey palette,
// 16-bit grey an 8-bit one; colour files become 24-bit bitmaps. An alpha channel
// is blended over white, the way the picture shows on a white page; a tRNS
// chunk (one colour, or palette entries, marked transparent) leaves the colours
// as stored. 16-bit samples are scaled to 8 bits.
//
// Writing: indexed bitmaps become palette files of their own depth, 24 and
// 32-bit bitmaps 8-bit RGB files.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

struct PngWriteOptions {
  int compressionLevel = 0;  // deflate level 0..9
  // When set, a tRNS chunk names transparentColor as the file's transparent colour.
  bool transparent = false;
  TColor transparentColor = 0;
};

// The widest and highest picture read or written: a bitmap's bound, which
// also bounds the pixels in all (Bitmap::kMaxPixels).
inline constexpr std::uint32_t kMaxPngSide = static_cast<std::uint32_t>(Bitmap::kMaxPixels);

// How many first bytes tell a PNG file, and whether a file starting with them
// can be one; DecodePng refuses any other with "Not a PNG file".
inline constexpr std::size_t kPngSignatureSize = 8;
bool HasPngSignature(std::span<const std::uint8_t> head);

// Reads the file from the stream's position, as far as the picture needs;
// raises ImageFileError (or BitmapError for a picture too large to hold).
Bitmap DecodePng(std::istream& file);
Bitmap DecodePng(std::span<const std::uint8_t> file);
// The picture's width and height from the file's header alone; raises ImageFileError.
TSize PngPictureSize(std::istream& file);
TSize PngPictureSize(std::span<const std::uint8_t> file);

// The whole PNG file; raises ImageFileError when libpng refuses the picture.
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap, const PngWriteOptions& options);

}  // namespace kestrova
