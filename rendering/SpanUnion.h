#pragma once
// The pixels of one stroke gathered from several rasterisers (segments,
// joins, arcs and their chords) and handed on once each: every row keeps its
// covered columns as disjoint runs, merged as spans arrive, so memory follows
// what is covered, not how often it is reported.

#include <map>
#include <utility>
#include <vector>

#include "rendering/RasterTypes.h"

namespace kestrova {

class SpanUnion {
 public:
  // Spans outside `rows` are dropped.
  explicit SpanUnion(RowRange rows);

  // A sink adding the spans it receives; valid while this object lives.
  SpanSink Collector();
  // Passes every covered run of columns on once, rows top down.
  void PaintTo(const SpanSink& sink) const;

 private:
  void Add(int y, int x0, int x1);

  RowRange rows_;
  // The runs of each row reached, as [x0, x1) pairs in order.
  std::map<int, std::vector<std::pair<int, int>>> runs_;
};

}  // namespace kestrova
