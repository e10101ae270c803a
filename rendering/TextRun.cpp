#include "rendering/TextRun.h"

#include <algorithm>
#include <cmath>

#include "rendering/GlyphOutline.h"
#include "rendering/GlyphPainter.h"
#include "rendering/PolygonScan.h"
#include "rendering/Turn.h"

namespace kestrova {

namespace {

long long Nearest(double v) { return std::llround(std::clamp(v, -1e15, 1e15)); }

// The box [x0, x1) x [y0, y1) of the run's frame, turned onto the canvas,
// clockwise as seen, as the glyphs' outer contours are (so that the winding
// rule fills both where a line crosses a glyph).
std::vector<TPointF> BoxCorners(TPointF origin, int tenths, double x0, double x1, double y0, double y1) {
  return {TurnedPoint(origin, tenths, {x0, y0}), TurnedPoint(origin, tenths, {x1, y0}),
          TurnedPoint(origin, tenths, {x1, y1}), TurnedPoint(origin, tenths, {x0, y1})};
}

// A rectangle of the canvas in pixels from a pen position at (x, y). Glyphs
// reach far less than 2^30 pixels from their pen, so farther edges are
// brought in to that without changing which glyph pixels lie inside.
TRect FromPen(const TRect& r, long long x, long long y) {
  static constexpr long long kReach = 1LL << 30;
  const auto near = [](long long v) { return static_cast<int>(std::clamp(v, -kReach, kReach)); };
  return TRect{near(r.left - x), near(r.top - y), near(r.right - x), near(r.bottom - y)};
}

// Fills the box [x0, x1) x [y0, y1) of the run's frame, turned onto the canvas.
void FillBox(TCanvas& canvas, TPointF origin, int tenths, double x0, double x1, double y0, double y1, TColor color,
             const std::optional<TRect>& clip) {
  const std::vector<TPointF> corners = BoxCorners(origin, tenths, x0, x1, y0, y1);
  const TRect whole{0, 0, canvas.Target().Width(), canvas.Target().Height()};
  const TRect area = clip ? Intersect(*clip, whole) : whole;
  EvenOddSpans({corners}, RowRange{area.top, area.bottom}, [&](int y, int a, int b) {
    canvas.PaintSpan(y, std::max(a, area.left), std::min(b, area.right), color);
  });
}

// Runs `line` with the top and height of the underline and the strikeout
// that `style` asks for.
template <typename Line>
void StyleLines(const FontMetrics& m, TFontStyles style, Line line) {
  if (style & fsUnderline) line(m.underlineTop, m.underlineThickness);
  if (style & fsStrikeOut) line(m.strikeoutTop, m.strikeoutThickness);
}

int GlyphTurn(const TextRun& run) { return run.glyphTenths.value_or(run.tenths); }

}  // namespace

TPointF TurnedPoint(TPointF origin, int tenths, TPointF p) {
  double c = 1, s = 0;
  TurnOf(tenths, c, s);
  // Along the baseline (c, -s) on the screen, across it (s, c).
  return TPointF{origin.x + p.x * c + p.y * s, origin.y - p.x * s + p.y * c};
}

const GlyphImage& RunGlyph(SizedFont& font, const TextRun& run, char32_t c) {
  return run.glyphIndices ? font.IndexedGlyph(c, GlyphTurn(run), run.permille)
                          : font.TurnedGlyph(c, GlyphTurn(run), run.permille);
}

SizedFont& RunFace(SizedFont& font, const TextRun& run, std::size_t i) {
  return i < run.faces.size() ? *run.faces[i] : font;
}

TPointF GlyphPen(TPointF origin, const TextRun& run, std::size_t i) {
  const TPointF pen = TurnedPoint(origin, run.tenths, run.pens[i]);
  return TPointF{static_cast<double>(Nearest(pen.x)), static_cast<double>(Nearest(pen.y))};
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
  // Each glyph is rendered only as far as it lands on the visible pixels.
  const TRect visible = clip ? Intersect(*clip, canvas.VisibleBounds()) : canvas.VisibleBounds();
  for (std::size_t i = 0; i < run.chars.size() && i < run.pens.size(); ++i) {
    SizedFont& face = RunFace(font, run, i);
    const TPointF pen = GlyphPen(origin, run, i);
    const long long x = Nearest(pen.x), y = Nearest(pen.y);
    const GlyphImage& glyph =
        face.GlyphWithin(run.glyphIndices, run.chars[i], GlyphTurn(run), run.permille, FromPen(visible, x, y));
    PaintGlyph(canvas, painter, glyph, x + glyph.left, y + glyph.top, clip);
  }
  StyleLines(m, canvas.Font.style, [&](int top, int height) { band(top, height, canvas.Font.color); });
}

bool AppendRunOutlines(Path& path, SizedFont& font, TPointF origin, const TextRun& run, TFontStyles style,
                       std::size_t& budget) {
  for (std::size_t i = 0; i < run.chars.size() && i < run.pens.size(); ++i) {
    SizedFont& face = RunFace(font, run, i);
    const std::uint32_t index = run.glyphIndices ? run.chars[i] : face.IndexOf(run.chars[i]);
    const FT_Outline* outline = face.Outline(index, GlyphTurn(run), run.permille);
    if (!outline) continue;
    const auto points = static_cast<std::size_t>(std::max<short>(outline->n_points, 0));
    if (points > budget) return false;
    budget -= points;
    AppendGlyphOutline(path, *outline, GlyphPen(origin, run, i));
  }
  const TPointF start = run.pens.empty() ? run.end : run.pens.front();
  StyleLines(font.Metrics(), style, [&](int top, int height) {
    path.AddFigure(BoxCorners(origin, run.tenths, start.x, run.end.x, start.y + top, start.y + top + height), true);
  });
  return true;
}

}  // namespace kestrova
