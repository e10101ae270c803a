#pragma once
// The stored form of a device-independent bitmap: the 40-byte information
// header, the colour table that follows it, and the 14-byte file header that
// opens a bitmap file. Every field is little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rendering/Color.h"

namespace kestrova {

constexpr std::size_t kDibInfoHeaderSize = 40;
constexpr std::size_t kBmpFileHeaderSize = 14;

// Values of the header's compression field.
constexpr std::uint32_t kDibUncompressed = 0;
constexpr std::uint32_t kDibBitFields = 3;  // pixels as they are, channels named by masks

// Bytes of one stored row: `pixels` x `bitsPerPixel` bits rounded up to a
// multiple of `alignment` bits (a power of two; rows of bitmap files use 32).
std::int64_t BytesPerScanline(std::int64_t pixels, int bitsPerPixel, int alignment);

struct DibInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: the rows are stored bottom-up
  int bitsPerPixel = 24;    // 1, 4, 8, 16, 24 or 32
  std::uint32_t compression = kDibUncompressed;
  // Bit fields only: the red, green and blue masks, stored after the header.
  std::array<std::uint32_t, 3> masks{};
  // Bytes of pixels; 0 is allowed for uncompressed pictures.
  std::uint32_t imageSize = 0;
  // Colours of the table (0x00BBGGRR); the table has `tableEntries` entries,
  // those past the end of `colors` are zero.
  std::vector<TColor> colors;
  std::size_t tableEntries = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t importantColors = 0;
};

// The information header, the masks of a bit-field picture (12 bytes) and the
// colour table (blue, green, red, 0 per entry): 40 + 4 x tableEntries bytes
// without masks. Throws std::invalid_argument for a bit count other than 1, 4,
// 8, 16, 24, 32, a table longer than the bit count allows, or bit fields on a
// picture of other than 16 or 32 bits.
std::vector<std::uint8_t> SerializeDibInfo(const DibInfo& info);

// The file header for an information block of `infoSize` bytes followed by
// `bitsSize` bytes of pixels: "BM", file size, two reserved zero words, offset
// of the pixels. Throws std::invalid_argument when the file would pass 4 GiB.
std::vector<std::uint8_t> SerializeBmpFileHeader(std::uint64_t infoSize, std::uint64_t bitsSize);

}  // namespace kestrova
