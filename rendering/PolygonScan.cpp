#include "rendering/PolygonScan.h"

#include <algorithm>

namespace kestrova {

namespace {

// An edge taken downwards: it crosses the row centres yc with top <= yc < bottom.
struct Edge {
  double top = 0, bottom = 0;
  double xAtTop = 0, slope = 0;  // x change per unit of y
  int direction = 1;             // +1 where the outline runs downwards, -1 upwards
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

// Columns [x0, x1) of the inside between sorted crossings: every other gap
// (alternate), or where the outlines wind round a non-zero number of times.
template <typename Span>
void InsideRuns(const std::vector<Crossing>& crossings, bool winding, Span span) {
  if (!winding) {
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) span(crossings[i].x, crossings[i + 1].x);
    return;
  }
  int turns = 0;
  double start = 0;
  for (const Crossing& c : crossings) {
    if (turns == 0) start = c.x;
    turns += c.direction;
    if (turns == 0) span(start, c.x);
  }
}

void FillSpans(const std::vector<std::vector<TPointF>>& polygons, bool winding, RowRange rows, const SpanSink& sink) {
  const std::vector<Edge> edges = EdgesOf(polygons);
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
    crossings.clear();
    for (const Edge* e : active) crossings.push_back(Crossing{e->xAtTop + (yc - e->top) * e->slope, e->direction});
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    InsideRuns(crossings, winding, [&](double from, double to) {
      const int x0 = FirstPixelAtOrAfter(from), x1 = FirstPixelAtOrAfter(to);
      if (x0 < x1) sink(y, x0, x1);
    });
  }
}

}  // namespace

void EvenOddSpans(const std::vector<std::vector<TPointF>>& polygons, RowRange rows, const SpanSink& sink) {
  FillSpans(polygons, false, rows, sink);
}

void WindingSpans(const std::vector<std::vector<TPointF>>& polygons, RowRange rows, const SpanSink& sink) {
  FillSpans(polygons, true, rows, sink);
}

}  // namespace kestrova
