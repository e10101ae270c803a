#pragma once
// The stored form of a device-independent bitmap: the 40-byte information
// header, the colour table that follows it, and the 14-byte file header that
// opens a bitmap file. Every field is little-endian.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rendering/Color.h"

namespace kestrova {

constexpr std::size_t kDibInfoHeaderSize = 40;
constexpr std::size_t kBmpFileHeaderSize = 14;

// Bytes of one stored row: `pixels` x `bitsPerPixel` bits rounded up to a
// multiple of `alignment` bits (a power of two; rows of bitmap files use 32).
std::int64_t BytesPerScanline(std::int64_t pixels, int bitsPerPixel, int alignment);

struct DibInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: the rows are stored bottom-up
  int bitsPerPixel = 24;    // 1, 4, 8, 24 or 32
  // Colours of the table (0x00BBGGRR); the table has `tableEntries` entries,
  // those past the end of `colors` are zero.
  std::vector<TColor> colors;
  std::size_t tableEntries = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t importantColors = 0;
};

// The information header followed by the colour table (blue, green, red, 0 per
// entry): 40 + 4 x tableEntries bytes. Throws std::invalid_argument for a bit
// count other than 1, 4, 8, 24, 32 or a table longer than the bit count allows.
std::vector<std::uint8_t> SerializeDibInfo(const DibInfo& info);

// The file header for an information block of `infoSize` bytes followed by
// `bitsSize` bytes of pixels: "BM", file size, two reserved zero words, offset
// of the pixels. Throws std::invalid_argument when the file would pass 4 GiB.
std::vector<std::uint8_t> SerializeBmpFileHeader(std::uint64_t infoSize, std::uint64_t bitsSize);

}  // namespace kestrova
