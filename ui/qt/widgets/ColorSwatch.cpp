#include "ui/qt/widgets/ColorSwatch.h"

#include "rendering/Canvas.h"

namespace kestrova::qt {

Bitmap DrawColorSwatch(int w, int h, TColor glyph, TColor face) {
  if (w < 1 || h < 1) return Bitmap();
  Bitmap swatch(w, h, PixelFormat::pf24bit);
  TCanvas canvas(swatch);
  canvas.Brush = TBrush{PlainRGB(face), BrushStyle::bsSolid};
  canvas.FillRect(TRect{0, 0, w, h});
  canvas.Brush = TBrush{PlainRGB(glyph), BrushStyle::bsSolid};
  canvas.Pen = TPen{PlainRGB(glyph) ^ 0xFFFFFF, 1, PenStyle::psSolid};
  canvas.Rectangle(0, 0, w - 1, h - 1);
  return swatch;
}

}  // namespace kestrova::qt
