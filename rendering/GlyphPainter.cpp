#include "rendering/GlyphPainter.h"

#include <algorithm>

namespace kestrova {

namespace {

std::uint8_t Mix(unsigned fg, unsigned bg, unsigned alpha) {
  return static_cast<std::uint8_t>((fg * alpha + bg * (255 - alpha) + 127) / 255);
}

}  // namespace

CoveragePainter::CoveragePainter(Bitmap& target, TColor color)
    : target_(target), color_(PlainRGB(color)), raw_(target.RawValueOf(color)) {}

void CoveragePainter::Row(int y, int x0, int x1, const std::uint8_t* coverage) {
  switch (target_.Format()) {
    case PixelFormat::pf24bit: DirectRow(target_.ScanLine(y) + 3 * x0, 3, x1 - x0, coverage); break;
    case PixelFormat::pf32bit: DirectRow(target_.ScanLine(y) + 4 * x0, 4, x1 - x0, coverage); break;
    default: IndexedRow(y, x0, x1, coverage); break;
  }
}

void CoveragePainter::DirectRow(std::uint8_t* p, int step, int count, const std::uint8_t* coverage) const {
  const unsigned r = RedOf(color_), g = GreenOf(color_), b = BlueOf(color_);
  for (int i = 0; i < count; ++i, p += step) {
    const unsigned a = coverage[i];
    if (a == 0) continue;
    p[0] = Mix(b, p[0], a);
    p[1] = Mix(g, p[1], a);
    p[2] = Mix(r, p[2], a);
  }
}

void CoveragePainter::IndexedRow(int y, int x0, int x1, const std::uint8_t* coverage) {
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

void PaintGlyph(TCanvas& canvas, CoveragePainter& painter, const GlyphImage& glyph, long long left, long long top,
                const std::optional<TRect>& clip) {
  const Bitmap& target = canvas.Target();
  if (glyph.width == 0 || left >= target.Width() || top >= target.Height() || left + glyph.width <= 0 ||
      top + glyph.height <= 0)
    return;
  const int gx = static_cast<int>(left), gy = static_cast<int>(top);
  for (int row = 0; row < glyph.height; ++row) {
    const int y = gy + row;
    int x0 = gx, x1 = gx + glyph.width;
    if (clip) {
      if (y < clip->top || y >= clip->bottom) continue;
      x0 = std::max(x0, clip->left);
      x1 = std::min(x1, clip->right);
    }
    if (x0 >= x1) continue;
    const std::uint8_t* coverage = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
    canvas.ForEachVisibleSpan(y, x0, x1, [&](int a, int b) { painter.Row(y, a, b, coverage + (a - gx)); });
  }
}

}  // namespace kestrova
