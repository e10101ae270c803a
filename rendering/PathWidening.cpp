#include "rendering/PathWidening.h"

#include <algorithm>
#include <cmath>

#include "rendering/Rounding.h"

namespace kestrova {

namespace {

// The pixels the pen covers along every figure, stroked from the lattice
// points the canvas strokes a figure through.
Region PenCoverage(const Path& path, const TCanvas& canvas) {
  const int height = canvas.Target().Height(), width = canvas.Target().Width();
  std::vector<std::vector<ColumnSpan>> spans(static_cast<std::size_t>(std::max(0, height)));
  const SpanSink collect = [&](int y, int x0, int x1) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width);
    if (y >= 0 && y < height && x0 < x1) spans[static_cast<std::size_t>(y)].push_back({x0, x1});
  };
  for (const Path::Figure& f : path.Figures()) {
    std::vector<TPoint> line;
    line.reserve(f.points.size());
    for (const TPointF& p : f.points)
      line.push_back(TPoint{RoundHalfEven(p.x), RoundHalfEven(p.y)});
    canvas.PenSpans(line, f.closed && line.size() > 1, collect, nullptr);
  }
  RegionBuilder rows;
  for (int y = 0; y < height; ++y)
    for (const ColumnSpan& s : spans[static_cast<std::size_t>(y)]) rows.Add(y, s.x0, s.x1);
  return rows.Finish();
}

}  // namespace

Path WidenedPath(const Path& path, const TCanvas& canvas) {
  const Region covered = PenCoverage(path, canvas);
  Path widened;
  covered.ForEachBand([&](int top, int bottom, std::span<const ColumnSpan> spans) {
    for (const ColumnSpan& s : spans) {
      const double x0 = s.x0, x1 = s.x1, y0 = top, y1 = bottom;
      widened.AddFigure({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, true);
    }
  });
  return widened;
}

}  // namespace kestrova
