#include "rendering/DibHeader.h"

#include <limits>
#include <stdexcept>

namespace kestrova {

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

bool ValidBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::int64_t BytesPerScanline(std::int64_t pixels, int bitsPerPixel, int alignment) {
  const std::int64_t bits = pixels * bitsPerPixel;
  return ((bits + alignment - 1) & ~static_cast<std::int64_t>(alignment - 1)) >> 3;
}

std::vector<std::uint8_t> SerializeDibInfo(const DibInfo& info) {
  if (!ValidBitCount(info.bitsPerPixel)) throw std::invalid_argument("Unsupported bit count");
  if (info.bitsPerPixel <= 8 && info.tableEntries > (std::size_t{1} << info.bitsPerPixel))
    throw std::invalid_argument("Colour table too long");
  const bool bitFields = info.compression == kDibBitFields;
  if (bitFields && info.bitsPerPixel != 16 && info.bitsPerPixel != 32)
    throw std::invalid_argument("Bit fields need 16 or 32 bits");
  std::vector<std::uint8_t> out;
  out.reserve(kDibInfoHeaderSize + (bitFields ? 12 : 0) + 4 * info.tableEntries);
  PutU32(out, kDibInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(info.width));
  PutU32(out, static_cast<std::uint32_t>(info.height));
  PutU16(out, 1);  // planes
  PutU16(out, static_cast<std::uint32_t>(info.bitsPerPixel));
  PutU32(out, info.compression);
  PutU32(out, info.imageSize);
  PutU32(out, 0);  // horizontal resolution
  PutU32(out, 0);  // vertical resolution
  PutU32(out, info.colorsUsed);
  PutU32(out, info.importantColors);
  if (bitFields)
    for (std::uint32_t mask : info.masks) PutU32(out, mask);
  for (std::size_t i = 0; i < info.tableEntries; ++i) {
    const TColor c = i < info.colors.size() ? info.colors[i] : 0;
    out.push_back(BlueOf(c));
    out.push_back(GreenOf(c));
    out.push_back(RedOf(c));
    out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> SerializeBmpFileHeader(std::uint64_t infoSize, std::uint64_t bitsSize) {
  const std::uint64_t offset = kBmpFileHeaderSize + infoSize;
  const std::uint64_t fileSize = offset + bitsSize;
  if (fileSize > std::numeric_limits<std::uint32_t>::max())
    throw std::invalid_argument("Image too large");
  std::vector<std::uint8_t> out{'B', 'M'};
  out.reserve(kBmpFileHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(fileSize));
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, static_cast<std::uint32_t>(offset));
  return out;
}

}  // namespace kestrova
