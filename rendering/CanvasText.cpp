// Text on a canvas: measuring and drawing in the canvas font.

#include <algorithm>
#include <string>

#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"
#include "rendering/Utf8.h"

namespace kestrova {

namespace {

std::uint8_t Mix(unsigned fg, unsigned bg, unsigned alpha) {
  return static_cast<std::uint8_t>((fg * alpha + bg * (255 - alpha) + 127) / 255);
}

// Lays one row of glyph coverage over columns [x0, x1) of row y in the font
// colour: full coverage writes the colour, partial coverage blends it with the
// pixel below, and indexed bitmaps take the nearest palette entry of the blend.
class CoveragePainter {
 public:
  CoveragePainter(Bitmap& target, TColor color)
      : target_(target), color_(PlainRGB(color)), raw_(target.RawValueOf(color)) {}

  void Row(int y, int x0, int x1, const std::uint8_t* coverage) {
    switch (target_.Format()) {
      case PixelFormat::pf24bit: DirectRow(target_.ScanLine(y) + 3 * x0, 3, x1 - x0, coverage); break;
      case PixelFormat::pf32bit: DirectRow(target_.ScanLine(y) + 4 * x0, 4, x1 - x0, coverage); break;
      default: IndexedRow(y, x0, x1, coverage); break;
    }
  }

 private:
  void DirectRow(std::uint8_t* p, int step, int count, const std::uint8_t* coverage) {
    const unsigned r = RedOf(color_), g = GreenOf(color_), b = BlueOf(color_);
    for (int i = 0; i < count; ++i, p += step) {
      const unsigned a = coverage[i];
      if (a == 0) continue;
      p[0] = Mix(b, p[0], a);
      p[1] = Mix(g, p[1], a);
      p[2] = Mix(r, p[2], a);
    }
  }

  void IndexedRow(int y, int x0, int x1, const std::uint8_t* coverage) {
    for (int x = x0; x < x1; ++x) {
      const unsigned a = coverage[x - x0];
      if (a == 0) continue;
      if (a == 255) {
        target_.SetRawPixel(x, y, raw_);
        continue;
      }
      const TColor below = target_.GetPixel(x, y);
      const TColor blend = RGBColor(Mix(RedOf(color_), RedOf(below), a), Mix(GreenOf(color_), GreenOf(below), a),
                                    Mix(BlueOf(color_), BlueOf(below), a));
      target_.SetRawPixel(x, y, target_.RawValueOf(blend));
    }
  }

  Bitmap& target_;
  TColor color_;
  std::uint32_t raw_;
};

void PaintGlyph(TCanvas& canvas, CoveragePainter& painter, const GlyphImage& glyph, long long left, long long top) {
  const Bitmap& target = canvas.Target();
  if (glyph.width == 0 || left >= target.Width() || top >= target.Height() || left + glyph.width <= 0 ||
      top + glyph.height <= 0)
    return;
  const int gx = static_cast<int>(left), gy = static_cast<int>(top);
  for (int row = 0; row < glyph.height; ++row) {
    canvas.ForEachVisibleSpan(gy + row, gx, gx + glyph.width, [&](int x0, int x1) {
      painter.Row(gy + row, x0, x1, glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width + (x0 - gx));
    });
  }
}

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
