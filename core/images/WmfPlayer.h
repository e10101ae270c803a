#pragma once
// Windows metafiles of the 16-bit kind, with or without the placeable header
// in front: their size and their playback through a MetafileDevice.

#include <cstddef>
#include <cstdint>
#include <span>

#include "rendering/Canvas.h"

namespace kestrova {

struct WmfLayout {
  std::size_t recordsStart = 0;
  TRect window;  // the logical area the picture covers
  int width = 0;   // pixels at 96 DPI
  int height = 0;
};

// True when the bytes start like a metafile of this kind.
bool LooksLikeWmf(std::span<const std::uint8_t> file);

// Where the records start, told from the file's first four bytes: after the
// header, and after the placeable header in front of it when there is one.
std::size_t WmfRecordsStart(std::span<const std::uint8_t> file);
// A record's length in bytes, told from its first kWmfRecordHeadSize bytes
// (0 when the length is broken), and whether it is the end record.
inline constexpr std::size_t kWmfRecordHeadSize = 6;
std::uint64_t WmfRecordLength(std::span<const std::uint8_t> head, bool& last);

// Reads the headers and checks the length of every record; raises
// ImageFileError for a broken file or one without a size.
WmfLayout ReadWmfLayout(std::span<const std::uint8_t> file);

// Draws the records onto the canvas, the window filling width x height pixels
// from (0, 0). Unknown records are skipped.
void PlayWmf(std::span<const std::uint8_t> file, const WmfLayout& layout, TCanvas& canvas);

}  // namespace kestrova
