// The metafile device's text: fonts, the layout of a text record's
// characters, and painting them under the mapping.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/images/metafile/MetafileDevice.h"
#include "core/support/TextEncoding.h"
#include "rendering/FontEngine.h"
#include "rendering/ShapedLine.h"
#include "rendering/ShapingNeed.h"
#include "rendering/Utf8.h"

namespace kestrova {

SizedFont& MetafileDevice::UseFont() {
  const MetaFont& m = state_.font;
  TFont f;
  f.name = m.face.empty() ? "Arial" : m.face;
  f.style = static_cast<TFontStyles>((m.weight >= 600 ? fsBold : 0) | (m.italic ? fsItalic : 0) |
                                     (m.underline ? fsUnderline : 0) | (m.strikeout ? fsStrikeOut : 0));
  f.charset = m.charset;
  f.color = state_.textColor;
  f.quality = m.quality == fqNonAntialiased ? fqNonAntialiased : fqAntialiased;
  int pixels = m.devicePixels ? m.devicePixels : static_cast<int>(std::lrint(std::min(std::abs(static_cast<double>(m.height)) * ScaleY(), 1e9)));
  if (pixels <= 0) pixels = kDefaultFontPixels;
  pixels = std::min(pixels, FontPixelSize(kMaxFontPoints));
  f.size = std::clamp(static_cast<int>(std::lrint(pixels * 72.0 / 96.0)), 1, kMaxFontPoints);
  canvas_.Font = f;
  FontEngine& engine = FontEngine::Instance();
  if (m.height > 0 && !m.devicePixels) {
    // A positive height is the whole cell: the largest em height whose cell fits.
    int fits = 1;
    for (int tooLarge = pixels + 1; tooLarge - fits > 1;) {
      const int middle = fits + (tooLarge - fits) / 2;
      if (engine.Get(f, middle).Metrics().Height() <= pixels)
        fits = middle;
      else
        tooLarge = middle;
    }
    pixels = fits;
  }
  return engine.Get(f, pixels);
}

std::vector<ShownCluster> MetafileDevice::ShownClusters(const MetaText& t, std::u32string chars, SizedFont& font,
                                                        TextRun& run) {
  const auto unitsOf = [&](std::size_t i) {
    return i < t.units.size() ? static_cast<std::size_t>(std::max(1, t.units[i])) : std::size_t{1};
  };
  std::vector<ShownCluster> clusters;
  const bool rightToLeft = t.options & gdi::ETO_RTLREADING;
  if (run.glyphIndices || (!rightToLeft && !NeedsShaping(font, chars))) {
    for (std::size_t i = 0; i < chars.size(); ++i) {
      const int advance = font.GlyphAdvance(run.glyphIndices, chars[i], run.permille);
      clusters.push_back(ShownCluster{i, 1, {TPointF{0, 0}}, unitsOf(i), double(advance), chars[i] == U' '});
    }
    run.chars = std::move(chars);
    return clusters;
  }
  // Shaped: the glyphs of one cluster of characters go together, and the
  // record's distances are given to the clusters in the order they are shown.
  const ShapedLine line = ShapeLine(canvas_.Font, font, chars,
                                    rightToLeft ? ParagraphDirection::RightToLeft : ParagraphDirection::FromText);
  std::vector<std::size_t> starts;  // the clusters' first characters, in reading order
  for (const ShapedGlyph& g : line.glyphs) starts.push_back(g.cluster);
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  const double widening = run.permille / 1000.0;
  run.glyphIndices = true;
  for (std::size_t k = 0; k < line.glyphs.size(); ++k) {
    const ShapedGlyph& g = line.glyphs[k];
    if (k == 0 || g.cluster != line.glyphs[k - 1].cluster) {
      const auto next = std::upper_bound(starts.begin(), starts.end(), g.cluster);
      const std::size_t end = next == starts.end() ? chars.size() : *next;
      ShownCluster opened{k, 0, {}, 0, 0, end == g.cluster + 1 && chars[g.cluster] == U' '};
      for (std::size_t i = g.cluster; i < end; ++i) opened.units += unitsOf(i);
      clusters.push_back(std::move(opened));
    }
    ShownCluster& cluster = clusters.back();
    const int pen = line.glyphs[cluster.first].pen;
    cluster.offsets.push_back(TPointF{(g.x - pen) * widening, static_cast<double>(g.y)});
    ++cluster.count;
    run.chars.push_back(g.index);
    run.faces.push_back(g.font);
  }
  for (std::size_t i = 0; i < clusters.size(); ++i) {
    const int to = i + 1 < clusters.size() ? line.glyphs[clusters[i + 1].first].pen : line.width;
    clusters[i].advance = (to - line.glyphs[clusters[i].first].pen) * widening;
  }
  return clusters;
}

TextRun MetafileDevice::Layout(const MetaText& t, std::u32string chars, SizedFont& font) {
  const bool pairs = t.options & gdi::ETO_PDY;
  const std::size_t step = pairs ? 2 : 1;
  const double sx = ScaleX(), sy = ScaleY();
  int breaksLeft = state_.breakCount, extraLeft = state_.breakExtra;
  TextRun run;
  run.glyphIndices = t.options & gdi::ETO_GLYPH_INDEX;
  run.tenths = state_.font.escapement + MappingTenths();
  run.permille = Widening(font);
  std::size_t unit = 0;
  double along = 0, across = 0;
  for (const ShownCluster& cluster : ShownClusters(t, std::move(chars), font, run)) {
    for (const TPointF& offset : cluster.offsets) run.pens.push_back(TPointF{along + offset.x, across + offset.y});
    const std::size_t n = cluster.units;
    if ((unit + n) * step <= t.dx.size()) {
      double dx = 0, dy = 0;
      for (std::size_t k = unit; k < unit + n; ++k) {
        dx += t.dx[k * step];
        if (pairs) dy += t.dx[k * step + 1];
      }
      along += dx * sx;
      across -= dy * sy;
    } else {
      double extra = state_.charExtra;
      if (cluster.space && breaksLeft > 0) {
        // The break extra shared out, the remainder going to the first breaks.
        const int share = (extraLeft + breaksLeft - 1) / breaksLeft;
        extra += share;
        extraLeft -= share;
        --breaksLeft;
      }
      along += cluster.advance + extra * sx;
    }
    unit += n;
  }
  run.end = TPointF{along, across};
  // The alignment moves the whole run against its reference point.
  const std::uint32_t horizontal = state_.textAlign & gdi::TA_CENTER, vertical = state_.textAlign & gdi::TA_BASELINE;
  TPointF shift{0, 0};
  if (horizontal == gdi::TA_RIGHT) shift = TPointF{-along, -across};
  if (horizontal == gdi::TA_CENTER) shift = TPointF{-std::floor(along / 2), -std::floor(across / 2)};
  if (vertical == 0) shift.y += font.Metrics().ascent;  // top
  if (vertical == gdi::TA_BOTTOM) shift.y -= font.Metrics().descent;
  for (TPointF& p : run.pens) p = TPointF{p.x + shift.x, p.y + shift.y};
  run.end = TPointF{run.end.x + shift.x, run.end.y + shift.y};
  return run;
}

int MetafileDevice::MappingTenths() const {
  // The direction the logical x axis takes on the canvas, a window or
  // viewport mirrored across turning the text over taken out.
  const AffineTransform m = Mapping(), page = PageToCanvas();
  const double x = m.m11 * (page.m11 < 0 ? -1 : 1), y = m.m12;
  if (x == 0 && y == 0) return 0;
  return static_cast<int>(std::lrint(std::atan2(-y, x) * 1800 / std::numbers::pi));
}

int MetafileDevice::Widening(SizedFont& font) const {
  // The font's width field asks for an average character width in logical units.
  if (state_.font.width == 0 || state_.font.devicePixels) return 1000;
  const double natural = font.AverageWidth();
  if (!(natural > 0)) return 1000;
  const double wanted = std::abs(static_cast<double>(state_.font.width)) * ScaleX();
  return static_cast<int>(std::lrint(std::clamp(wanted / natural, 1.0 / 16, 16.0) * 1000));
}

TPoint MetafileDevice::LogicalOffset(TPointF canvasOffset) const {
  AffineTransform inverse;
  if (!Mapping().Inverse(inverse)) return TPoint{0, 0};
  // A displacement: the inverse without its translation.
  inverse.dx = inverse.dy = 0;
  return Rounded(inverse.Apply(canvasOffset));
}

void MetafileDevice::TextOut(const MetaText& t) {
  canvas_.Rop2 = kRop2CopyPen;
  // The rectangle as the mapping turns it: a region of the canvas.
  const std::optional<Region> box =
      t.rect ? std::optional<Region>(FigureRegion(Rounded(RectFigure(*t.rect)))) : std::nullopt;
  if ((t.options & gdi::ETO_OPAQUE) && box && !Recording()) {
    canvas_.Brush = TBrush{state_.bkColor, BrushStyle::bsSolid};
    canvas_.FillRegion(*box);
  }
  std::u32string chars = (t.options & gdi::ETO_GLYPH_INDEX) ? t.glyphs : DecodeUtf8(t.text);
  if (chars.empty()) return;
  SizedFont& font = UseFont();
  const bool updateCp = state_.textAlign & gdi::TA_UPDATECP;
  const TPoint reference = updateCp ? state_.position : t.reference;
  const TPoint origin = ToCanvas(reference);
  TextRun run = Layout(t, std::move(chars), font);
  if (t.advanced) run.glyphTenths = state_.font.orientation + MappingTenths();
  const TPointF at{static_cast<double>(origin.x), static_cast<double>(origin.y)};
  PlaceRun(font, at, run, (t.options & gdi::ETO_CLIPPED) ? box : std::nullopt);
  const std::uint32_t horizontal = state_.textAlign & gdi::TA_CENTER;
  if (!updateCp || horizontal == gdi::TA_CENTER) return;
  // Past the text: its far end for left-aligned text, its start for right-aligned.
  const TPointF from = TurnedPoint(at, run.tenths, run.pens.front());
  const TPointF to = TurnedPoint(at, run.tenths, run.end);
  const TPointF moved =
      horizontal == gdi::TA_RIGHT ? TPointF{from.x - to.x, from.y - to.y} : TPointF{to.x - from.x, to.y - from.y};
  const TPoint offset = LogicalOffset(moved);
  state_.position = TPoint{SaturatedInt(std::int64_t{reference.x} + offset.x),
                           SaturatedInt(std::int64_t{reference.y} + offset.y)};
}

void MetafileDevice::PlaceRun(SizedFont& font, TPointF at, const TextRun& run, const std::optional<Region>& clip) {
  if (Recording()) {
    if (!AppendRunOutlines(*state_.path, font, at, run, canvas_.Font.style, outlineBudget_)) CountNotDrawn();
    return;
  }
  canvas_.Brush = TBrush{state_.bkColor, state_.bkTransparent ? BrushStyle::bsClear : BrushStyle::bsSolid};
  if (clip)
    WithinRegion(*clip, [&] { PaintTextRun(canvas_, font, at, run, std::nullopt); });
  else
    PaintTextRun(canvas_, font, at, run, std::nullopt);
}

void MetafileDevice::SetTextJustification(int extra, int count) {
  state_.breakExtra = count > 0 ? std::max(0, extra) : 0;
  state_.breakCount = std::max(0, count);
}

std::vector<int> SingleByteUnits(std::string_view bytes) {
  std::vector<int> units;
  if (!IsValidUtf8(bytes)) return units;
  for (std::size_t i = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; i < bytes.size();) {
    const std::size_t n = std::max<std::size_t>(1, Utf8SequenceLength(bytes, i));
    units.push_back(static_cast<int>(n));
    i += n;
  }
  return units;
}

}  // namespace kestrova
