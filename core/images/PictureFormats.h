#pragma once
// The kinds of picture file the program reads. Each is listed with the file
// extensions that choose its reader (upper-cased, with the dot), a
// description and its decoder. The Windows bitmap reader takes every name
// that no other kind claims.

#include <istream>
#include <string>
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
  // Reads a file from the stream's position: its header first, then only
  // what the header says the picture needs. Raises the reader's error
  // (ImageFileError, GIFException, BitmapError); a file whose first bytes
  // show it is not of the kind, or whose header asks for more than the file
  // holds, is refused before the rest is read. A picture given without some
  // of its parts (a metafile's records that could not be drawn) comes with
  // a warning saying so in `warning`, which stays as it is otherwise.
  Bitmap (*decode)(std::istream& file, std::string& warning);
  // The picture's size, as its decoder would give it, from the header alone;
  // raises the reader's error as decode does.
  TSize (*size)(std::istream& file);
};

// Every kind, the Windows bitmap last.
const std::vector<PictureFormat>& PictureFormats();
const PictureFormat& PictureFormatOf(PictureKind kind);
// The kind whose extension the file name has (trimmed, in any case), the
// Windows bitmap for any other name.
const PictureFormat& PictureFormatForReading(std::string_view fileName);

}  // namespace kestrova
