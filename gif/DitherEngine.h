#pragma once
// The walker shared by every ditherer: rows are walked serpentine (row 0 left
// to right, row 1 right to left, ...). Without error diffusion it is the
// nearest-colour ditherer. Callers make one Dither (or NextColumn, to pass over
// a pixel) per pixel in walk order, and NextLine after each row.

#include <cstdint>

#include "rendering/Color.h"

namespace kestrova {

enum class TDitherMode : std::uint8_t {
  dmNearest,
  dmFloydSteinberg,
  dmStucki,
  dmSierra,
  dmJaJuNI,
  dmSteveArche,
  dmBurkes
};

template <class Lookup>
class TDitherEngine {
 public:
  TDitherEngine(int width, Lookup& lookup) : width_(width), lookup_(lookup) {}

  // Palette index of the colour; r, g, b receive the colour of that entry.
  std::uint8_t Dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) {
    const std::uint8_t index = lookup_.Lookup(red, green, blue, r, g, b);
    NextColumn();
    return index;
  }

  void NextColumn() { column_ += direction_; }

  void NextLine() {
    direction_ = -direction_;
    column_ = direction_ > 0 ? 0 : width_ - 1;
  }

  // The pixel of the current row that the next call handles; -1 or Width()
  // once the row is done.
  int Column() const { return column_; }
  int Direction() const { return direction_; }
  int Width() const { return width_; }

 private:
  int width_;
  Lookup& lookup_;
  int direction_ = 1;
  int column_ = 0;
};

}  // namespace kestrova
