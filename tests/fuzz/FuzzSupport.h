#pragma once
// What every picture-reader fuzz target checks: the reader gives a picture or
// raises an error the program reports as "cannot read this file" (a
// std::runtime_error: ImageFileError, BitmapError, GIFException); anything else
// (a crash, a sanitizer report, a logic_error) is a finding. A picture it gives
// must also survive being written as a Windows bitmap and read back unchanged
// (checked up to a few million pixels, so that huge pictures stay quick).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <stdexcept>

#include "core/images/BmpReader.h"
#include "core/images/BmpWriter.h"
#include "rendering/Bitmap.h"

namespace kestrova::fuzz {

// `read` takes the bytes as a file's stream (the readers' overloads for bytes
// in memory read them so).
inline int CheckPictureReader(const std::uint8_t* data, std::size_t size,
                              Bitmap (*read)(std::span<const std::uint8_t> file)) {
  std::optional<Bitmap> picture;
  try {
    picture = read(std::span<const std::uint8_t>(data, size));
  } catch (const std::runtime_error&) {
    return 0;
  }
  constexpr std::int64_t kRoundTripPixels = std::int64_t{1} << 22;
  if (picture->Empty() || std::int64_t{picture->Width()} * picture->Height() > kRoundTripPixels) return 0;
  const std::vector<std::uint8_t> file = EncodeBmp(*picture);
  if (!(DecodeBmp(file) == *picture)) std::abort();  // the writer and the reader disagree
  return 0;
}

}  // namespace kestrova::fuzz
