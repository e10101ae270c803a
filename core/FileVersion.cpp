#include "core/FileVersion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#ifndef KESTROVA_VERSION
#define KESTROVA_VERSION "0.0.0.0"
#endif

namespace kestrova {

namespace {

constexpr std::size_t kBlockSize = 13 * 4;
constexpr std::uint32_t kStructureVersion = 0x00010000u;
// The signature is kept masked, so that this program's own code and data hold
// it nowhere but in the real block.
constexpr std::uint32_t kMask = 0x5A5A5A5Au;
volatile std::uint32_t gMaskedSignature = 0xFEEF04BDu ^ kMask;

std::uint32_t LittleEndianWord(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Offset of the first block in `data`, or -1.
long FindBlock(const std::vector<unsigned char>& data, std::size_t length, std::uint32_t signature) {
  const unsigned char first = static_cast<unsigned char>(signature & 0xFF);
  for (std::size_t i = 0; i + kBlockSize <= length; ++i) {
    const void* hit = std::memchr(data.data() + i, first, length - kBlockSize + 1 - i);
    if (hit == nullptr) return -1;
    i = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - data.data());
    if (LittleEndianWord(&data[i]) == signature && LittleEndianWord(&data[i + 4]) == kStructureVersion) {
      return static_cast<long>(i);
    }
  }
  return -1;
}

std::string VersionText(std::uint32_t ms, std::uint32_t ls) {
  return std::to_string((ms >> 16) & 0xFF) + "." + std::to_string(ms & 0xFF) + "." + std::to_string((ls >> 16) & 0xFF) +
         "." + std::to_string(ls & 0xFF);
}

}  // namespace

std::string GetFileVersionText(const std::string& fileName) {
  const std::uint32_t signature = gMaskedSignature ^ kMask;
  std::ifstream in(fileName, std::ios::binary);
  // Read in pieces that overlap by one block less a byte, so no block is missed at a seam.
  constexpr std::size_t kChunk = 1 << 20;
  std::vector<unsigned char> data(kChunk + kBlockSize);
  std::size_t kept = 0;
  while (in) {
    in.read(reinterpret_cast<char*>(data.data() + kept), static_cast<std::streamsize>(kChunk));
    const std::size_t length = kept + static_cast<std::size_t>(in.gcount());
    const long at = FindBlock(data, length, signature);
    if (at >= 0) return VersionText(LittleEndianWord(&data[at + 16]), LittleEndianWord(&data[at + 20]));
    kept = std::min(length, kBlockSize - 1);
    std::memmove(data.data(), data.data() + length - kept, kept);
  }
  return VersionText(0, 0);
}

std::string BuildVersionText() { return KESTROVA_VERSION; }

}  // namespace kestrova
