#include "rendering/PenStroke.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "rendering/WorkBudget.h"

namespace kestrova {

namespace {

using Polygon = std::vector<TPointF>;
using PolygonSink = std::function<void(Polygon&&)>;

TPointF Plus(TPointF a, TPointF b, double k = 1) { return TPointF{a.x + k * b.x, a.y + k * b.y}; }

double SignedArea(const Polygon& p) {
  double twice = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const TPointF a = p[i], b = p[(i + 1) % p.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

// Hands on the polygon turned the common way; flat ones are left out.
void Add(const PolygonSink& out, Polygon p) {
  const double area = SignedArea(p);
  if (!(std::abs(area) > 1e-12)) return;
  if (area < 0) std::reverse(p.begin(), p.end());
  out(std::move(p));
}

// A round dot: a polygon with corners at most about a pixel apart.
Polygon Disc(TPointF c, double r) {
  const int n = static_cast<int>(std::clamp(std::ceil(2 * std::numbers::pi * r), 8.0, 4096.0));
  WorkBudget::Spend(work::kPoint * n);
  Polygon p;
  p.reserve(n);
  for (int i = 0; i < n; ++i) {
    const double t = 2 * std::numbers::pi * i / n;
    p.push_back(TPointF{c.x + r * std::cos(t), c.y + r * std::sin(t)});
  }
  return p;
}

struct Segment {
  TPointF a, b;
  TPointF unit;    // along the segment
  TPointF normal;  // across it, half the pen's width long
};

std::vector<Segment> SegmentsOf(const std::vector<TPointF>& path, bool closed, double r) {
  std::vector<TPointF> points;
  for (const TPointF& p : path)
    if (points.empty() || p.x != points.back().x || p.y != points.back().y) points.push_back(p);
  if (closed && points.size() > 2 && points.front().x == points.back().x && points.front().y == points.back().y)
    points.pop_back();
  std::vector<Segment> segments;
  const std::size_t n = points.size();
  const std::size_t count = closed && n > 2 ? n : (n > 0 ? n - 1 : 0);
  for (std::size_t i = 0; i < count; ++i) {
    const TPointF a = points[i], b = points[(i + 1) % n];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const TPointF u{(b.x - a.x) / length, (b.y - a.y) / length};
    segments.push_back(Segment{a, b, u, TPointF{-u.y * r, u.x * r}});
  }
  return segments;
}

// A round dot at c unless it lies wholly outside the area.
void AddDisc(const PolygonSink& out, TPointF c, double r, const DashArea& area) {
  if (c.x + r < area.left || c.x - r > area.right || c.y + r < area.top || c.y - r > area.bottom) return;
  Add(out, Disc(c, r));
}

// The corner where segment `in` meets segment `out` at their shared point.
void AddJoin(const PolygonSink& out, const Segment& in, const Segment& next, const StrokeStyle& style,
             const DashArea& area) {
  const double r = style.width / 2;
  const TPointF v = in.b;
  const double cross = in.unit.x * next.unit.y - in.unit.y * next.unit.x;
  const double dot = in.unit.x * next.unit.x + in.unit.y * next.unit.y;
  if (style.join == PenJoin::pjRound) {
    AddDisc(out, v, r, area);
    return;
  }
  if (std::abs(cross) < 1e-12 && dot > 0) return;  // straight on
  // The outer side of the turn.
  const double s = cross > 0 ? -1 : 1;
  const TPointF p = Plus(v, in.normal, s), q = Plus(v, next.normal, s);
  if (style.join == PenJoin::pjMiter) {
    const TPointF sum = Plus(in.normal, next.normal);
    const double half = std::hypot(sum.x, sum.y) / (2 * r);  // cosine of half the angle between the normals
    if (half > 1e-12 && 1 / half <= style.miterLimit) {
      const double reach = r / half / std::hypot(sum.x, sum.y);
      Add(out, Polygon{v, p, Plus(v, sum, s * reach), q});
      return;
    }
  }
  Add(out, Polygon{v, p, q});
}

void AddCap(const PolygonSink& out, TPointF end, const StrokeStyle& style, const DashArea& area) {
  if (style.cap == PenEndCap::pcRound) AddDisc(out, end, style.width / 2, area);
}

}  // namespace

void StrokePolygons(const std::vector<TPointF>& path, bool closed, const StrokeStyle& style, const DashArea& area,
                    const PolygonSink& out) {
  const double r = style.width / 2;
  if (!(r > 0) || path.empty()) return;
  const std::vector<Segment> segments = SegmentsOf(path, closed, r);
  if (segments.empty()) {
    // A single point: a round pen leaves a dot, a square one a square.
    if (style.cap == PenEndCap::pcSquare)
      Add(out, Polygon{Plus(path[0], {-r, -r}), Plus(path[0], {r, -r}), Plus(path[0], {r, r}), Plus(path[0], {-r, r})});
    AddCap(out, path[0], style, area);
    return;
  }
  const bool open = !closed || segments.size() < 3;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& s = segments[i];
    TPointF a = s.a, b = s.b;
    if (open && style.cap == PenEndCap::pcSquare) {
      if (i == 0) a = Plus(a, s.unit, -r);
      if (i + 1 == segments.size()) b = Plus(b, s.unit, r);
    }
    Add(out, Polygon{Plus(a, s.normal), Plus(b, s.normal), Plus(b, s.normal, -1), Plus(a, s.normal, -1)});
    if (i + 1 < segments.size()) AddJoin(out, s, segments[i + 1], style, area);
  }
  if (open) {
    AddCap(out, segments.front().a, style, area);
    AddCap(out, segments.back().b, style, area);
  } else {
    AddJoin(out, segments.back(), segments.front(), style, area);
  }
}

}  // namespace kestrova
