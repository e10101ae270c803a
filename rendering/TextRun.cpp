#include "rendering/TextRun.h"

#include <algorithm>
#include <cmath>

#include "rendering/GlyphPainter.h"
#include "rendering/PolygonScan.h"
#include "rendering/Turn.h"

namespace kestrova {

namespace {

long long Nearest(double v) { return std::llround(std::clamp(v, -1e15, 1e15)); }

// Fills the box [x0, x1) x [y0, y1) of the run's frame, turned onto the canvas.
void FillBox(TCanvas& canvas, TPointF origin, int tenths, double x0, double x1, double y0, double y1, TColor color,
             const std::optional<TRect>& clip) {
  const std::vector<TPointF> corners{TurnedPoint(origin, tenths, {x0, y0}), TurnedPoint(origin, tenths, {x1, y0}),
                                     TurnedPoint(origin, tenths, {x1, y1}), TurnedPoint(origin, tenths, {x0, y1})};
  const TRect whole{0, 0, canvas.Target().Width(), canvas.Target().Height()};
  const TRect area = clip ? Intersect(*clip, whole) : whole;
  EvenOddSpans({corners}, RowRange{area.top, area.bottom}, [&](int y, int a, int b) {
    canvas.PaintSpan(y, std::max(a, area.left), std::min(b, area.right), color);
  });
}

}  // namespace

TPointF TurnedPoint(TPointF origin, int tenths, TPointF p) {
  double c = 1, s = 0;
  TurnOf(tenths, c, s);
  // Along the baseline (c, -s) on the screen, across it (s, c).
  return TPointF{origin.x + p.x * c + p.y * s, origin.y - p.x * s + p.y * c};
}

const GlyphImage& RunGlyph(SizedFont& font, const TextRun& run, char32_t c) {
  return run.glyphIndices ? font.IndexedGlyph(c, run.tenths, run.permille)
                          : font.TurnedGlyph(c, run.tenths, run.permille);
}

void PaintTextRun(TCanvas& canvas, SizedFont& font, TPointF origin, const TextRun& run,
                  const std::optional<TRect>& clip) {
  const FontMetrics& m = font.Metrics();
  const TPointF start = run.pens.empty() ? run.end : run.pens.front();
  auto band = [&](int top, int height, TColor color) {
    FillBox(canvas, origin, run.tenths, start.x, run.end.x, start.y + top, start.y + top + height, color, clip);
  };
  if (canvas.Brush.style == BrushStyle::bsSolid) band(-m.ascent, m.Height(), canvas.Brush.color);
  CoveragePainter painter(canvas.Target(), canvas.Font.color);
  for (std::size_t i = 0; i < run.chars.size() && i < run.pens.size(); ++i) {
    const GlyphImage& glyph = RunGlyph(i < run.faces.size() ? *run.faces[i] : font, run, run.chars[i]);
    const TPointF pen = TurnedPoint(origin, run.tenths, run.pens[i]);
    PaintGlyph(canvas, painter, glyph, Nearest(pen.x) + glyph.left, Nearest(pen.y) + glyph.top, clip);
  }
  if (canvas.Font.style & fsUnderline) band(m.underlineTop, m.underlineThickness, canvas.Font.color);
  if (canvas.Font.style & fsStrikeOut) band(m.strikeoutTop, m.strikeoutThickness, canvas.Font.color);
}

}  // namespace kestrova
