#pragma once
// The repeating picture a brush fills with: hatch lines, a monochrome pattern
// in two colours, or a colour picture. The pattern is laid from the brush
// origin: canvas pixel (x, y) takes pattern pixel ((x - ox) mod w, (y - oy) mod h).
// A cell may be see-through (the gaps of a hatch drawn with a transparent
// background), leaving the pixel below as it is.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Color.h"
#include "rendering/Geometry.h"

namespace kestrova {

// The six hatch styles by their numbers in the brush records.
enum class HatchStyle { Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3, Cross = 4, DiagonalCross = 5 };

class BrushPattern {
 public:
  // Lines one pixel wide every eight pixels in `lines`; the cells between them
  // in `gaps`, or see-through when there is none.
  static BrushPattern Hatch(HatchStyle style, TColor lines, std::optional<TColor> gaps);
  // A two-colour picture: pixels of palette index 0 take `zero`, the others `one`.
  static BrushPattern TwoColor(const Bitmap& picture, TColor zero, TColor one);
  // A colour picture as it is.
  static BrushPattern Picture(const Bitmap& picture);
  // A two-colour pattern in other colours, sharing this one's cells rather
  // than copying them (at no cost however large the picture); any other
  // pattern as it is.
  BrushPattern InColors(TColor zero, TColor one) const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  // Colours of the pixels [x0, x1) of canvas row y into colors, and whether
  // each is painted (see-through cells give false) into painted.
  void Row(TPoint origin, int y, int x0, int x1, TColor* colors, std::uint8_t* painted) const;

 private:
  BrushPattern(int width, int height) : width_(width), height_(height) {}

  int width_ = 0, height_ = 0;
  // Each cell's colour, and whether it is painted (none: every cell is).
  std::vector<TColor> colors_;
  std::vector<std::uint8_t> painted_;
  // A two-colour pattern instead: 1 for each cell of colour `one_`, 0 for `zero_`.
  std::shared_ptr<const std::vector<std::uint8_t>> ones_;
  TColor zero_ = 0, one_ = 0;
};

}  // namespace kestrova
