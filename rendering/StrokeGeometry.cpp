#include "rendering/StrokeGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "rendering/WorkBudget.h"

namespace kestrova {

namespace {

// Collects consecutive pixels of one row into spans; the last one goes on at Flush.
class RunCollector {
 public:
  RunCollector(const TRect& bounds, const SpanSink& sink) : bounds_(bounds), sink_(sink) {}

  void Add(std::int64_t x, std::int64_t y) {
    if (open_ && y == y_ && (x == x1_ || x == x0_ - 1)) {
      x0_ = std::min(x0_, x);
      x1_ = std::max(x1_, x + 1);
      return;
    }
    Flush();
    open_ = true;
    x0_ = x;
    x1_ = x + 1;
    y_ = y;
  }

  void Flush() {
    if (!open_) return;
    open_ = false;
    if (y_ < bounds_.top || y_ >= bounds_.bottom) return;
    const std::int64_t x0 = std::max<std::int64_t>(x0_, bounds_.left);
    const std::int64_t x1 = std::min<std::int64_t>(x1_, bounds_.right);
    if (x0 < x1) sink_(static_cast<int>(y_), static_cast<int>(x0), static_cast<int>(x1));
  }

 private:
  const TRect& bounds_;
  const SpanSink& sink_;
  bool open_ = false;
  std::int64_t x0_ = 0, x1_ = 0, y_ = 0;
};

// Interval of x (inclusive ends) where lo <= c1 * x + c0 <= hi; false when empty.
bool LinearRange(double c1, double c0, double lo, double hi, double& x0, double& x1) {
  if (std::abs(c1) < 1e-12) {
    if (c0 < lo || c0 > hi) return false;
    x0 = -std::numeric_limits<double>::infinity();
    x1 = std::numeric_limits<double>::infinity();
    return true;
  }
  const double a = (lo - c0) / c1, b = (hi - c0) / c1;
  x0 = std::min(a, b);
  x1 = std::max(a, b);
  return true;
}

// The chord of row centre yc through the capsule; false when the row misses it.
bool CapsuleChord(TPointF a, TPointF b, double radius, double yc, double& lo, double& hi) {
  lo = std::numeric_limits<double>::infinity();
  hi = -lo;
  for (const TPointF& c : {a, b}) {
    const double dy = yc - c.y, q = radius * radius - dy * dy;
    if (q <= 0) continue;
    const double h = std::sqrt(q);
    lo = std::min(lo, c.x - h);
    hi = std::max(hi, c.x + h);
  }
  const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
  if (length > 0) {
    const double ux = dx / length, uy = dy / length;
    // Along the segment: (x - a.x) * ux + (yc - a.y) * uy in [0, length];
    // across it: (x - a.x) * uy - (yc - a.y) * ux in [-radius, radius].
    double s0 = 0, s1 = 0, t0 = 0, t1 = 0;
    if (LinearRange(ux, -a.x * ux + (yc - a.y) * uy, 0, length, s0, s1) &&
        LinearRange(uy, -a.x * uy - (yc - a.y) * ux, -radius, radius, t0, t1)) {
      const double b0 = std::max(s0, t0), b1 = std::min(s1, t1);
      if (b0 <= b1) {
        lo = std::min(lo, b0);
        hi = std::max(hi, b1);
      }
    }
  }
  return lo < hi;
}

}  // namespace

double PenCentreOffset(int width) { return width % 2 != 0 ? 0.5 : 0.0; }

void ThinLineSpans(TPoint from, TPoint to, const TRect& bounds, const SpanSink& sink) {
  RunCollector runs(bounds, sink);
  ForEachThinLinePixel(from, to, bounds, [&](std::int64_t, std::int64_t x, std::int64_t y) { runs.Add(x, y); });
  runs.Flush();
}

std::int64_t ThinLineSteps(TPoint from, TPoint to) {
  return std::max(std::abs(std::int64_t{to.x} - from.x), std::abs(std::int64_t{to.y} - from.y));
}

void CapsuleSpans(TPointF a, TPointF b, double radius, RowRange rows, const SpanSink& sink) {
  if (!(radius > 0)) return;
  const int first = std::max(rows.first, FirstPixelAtOrAfter(std::min(a.y, b.y) - radius));
  const int last = std::min(rows.last, FirstPixelAtOrAfter(std::max(a.y, b.y) + radius) + 1);
  for (int y = first; y < last; ++y) {
    WorkBudget::Spend(work::kSpan);
    double lo = 0, hi = 0;
    if (!CapsuleChord(a, b, radius, y + 0.5, lo, hi)) continue;
    const int x0 = FirstPixelAtOrAfter(lo), x1 = FirstPixelAtOrAfter(hi);
    if (x0 < x1) sink(y, x0, x1);
  }
}

void WidePathSpans(const std::vector<TPointF>& path, double radius, RowRange rows, const SpanSink& sink) {
  if (path.size() == 1) CapsuleSpans(path[0], path[0], radius, rows, sink);
  for (std::size_t i = 1; i < path.size(); ++i) CapsuleSpans(path[i - 1], path[i], radius, rows, sink);
}

void PenSegmentSpans(TPoint from, TPoint to, int width, const TRect& bounds, const SpanSink& sink) {
  if (width <= 1) {
    ThinLineSpans(from, to, bounds, sink);
    return;
  }
  const double o = PenCentreOffset(width);
  CapsuleSpans(TPointF{from.x + o, from.y + o}, TPointF{to.x + o, to.y + o}, width / 2.0,
               RowRange{bounds.top, bounds.bottom}, sink);
}

}  // namespace kestrova
