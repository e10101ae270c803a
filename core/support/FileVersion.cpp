#include "core/support/FileVersion.h"

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

// A version record: 6-byte header, the UTF-16 key "VS_VERSION_INFO" with its
// terminator, 2 bytes of padding, then the 13 words of the fixed file information.
constexpr char kKey[] = "VS_VERSION_INFO";
constexpr std::size_t kKeyBytes = sizeof(kKey) * 2;  // UTF-16, terminator included
constexpr std::size_t kValueOffset = 40;              // from the start of the record
constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kBlockSize = kValueOffset + 13 * 4;
constexpr std::uint32_t kSignature = 0xFEEF04BDu;
constexpr std::uint32_t kStructureVersion = 0x00010000u;

std::uint32_t LittleEndianWord(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool KeyAt(const unsigned char* p) {
  for (std::size_t i = 0; i < sizeof(kKey); ++i)
    if (p[2 * i] != static_cast<unsigned char>(kKey[i]) || p[2 * i + 1] != 0) return false;
  return true;
}

// Offset of the fixed file information of the first version record in `data`, or -1.
long FindBlock(const std::vector<unsigned char>& data, std::size_t length) {
  // The key starts kHeaderBytes into the record; the whole record must fit.
  const std::size_t keyRoom = kBlockSize - kHeaderBytes;
  for (std::size_t i = kHeaderBytes; i + keyRoom <= length; ++i) {
    const void* hit = std::memchr(data.data() + i, 'V', length - keyRoom + 1 - i);
    if (hit == nullptr) return -1;
    i = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - data.data());
    // i is where the key would start; the record starts 6 bytes before it.
    if (!KeyAt(&data[i])) continue;
    const std::size_t value = i - kHeaderBytes + kValueOffset;
    if (LittleEndianWord(&data[value]) == kSignature && LittleEndianWord(&data[value + 4]) == kStructureVersion)
      return static_cast<long>(value);
  }
  return -1;
}

std::string VersionText(std::uint32_t ms, std::uint32_t ls) {
  return std::to_string((ms >> 16) & 0xFF) + "." + std::to_string(ms & 0xFF) + "." + std::to_string((ls >> 16) & 0xFF) +
         "." + std::to_string(ls & 0xFF);
}

}  // namespace

std::string GetFileVersionText(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  // Read in pieces that overlap by one block less a byte, so no block is missed at a seam.
  constexpr std::size_t kChunk = 1 << 20;
  std::vector<unsigned char> data(kChunk + kBlockSize);
  std::size_t kept = 0;
  while (in) {
    in.read(reinterpret_cast<char*>(data.data() + kept), static_cast<std::streamsize>(kChunk));
    const std::size_t length = kept + static_cast<std::size_t>(in.gcount());
    const long at = FindBlock(data, length);
    if (at >= 0) return VersionText(LittleEndianWord(&data[at + 16]), LittleEndianWord(&data[at + 20]));
    kept = std::min(length, kBlockSize - 1);
    std::memmove(data.data(), data.data() + length - kept, kept);
  }
  return VersionText(0, 0);
}

std::string BuildVersionText() { return KESTROVA_VERSION; }

}  // namespace kestrova
