#pragma once
// The device-independent bitmap a copy or brush record carries, decoded once
// for the record. A compressed (run-length) one is decoded only when its
// codes could give the pixels it declares: a run gives at most 255 pixels
// for its two bytes, so a picture of more than 128 pixels for each byte of
// codes (beyond kFreeRecordBitmapPixels, which any codes may declare) is
// left out with its record (RecordLeftOut) rather than made from a few bytes.

#include <cstdint>
#include <optional>
#include <span>

#include "rendering/Bitmap.h"

namespace kestrova {

inline constexpr std::int64_t kFreeRecordBitmapPixels = std::int64_t{1} << 16;
inline constexpr std::int64_t kRecordBitmapPixelsPerByte = 128;

// The header with its colour table, then the pixels, apart in `bits` or
// right after the table (`bits` empty). None for a bitmap of a kind not read.
std::optional<Bitmap> RecordBitmap(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits);

}  // namespace kestrova
