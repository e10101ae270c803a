#pragma once
// Reduction of a picture to 8 bits per pixel: a method fixes the palette and
// the colour lookup, a dither mode how the error between a pixel and its
// palette colour is carried to later pixels.

#include <cstdint>
#include <vector>

#include "gif/DitherEngine.h"
#include "rendering/Bitmap.h"
#include "rendering/Color.h"

namespace kestrova {

enum class TColorReduction : std::uint8_t {
  rmNone,             // no reduction: a 24-bit copy
  rmWindows20,        // the 20 static colours
  rmWindows256,       // the 256-colour halftone palette
  rmWindowsGray,      // 4 greys
  rmMonochrome,       // black and white
  rmGrayScale,        // 256 greys
  rmNetscape,         // the 216-colour web cube
  rmQuantize,         // octree palette of 2^reductionBits colours
  rmQuantizeWindows,  // 10 static colours, 236 octree colours, 10 static colours
  rmPalette           // the caller's palette
};

// A new bitmap of 8 bits per pixel whose colour table has 256 entries: the
// palette of the method, zeros past its end. The source is converted to 24
// bits per pixel itself (except for rmNone, which returns a 24-bit copy and
// leaves the source as it was).
// Raises GIFException for a method or mode outside the enumerations ("Invalid
// reduction method", "Invalid dither mode"), for rmQuantize with reductionBits
// outside 0..8 ("Invalid reduction bits"), for rmPalette with an empty palette
// ("Color table is empty") and for an empty source ("Invalid image dimensions").
Bitmap ReduceColors(Bitmap& bitmap, TColorReduction reduction, TDitherMode mode,
                    int reductionBits = 8, const std::vector<TColor>& customPalette = {});

}  // namespace kestrova
