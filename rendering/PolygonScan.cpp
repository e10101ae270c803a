#include "rendering/PolygonScan.h"

#include <algorithm>
#include <cstdint>

#include "rendering/WorkBudget.h"

namespace kestrova {

namespace {

// An edge taken downwards: it crosses the row centres yc with top <= yc < bottom.
struct Edge {
  double top = 0, bottom = 0;
  double xAtTop = 0, slope = 0;  // x change per unit of y
  int direction = 1;             // +1 where the outline runs down, -1 up
};

struct Crossing {
  double x = 0;
  int direction = 1;
};

std::vector<Edge> EdgesOf(const std::vector<std::vector<TPointF>>& polygons) {
  std::vector<Edge> edges;
  for (const auto& polygon : polygons) {
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      TPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
      if (a.y == b.y) continue;  // horizontal edges cross no row centre
      const int direction = a.y < b.y ? 1 : -1;
      if (a.y > b.y) std::swap(a, b);
      edges.push_back(Edge{a.y, b.y, a.x, (b.x - a.x) / (b.y - a.y), direction});
    }
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.top < q.top; });
  return edges;
}

// Hands over the spans of one row whose crossings are sorted by x.
void RowSpans(int y, const std::vector<Crossing>& crossings, FillRule rule, const SpanSink& sink) {
  int winding = 0;
  double start = 0;
  for (const Crossing& c : crossings) {
    const bool wasInside = rule == FillRule::Alternate ? (winding & 1) != 0 : winding != 0;
    winding += rule == FillRule::Alternate ? 1 : c.direction;
    const bool inside = rule == FillRule::Alternate ? (winding & 1) != 0 : winding != 0;
    if (!wasInside && inside) start = c.x;
    if (wasInside && !inside) {
      const int x0 = FirstPixelAtOrAfter(start), x1 = FirstPixelAtOrAfter(c.x);
      if (x0 < x1) sink(y, x0, x1);
    }
  }
}

}  // namespace

void PolygonSpans(const std::vector<std::vector<TPointF>>& polygons, FillRule rule, RowRange rows,
                  const SpanSink& sink) {
  const std::vector<Edge> edges = EdgesOf(polygons);
  WorkBudget::Spend(work::kPoint + work::kEdgeRow * static_cast<std::int64_t>(edges.size()));
  if (edges.empty()) return;
  double bottom = edges.front().bottom;
  for (const Edge& e : edges) bottom = std::max(bottom, e.bottom);
  const int first = std::max(rows.first, FirstPixelAtOrAfter(edges.front().top));
  const int last = std::min(rows.last, FirstPixelAtOrAfter(bottom));
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::size_t next = 0;
  for (int y = first; y < last; ++y) {
    const double yc = y + 0.5;
    while (next < edges.size() && edges[next].top <= yc) active.push_back(&edges[next++]);
    std::erase_if(active, [yc](const Edge* e) { return e->bottom <= yc; });
    WorkBudget::Spend(work::kEdgeRow * static_cast<std::int64_t>(1 + active.size()));
    crossings.clear();
    for (const Edge* e : active) crossings.push_back(Crossing{e->xAtTop + (yc - e->top) * e->slope, e->direction});
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
    RowSpans(y, crossings, rule, sink);
  }
}

}  // namespace kestrova
