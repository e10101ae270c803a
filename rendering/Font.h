#pragma once
// A logical font: what a canvas writes text with.

#include <cstdint>
#include <string>

#include "rendering/Color.h"

namespace kestrova {

// Font style set: any combination of these bits.
enum FontStyle : std::uint8_t {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};
using TFontStyles = std::uint8_t;

// Output quality byte of the logical font.
enum FontQuality : std::uint8_t {
  fqDefault = 0,
  fqNonAntialiased = 3,
  fqAntialiased = 4,
};

struct TFont {
  std::string name = "MS Sans Serif";
  int size = 8;  // points; pixels at 96 DPI = round-half-up(size * 96 / 72)
  TFontStyles style = 0;
  std::uint8_t charset = 1;  // kept as given; the face is chosen by name and style
  TColor color = clBlack;
  std::uint8_t quality = fqDefault;  // 4 anti-aliased, anything else monochrome

  friend bool operator==(const TFont&, const TFont&) = default;
};

}  // namespace kestrova
