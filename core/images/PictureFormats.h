#pragma once
// The kinds of picture file the program reads. Each is listed with the file
// extensions that choose its reader (upper-cased, with the dot), a
// description, the first bytes that tell whether a file can be of that kind,
// and its decoder. The Windows bitmap reader takes every name that no other
// kind claims.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

enum class PictureKind { Gif, Png, Jpeg, Metafile, WindowsBitmap };

struct PictureFormat {
  PictureKind kind;
  std::string_view description;
  std::vector<std::string_view> extensions;
  // How many first bytes tell the kind, and whether a file starting with
  // them can be of it. Given fewer bytes (a shorter file), the answer is not
  // to be relied on.
  std::size_t signatureSize;
  bool (*hasSignature)(std::span<const std::uint8_t> head);
  // Reads a whole file; raises the reader's error (ImageFileError,
  // GIFException, BitmapError). A file whose first bytes lack the signature
  // is refused on those bytes alone.
  Bitmap (*decode)(std::span<const std::uint8_t> file);
  // The picture's size, as its decoder would give it, from the header alone;
  // raises the reader's error as decode does.
  TSize (*size)(std::span<const std::uint8_t> file);
};

// Every kind, the Windows bitmap last.
const std::vector<PictureFormat>& PictureFormats();
const PictureFormat& PictureFormatOf(PictureKind kind);
// The kind whose extension the file name has (trimmed, in any case), the
// Windows bitmap for any other name.
const PictureFormat& PictureFormatForReading(std::string_view fileName);

}  // namespace kestrova
