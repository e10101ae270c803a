#pragma once
// Joined images: buttons of one size laid out in a column, a row or a grid on
// one image, with a margin round the whole and a gap between buttons, over a
// background colour; and the image-map rectangle of each placed button.

#include <cstdint>
#include <string>

#include "rendering/Bitmap.h"
#include "rendering/Color.h"
#include "rendering/Geometry.h"

namespace kestrova {

enum JoinLayoutMode : int { jlColumn = 0, jlRow = 1, jlGrid = 2 };

struct JoinLayout {
  int mode = jlColumn;  // any other value lays out a column
  int columns = 1;      // grid columns (at least 1 is used)
  int margin = 0;
  int gap = 0;
  TColor background = clWhite;
};

// Width and height of an image of `slots` buttons of size `button`, in 64 bits.
struct JoinedSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

JoinedSize JoinedImageSize(const JoinLayout& layout, TSize button, int slots);
// Raises GenerationError when that image would exceed what one bitmap may hold.
void CheckJoinedImageSize(const JoinLayout& layout, TSize button, int slots);
// A 24-bit image of that size filled with the background colour (0 x 0 when
// there is no button); raises GenerationError when it is too large.
Bitmap NewJoinedImage(const JoinLayout& layout, TSize button, int slots);

// Top-left corner of slot s for a button of size `button`.
TPoint SlotPosition(const JoinLayout& layout, TSize button, int slot);
// "left,top,right,bottom" of a button of that size at that corner.
std::string MapRectText(TPoint topLeft, TSize button);

// Copies the button 1:1 into its slot and gives its image-map rectangle.
std::string PlaceButton(Bitmap& joined, const JoinLayout& layout, int slot, const Bitmap& button);

}  // namespace kestrova
