#pragma once
// Enhanced metafiles: their size and their playback through a MetafileDevice.

#include <cstddef>
#include <cstdint>
#include <span>

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
// The file's first bytes that the header takes at least (its record may be longer).
inline constexpr std::size_t kEmfHeaderSize = 88;

// The records follow one another from the file's start. A record's length in
// bytes, told from its first kEmfRecordHeadSize bytes (0 when the length is
// broken), and whether it is the end record.
inline constexpr std::size_t kEmfRecordHeadSize = 8;
std::uint64_t EmfRecordLength(std::span<const std::uint8_t> head, bool& last);

// Reads the header and checks the length of every record; raises
// ImageFileError for a broken file.
EmfLayout ReadEmfLayout(std::span<const std::uint8_t> file);

// Draws the records onto the canvas, the frame filling width x height pixels
// from (0, 0). Unknown records are skipped.
void PlayEmf(std::span<const std::uint8_t> file, const EmfLayout& layout, TCanvas& canvas);

}  // namespace kestrova
