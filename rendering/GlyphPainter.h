#pragma once
// Laying rendered glyphs onto a canvas: coverage rows in the font colour,
// blended with the pixels below where the coverage is partial.

#include <cstdint>
#include <optional>

#include "rendering/Canvas.h"
#include "rendering/SizedFont.h"

namespace kestrova {

// Lays rows of glyph coverage in one colour: full coverage writes the colour,
// partial coverage blends it with the pixel below, and indexed bitmaps take
// the nearest palette entry of the blend.
class CoveragePainter {
 public:
  CoveragePainter(Bitmap& target, TColor color);

  // Columns [x0, x1) of row y, coverage[0] belonging to column x0.
  void Row(int y, int x0, int x1, const std::uint8_t* coverage);

 private:
  void DirectRow(std::uint8_t* p, int step, int count, const std::uint8_t* coverage) const;
  void IndexedRow(int y, int x0, int x1, const std::uint8_t* coverage);

  Bitmap& target_;
  TColor color_;
  std::uint32_t raw_;
};

// Paints a glyph image whose top-left pixel lies at (left, top), within the
// canvas's visible pixels and, when given, within `clip`.
void PaintGlyph(TCanvas& canvas, CoveragePainter& painter, const GlyphImage& glyph, long long left, long long top,
                const std::optional<TRect>& clip = std::nullopt);

}  // namespace kestrova
