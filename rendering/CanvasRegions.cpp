#include <vector>

#include "rendering/BitmapRows.h"
#include "rendering/Canvas.h"

namespace kestrova {

void TCanvas::FillRegion(const Region& region) {
  if (BrushVisible()) region.Spans(Rows(), BrushInk());
}

bool TCanvas::FloodFill(int x, int y, TColor colour, FloodStyle style) {
  const Region reached = FloodRegion(*target_, TPoint{x, y}, colour, style, clip_ ? &*clip_ : nullptr);
  if (reached.IsEmpty()) return false;
  FillRegion(reached);
  return true;
}

void TCanvas::InvertRegion(const Region& region) {
  std::vector<TColor> row;
  RawValueEncoder encoder(*target_);
  region.Spans(Rows(), [&](int y, int x0, int x1) {
    ForEachVisibleSpan(y, x0, x1, [&](int a, int b) {
      row.resize(static_cast<std::size_t>(b - a));
      ReadColorRow(*target_, y, a, b, row.data());
      for (TColor& c : row) c = ~c & 0xFFFFFF;
      WriteColorRow(*target_, y, a, b, row.data(), encoder);
    });
  });
}

}  // namespace kestrova
