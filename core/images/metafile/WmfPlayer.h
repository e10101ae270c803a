#pragma once
// Windows metafiles of the 16-bit kind, with or without the placeable header
// in front: their size and their playback through a MetafileDevice.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/images/metafile/MetafileRecordReader.h"
#include "rendering/Canvas.h"

namespace kestrova {

struct WmfLayout {
  TRect window;    // the logical area the picture covers
  int width = 0;   // pixels at 96 DPI; 0 until known
  int height = 0;
};

// True when the bytes start like a metafile of this kind.
bool LooksLikeWmf(std::span<const std::uint8_t> file);

// The length of the headers in front of the records, told from the file's
// first four bytes: the header, and the placeable header before it when
// there is one.
std::size_t WmfHeadersSize(std::span<const std::uint8_t> file);

// Reads the headers; raises ImageFileError for broken ones. The placeable
// header gives the picture's size; without it the size is still 0.
WmfLayout ReadWmfHeaders(std::span<const std::uint8_t> headers);

// The size of a picture without the placeable header: its first window
// extent, one unit a pixel. Reads the records as far as that one and
// returns to where they started; raises ImageFileError when there is none.
void FindWmfSize(MetafileRecordReader& records, WmfLayout& layout);

// Draws the records onto the canvas, the window filling width x height
// pixels from (0, 0). Records that draw nothing are read past; the result
// is how many records were left out because they cannot be drawn here.
std::size_t PlayWmf(MetafileRecordReader& records, const WmfLayout& layout, TCanvas& canvas);

}  // namespace kestrova
