// Dashed pens and geometric pens with square or flat ends and bevelled or
// mitred corners. A dashed one-pixel pen steps from pixel to pixel like a
// solid one, its dashes carrying on from segment to segment; a wider or
// geometric pen is stroked as an outline, each dash with the pen's end caps.

#include <vector>

#include "rendering/Canvas.h"
#include "rendering/DashPattern.h"
#include "rendering/PenCentreLine.h"
#include "rendering/PenStroke.h"
#include "rendering/PolygonScan.h"
#include "rendering/StrokeGeometry.h"

namespace kestrova {

namespace {

bool IsDashed(const TPen& pen) { return pen.style != PenStyle::psSolid && pen.style != PenStyle::psClear; }

bool IsThin(const TPen& pen) { return !pen.geometric && pen.width <= 1; }

// The pixels of a polyline of lattice points stepped one by one, dashes on
// the pen's ink and gaps on the gap ink (when there is one).
void ThinDashedPath(std::span<const TPoint> points, bool closed, const TRect& bounds, DashWalk& walk,
                    const SpanSink& dash, const SpanSink* gap) {
  auto segment = [&](TPoint from, TPoint to) {
    std::int64_t next = 0;
    ForEachThinLinePixel(from, to, bounds, [&](std::int64_t step, std::int64_t x, std::int64_t y) {
      walk.Advance(static_cast<double>(step - next));
      next = step + 1;
      if (walk.OnDash())
        dash(static_cast<int>(y), static_cast<int>(x), static_cast<int>(x) + 1);
      else if (gap)
        (*gap)(static_cast<int>(y), static_cast<int>(x), static_cast<int>(x) + 1);
      walk.Advance(1);
    });
    walk.Advance(static_cast<double>(ThinLineSteps(from, to) - next));
  };
  for (std::size_t i = 1; i < points.size(); ++i) segment(points[i - 1], points[i]);
  if (closed && points.size() > 1) segment(points.back(), points.front());
}

}  // namespace

DashArea TCanvas::VisibleReach(const StrokeStyle& style) const {
  // How far past its centre line a stroke reaches: half its width, or a miter's spike.
  const double spike = style.join == PenJoin::pjMiter ? std::max(style.miterLimit, 1.5) : 1.5;
  const double reach = std::min(style.width / 2 * spike, 1e12) + 2;
  return DashArea{-reach, -reach, target_->Width() + reach, target_->Height() + reach};
}

bool TCanvas::PenNeedsOutline() const {
  if (IsDashed(Pen)) return true;
  return (Pen.geometric || Pen.width > 1) && (Pen.endCap != PenEndCap::pcRound || Pen.join != PenJoin::pjRound);
}

bool TCanvas::PenSteps() const { return PenNeedsOutline() ? IsThin(Pen) : Pen.width <= 1; }

void TCanvas::PenSpans(std::span<const TPoint> points, bool closed, const SpanSink& ink, const SpanSink* gap) const {
  if (points.empty()) return;
  if (!PenNeedsOutline() && Pen.width <= 1) {
    // One-pixel lines are stepped segment by segment, each on its own.
    for (std::size_t i = 1; i < points.size(); ++i) ThinLineSpans(points[i - 1], points[i], Bounds(), ink);
    if (closed && points.size() > 1) ThinLineSpans(points.back(), points.front(), Bounds(), ink);
    return;
  }
  if (PenSteps()) {
    DashWalk walk(DashLengths(Pen));
    ThinDashedPath(points, closed, Bounds(), walk, ink, gap);
    return;
  }
  const double o = PenCentreOffset(Pen.width);
  std::vector<TPointF> path;
  path.reserve(points.size() + 1);
  for (const TPoint& p : points) path.push_back(TPointF{p.x + o, p.y + o});
  WidePenSpans(std::move(path), closed, ink);
}

void TCanvas::PenPath(std::span<const TPoint> points, bool closed) {
  if (!PenVisible() || points.empty()) return;
  if (PenSteps()) {
    const bool gaps = Pen.paintGaps && IsDashed(Pen);
    const SpanSink gap = gaps ? MixedInk(Pen.gapColor, nullptr, TPoint{}) : SpanSink{};
    PenSpans(points, closed, PenInk(), gaps ? &gap : nullptr);
    return;
  }
  StrokeOnce([&](const SpanSink& ink) { PenSpans(points, closed, ink, nullptr); });
}

void TCanvas::OutlinedPenPath(std::vector<TPointF> path, bool closed) {
  if (!PenVisible() || path.empty()) return;
  if (IsThin(Pen)) {
    std::vector<TPoint> pixels;
    for (const TPointF& p : path) {
      const TPoint q{PixelContaining(p.x), PixelContaining(p.y)};
      if (pixels.empty() || !(pixels.back() == q)) pixels.push_back(q);
    }
    PenPath(pixels, closed);
    return;
  }
  StrokeOnce([&](const SpanSink& ink) { WidePenSpans(std::move(path), closed, ink); });
}

void TCanvas::WidePenSpans(std::vector<TPointF> path, bool closed, const SpanSink& ink) const {
  const StrokeStyle style{static_cast<double>(std::max(1, Pen.width)), Pen.endCap, Pen.join, Pen.miterLimit};
  const DashArea reach = VisibleReach(style);
  const std::vector<double> dashes = DashLengths(Pen);
  if (dashes.empty() || DashesDrawnSolid(dashes, style.cap, style.width)) {
    WidePieceSpans(std::move(path), closed, style, reach, ink);
    return;
  }
  if (closed) path.push_back(path.front());
  DashWalk walk(dashes);
  const DashArea picture{0, 0, static_cast<double>(target_->Width()), static_cast<double>(target_->Height())};
  const DashView view{reach, picture, style.cap == PenEndCap::pcFlat ? 0 : style.width / 2};
  ForEachDashPiece(path, walk, view,
                   [&](std::vector<TPointF>&& piece) { WidePieceSpans(std::move(piece), false, style, reach, ink); });
}

void TCanvas::WidePieceSpans(std::vector<TPointF> piece, bool closed, const StrokeStyle& style, const DashArea& reach,
                             const SpanSink& ink) const {
  if (style.cap == PenEndCap::pcRound && style.join == PenJoin::pjRound) {
    // Round pens and round dashes: the round pen's capsules.
    if (closed && piece.size() > 1) piece.push_back(piece.front());
    WidePathSpans(piece, style.width / 2, Rows(), ink);
    return;
  }
  // The outline's polygons filled by the winding rule a batch at a time:
  // the batches' fills together paint what the whole outline's fill does.
  constexpr std::size_t kBatchPoints = std::size_t{1} << 14;
  std::vector<std::vector<TPointF>> batch;
  std::size_t points = 0;
  const auto fill = [&] {
    WindingSpans(batch, Rows(), ink);
    batch.clear();
    points = 0;
  };
  StrokePolygons(piece, closed, style, reach, [&](std::vector<TPointF>&& polygon) {
    points += polygon.size();
    batch.push_back(std::move(polygon));
    if (points >= kBatchPoints) fill();
  });
  fill();
}

}  // namespace kestrova
