#pragma once
// Colours are 32-bit values laid out as 0x00BBGGRR: red in the low byte.
// Files store them as decimal integers.

#include <cstdint>

namespace kestrova {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;

constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

constexpr TColor RGBColor(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// The colour without its high byte (what every drawing operation uses).
constexpr TColor PlainRGB(TColor c) { return c & 0xFFFFFF; }

}  // namespace kestrova
