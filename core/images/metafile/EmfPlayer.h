#pragma once
// Enhanced metafiles: their size and their playback through a MetafileDevice.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/images/metafile/MetafileRecordReader.h"
#include "rendering/Canvas.h"

namespace kestrova {

struct EmfLayout {
  TRect frame;          // the picture frame, in 0.01 mm
  TSize devicePixels;   // the reference device, in pixels
  TSize deviceMm;       // and in millimetres
  int width = 0;        // pixels at 96 DPI
  int height = 0;
};

// True when the bytes start with an enhanced metafile header.
bool LooksLikeEmf(std::span<const std::uint8_t> file);
// The header's first bytes, which give the picture's size.
inline constexpr std::size_t kEmfHeaderSize = 88;

// Reads the header, the file's first record; raises ImageFileError for a
// broken one or one without a size.
EmfLayout ReadEmfHeader(MetafileRecordReader& records);

// Draws the records after the header up to the end record onto the canvas,
// the frame filling width x height pixels from (0, 0). Records that draw
// nothing (comments, escapes, colour management) are read past; the result
// is how many records were left out because they cannot be drawn here.
std::size_t PlayEmf(MetafileRecordReader& records, const EmfLayout& layout, TCanvas& canvas);

}  // namespace kestrova
