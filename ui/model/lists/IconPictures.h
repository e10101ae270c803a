#pragma once
// The pictures of the icon palette. The palette keeps only what it shows of
// each icon: the picture itself at natural size, else a copy no larger than
// its cell. An icon is loaded at full size when it is used (shown in the
// preview and drawn onto the base image). An icon wider or higher than
// kMaxIconSide pixels is too large to use: its size is read from the file's
// header and its picture is never loaded.

#include <string>

#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

// The largest width and height of an icon that can be used.
inline constexpr int kMaxIconSide = 4096;

enum class TIconLoad { Loaded, Failed, TooLarge };

struct TIconPicture {
  TIconLoad result = TIconLoad::Failed;
  TSize size;      // the picture's size in the file, when known
  Bitmap picture;  // the whole picture, when loaded
};

// The icon's picture at full size; TooLarge (with its size) for one that is
// too large to use, Failed for a file that cannot be read as a picture.
TIconPicture LoadIconPicture(const std::string& fileName);
// Whether the file holds a picture too large to use, read from its header; a
// file that cannot be read is not (the list takes any name).
bool IconTooLargeToUse(const std::string& fileName, TSize& size);

// What a palette cell of cellSize x cellSize pixels keeps of a picture: the
// picture when it fits the cell or the cell takes the picture's own size
// (cellSize 0), else the picture stretched to the cell.
Bitmap IconThumbnail(Bitmap picture, int cellSize);

// "W x H" for messages.
std::string IconSizeText(TSize size);

}  // namespace kestrova
