#pragma once
// GIF files through the program's own GIF image class.

#include <cstdint>
#include <istream>
#include <span>
#include <vector>

#include "gif/GIFImage.h"
#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

// The unit-wide default colour reduction for a GIF colour-reduction item
// index: 0 to 6 and 8 the reduction of that number, 7 and anything else
// (no selection included) rmQuantize.
TColorReduction ColorReductionForIndex(int index);
// The dithering for an item index: 1 to 6 the ditherer of that number, else dmNearest.
TDitherMode DitherModeForIndex(int index);
// Item index 1 is RLE, anything else LZW.
TGIFCompression CompressionForIndex(int index);

// The first frame as a bitmap, read from the stream's position (the file is
// read no further than that frame); raises GIFException, or ImageFileError
// "GIF file contains no image" when the file holds no picture.
Bitmap DecodeGif(std::istream& file);
Bitmap DecodeGif(std::span<const std::uint8_t> file);
// The logical screen's width and height from the file's header alone (0 x 0
// when the screen has no size: the first frame then gives the picture's
// size); raises GIFException.
TSize GifPictureSize(std::istream& file);
TSize GifPictureSize(std::span<const std::uint8_t> file);

// The bitmap becomes the one frame of the image, made with the given colour
// reduction, dithering and compression. Raises GIFException.
void AssignGif(TGIFImage& gif, const Bitmap& bitmap, TColorReduction reduction, TDitherMode dither,
               TGIFCompression compression);
// The image's whole file. Raises GIFException.
std::vector<std::uint8_t> GifBytes(const TGIFImage& gif);

// A GIF image with the given colour reduction, dithering and compression
// (the unit's defaults for the rest), holding the bitmap as its one frame; the
// whole file. Raises GIFException. Sets no default, so that several threads
// may encode at once.
std::vector<std::uint8_t> EncodeGif(const Bitmap& bitmap, TColorReduction reduction, TDitherMode dither,
                                    TGIFCompression compression);

}  // namespace kestrova
