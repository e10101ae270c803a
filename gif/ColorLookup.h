#pragma once
// Colour lookups: each maps a colour to a palette index and gives back the
// colour of that entry. They are plain classes with inline Lookup so that the
// ditherers, which are templates over the lookup, pay no call per pixel.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "rendering/Color.h"

namespace kestrova {

// Nearest entry of any palette of up to 256 colours, by the sum of the channel
// differences; the lower index wins a tie. Results are cached per 15-bit
// colour (the top five bits of each channel). The cache starts with the
// lowest palette index of each cell that holds palette colours; any other cell
// keeps the entry nearest to the first colour of that cell looked up.
class TFastColorLookup {
 public:
  explicit TFastColorLookup(const std::vector<TColor>& palette);

  // Entries the lookup can return; 0 for an empty palette (then Lookup must not be called).
  int Colors() const { return colors_; }

  std::uint8_t Lookup(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) {
    const unsigned key = Key(red, green, blue);
    std::uint16_t index = (*cache_)[key];
    if (index == kEmpty) index = (*cache_)[key] = Search(red, green, blue);
    r = static_cast<std::uint8_t>(red_[index]);
    g = static_cast<std::uint8_t>(green_[index]);
    b = static_cast<std::uint8_t>(blue_[index]);
    return static_cast<std::uint8_t>(index);
  }

  static constexpr unsigned Key(unsigned r, unsigned g, unsigned b) {
    return (r >> 3) | ((g & 0xF8) << 2) | ((b & 0xF8) << 7);
  }

 private:
  static constexpr std::uint16_t kEmpty = 0xFFFF;

  std::uint16_t Search(int red, int green, int blue) const;

  int colors_ = 0;
  // The entries channel by channel, so that the search runs in vector lanes.
  std::array<std::int16_t, 256> red_{};
  std::array<std::int16_t, 256> green_{};
  std::array<std::int16_t, 256> blue_{};
  std::unique_ptr<std::array<std::uint16_t, 32768>> cache_;
};

// The 216-colour web cube; each channel goes to its nearest level, (v + 3) / 51.
class TNetscapeColorLookup {
 public:
  int Colors() const { return 216; }
  std::uint8_t Lookup(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) const {
    const int lr = (red + 3) / 51, lg = (green + 3) / 51, lb = (blue + 3) / 51;
    r = static_cast<std::uint8_t>(lr * 51);
    g = static_cast<std::uint8_t>(lg * 51);
    b = static_cast<std::uint8_t>(lb * 51);
    return static_cast<std::uint8_t>(lr * 36 + lg * 6 + lb);
  }
};

// 256 greys by the luminance (77 R + 150 G + 29 B) / 256.
class TGrayScaleLookup {
 public:
  int Colors() const { return 256; }
  std::uint8_t Lookup(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) const {
    const auto y = static_cast<std::uint8_t>((red * 77 + green * 150 + blue * 29) >> 8);
    r = g = b = y;
    return y;
  }
};

// Black (index 0) up to a luminance sum of 32512, white (index 1) above it.
class TMonochromeLookup {
 public:
  int Colors() const { return 2; }
  std::uint8_t Lookup(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) const {
    const bool white = red * 77 + green * 150 + blue * 29 > 32512;
    r = g = b = white ? 255 : 0;
    return white ? 1 : 0;
  }
};

}  // namespace kestrova
