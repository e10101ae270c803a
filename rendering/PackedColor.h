#pragma once
// Colours held in 16-bit pixel words: 5-5-5 (the top bit unused) and 5-6-5,
// red in the high bits, blue in the low ones.
//
// Storing keeps the top bits of each 8-bit channel, as the platform's own
// 16-bit surfaces do. Reading widens each channel back to 8 bits by repeating
// its bits (5 bits abcde become abcdeabc), which is how bitmap files of 16 bits
// have always been read here: white stays white, and a colour read back from
// a word stores as the same word again.

#include <array>
#include <cstdint>

#include "rendering/Color.h"

namespace kestrova {

// The red, green and blue bits of the two words.
constexpr std::array<std::uint32_t, 3> kChannelMasks555{0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kChannelMasks565{0xF800, 0x07E0, 0x001F};
constexpr std::uint32_t kMask555 = 0x7FFF;

constexpr std::uint8_t Widen5(unsigned v) { return static_cast<std::uint8_t>((v << 3) | (v >> 2)); }
constexpr std::uint8_t Widen6(unsigned v) { return static_cast<std::uint8_t>((v << 2) | (v >> 4)); }

constexpr std::uint16_t Pack555(TColor c) {
  return static_cast<std::uint16_t>(((RedOf(c) >> 3) << 10) | ((GreenOf(c) >> 3) << 5) | (BlueOf(c) >> 3));
}

constexpr std::uint16_t Pack565(TColor c) {
  return static_cast<std::uint16_t>(((RedOf(c) >> 3) << 11) | ((GreenOf(c) >> 2) << 5) | (BlueOf(c) >> 3));
}

constexpr TColor Unpack555(std::uint32_t word) {
  return RGBColor(Widen5((word >> 10) & 0x1F), Widen5((word >> 5) & 0x1F), Widen5(word & 0x1F));
}

constexpr TColor Unpack565(std::uint32_t word) {
  return RGBColor(Widen5((word >> 11) & 0x1F), Widen6((word >> 5) & 0x3F), Widen5(word & 0x1F));
}

// The little-endian word at p, and the word stored at p.
constexpr std::uint16_t LoadWord(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
constexpr void StoreWord(std::uint8_t* p, std::uint32_t word) {
  p[0] = static_cast<std::uint8_t>(word & 0xFF);
  p[1] = static_cast<std::uint8_t>((word >> 8) & 0xFF);
}

}  // namespace kestrova
