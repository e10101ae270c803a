// Text on a canvas: measuring and drawing in the canvas font.

#include <algorithm>
#include <optional>
#include <string>

#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"
#include "rendering/GlyphPainter.h"
#include "rendering/ShapedLine.h"
#include "rendering/ShapingNeed.h"
#include "rendering/Utf8.h"

namespace kestrova {

namespace {

// A horizontal stroke (underline, strikeout) across the text's advance.
void PaintStroke(TCanvas& canvas, int x, int width, long long top, int thickness, TColor color) {
  for (long long y = top; y < top + thickness; ++y)
    if (y >= 0 && y < canvas.Target().Height()) canvas.PaintSpan(static_cast<int>(y), x, x + width, color);
}

// A line as the canvas lays it out: shaped when it needs it, else each
// character's glyph after the last. Measuring and drawing both go through here.
struct CanvasLine {
  std::u32string chars;
  std::optional<ShapedLine> shaped;
  int width = 0;  // when asked for
};

CanvasLine LayOut(const TFont& font, SizedFont& face, std::string_view text, bool width) {
  CanvasLine line;
  line.chars = DecodeUtf8(text);
  if (NeedsShaping(face, line.chars)) {
    line.shaped = ShapeLine(font, face, line.chars);
    line.width = line.shaped->width;
  } else if (width) {
    line.width = face.Advance(line.chars);
  }
  return line;
}

}  // namespace

TSize TCanvas::TextExtent(std::string_view text) {
  SizedFont& font = FontEngine::Instance().Get(Font);
  return TSize{LayOut(Font, font, text, true).width, font.Metrics().Height()};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  SizedFont& font = FontEngine::Instance().Get(Font);
  // The width is needed only for the background box and the strokes.
  const bool boxOrStrokes = Brush.style == BrushStyle::bsSolid || (Font.style & (fsUnderline | fsStrikeOut));
  const CanvasLine line = LayOut(Font, font, text, boxOrStrokes);
  const FontMetrics& metrics = font.Metrics();
  const int width = line.width;
  if (Brush.style == BrushStyle::bsSolid) FillRect(TRect{x, y, x + width, y + metrics.Height()});

  const long long baseline = static_cast<long long>(y) + metrics.ascent;
  CoveragePainter painter(*target_, Font.color);
  if (line.shaped) {
    for (const ShapedGlyph& g : line.shaped->glyphs) {
      const GlyphImage& glyph = g.font->IndexedGlyph(g.index, 0);
      PaintGlyph(*this, painter, glyph, static_cast<long long>(x) + g.x + glyph.left, baseline + g.y + glyph.top);
    }
  } else {
    long long pen = x;
    for (char32_t c : line.chars) {
      const GlyphImage& glyph = font.Glyph(c);
      PaintGlyph(*this, painter, glyph, pen + glyph.left, baseline + glyph.top);
      pen += glyph.advance;
    }
  }
  if (Font.style & fsUnderline)
    PaintStroke(*this, x, width, baseline + metrics.underlineTop, metrics.underlineThickness, Font.color);
  if (Font.style & fsStrikeOut)
    PaintStroke(*this, x, width, baseline + metrics.strikeoutTop, metrics.strikeoutThickness, Font.color);
}

}  // namespace kestrova
