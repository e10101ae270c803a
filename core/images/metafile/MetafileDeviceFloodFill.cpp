// The metafile device's flood fills.

#include "core/images/metafile/MetafileDevice.h"

namespace kestrova {

void MetafileDevice::FloodFill(TPoint at, TColor colour, std::uint32_t mode) {
  if (mode != gdi::FLOODFILLBORDER && mode != gdi::FLOODFILLSURFACE) {
    CountNotDrawn();
    return;
  }
  canvas_.Brush = CanvasBrush(state_.brush);
  canvas_.Rop2 = state_.rop2;
  const TPoint p = ToCanvas(at);
  canvas_.FloodFill(p.x, p.y, PlainRGB(colour), mode == gdi::FLOODFILLSURFACE ? FloodStyle::fsSurface : FloodStyle::fsBorder);
}

}  // namespace kestrova
