#pragma once
// Whole runs of a bitmap row as colours, whatever the pixel format: the
// format is looked at once per run, not once per pixel.

#include <array>
#include <cstdint>

#include "rendering/Bitmap.h"

namespace kestrova {

// Maps colours to the raw pixel values of one bitmap: the colour itself for
// 24 and 32 bits, the pixel word for 15 and 16 bits, the nearest palette
// entry for indexed formats (recent answers are remembered, so long runs of
// few colours stay cheap).
class RawValueEncoder {
 public:
  explicit RawValueEncoder(const Bitmap& bitmap);
  std::uint32_t operator()(TColor c);

 private:
  static constexpr std::size_t kSlots = 4096;
  const Bitmap& bitmap_;
  bool indexed_;
  std::array<TColor, kSlots> keys_{};
  std::array<std::uint8_t, kSlots> values_{};
};

// Colours of the pixels [x0, x1) of row y (all inside the bitmap) into out.
void ReadColorRow(const Bitmap& bitmap, int y, int x0, int x1, TColor* out);

// The stored values (as Bitmap::RawPixel gives them) of the pixels [x0, x1)
// of row y (all inside the bitmap) into out.
void ReadRawRow(const Bitmap& bitmap, int y, int x0, int x1, std::uint32_t* out);

// Writes the colours in[0 .. x1-x0) to the pixels [x0, x1) of row y.
void WriteColorRow(Bitmap& bitmap, int y, int x0, int x1, const TColor* in, RawValueEncoder& encoder);

}  // namespace kestrova
