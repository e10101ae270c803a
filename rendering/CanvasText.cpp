// Text on a canvas: measuring and drawing in the canvas font.

#include <algorithm>
#include <string>

#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"
#include "rendering/GlyphPainter.h"
#include "rendering/Utf8.h"

namespace kestrova {

namespace {

// A horizontal stroke (underline, strikeout) across the text's advance.
void PaintStroke(TCanvas& canvas, int x, int width, long long top, int thickness, TColor color) {
  for (long long y = top; y < top + thickness; ++y)
    if (y >= 0 && y < canvas.Target().Height()) canvas.PaintSpan(static_cast<int>(y), x, x + width, color);
}

}  // namespace

TSize TCanvas::TextExtent(std::string_view text) {
  SizedFont& font = FontEngine::Instance().Get(Font);
  return TSize{font.Advance(DecodeUtf8(text)), font.Metrics().Height()};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  SizedFont& font = FontEngine::Instance().Get(Font);
  const std::u32string chars = DecodeUtf8(text);
  const FontMetrics& metrics = font.Metrics();
  const int width = font.Advance(chars);
  if (Brush.style == BrushStyle::bsSolid) FillRect(TRect{x, y, x + width, y + metrics.Height()});

  const long long baseline = static_cast<long long>(y) + metrics.ascent;
  CoveragePainter painter(*target_, Font.color);
  long long pen = x;
  for (char32_t c : chars) {
    const GlyphImage& glyph = font.Glyph(c);
    PaintGlyph(*this, painter, glyph, pen + glyph.left, baseline + glyph.top);
    pen += glyph.advance;
  }
  if (Font.style & fsUnderline)
    PaintStroke(*this, x, width, baseline + metrics.underlineTop, metrics.underlineThickness, Font.color);
  if (Font.style & fsStrikeOut)
    PaintStroke(*this, x, width, baseline + metrics.strikeoutTop, metrics.strikeoutThickness, Font.color);
}

}  // namespace kestrova
