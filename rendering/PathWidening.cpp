#include "rendering/PathWidening.h"

#include <algorithm>
#include <cmath>

#include "rendering/StrokeGeometry.h"

namespace kestrova {

namespace {

TPoint PixelAt(TPointF p) { return TPoint{PixelContaining(p.x), PixelContaining(p.y)}; }

// The pixels the pen covers along every figure.
Region PenCoverage(const Path& path, int penWidth, const TRect& area) {
  const RowRange rows{area.top, area.bottom};
  RegionBuilder rowsOf;
  std::vector<std::vector<ColumnSpan>> spans(static_cast<std::size_t>(std::max(0, rows.last - rows.first)));
  const SpanSink collect = [&](int y, int x0, int x1) {
    x0 = std::max(x0, area.left);
    x1 = std::min(x1, area.right);
    if (y >= rows.first && y < rows.last && x0 < x1) spans[static_cast<std::size_t>(y - rows.first)].push_back({x0, x1});
  };
  for (const Path::Figure& f : path.Figures()) {
    // The lattice points the canvas strokes, the pen centred as it centres it.
    const double o = penWidth > 1 ? PenCentreOffset(penWidth) : 0.0;
    std::vector<TPointF> line;
    for (const TPointF& p : f.points) line.push_back(TPointF{std::nearbyint(p.x) + o, std::nearbyint(p.y) + o});
    if (f.closed && line.size() > 1) line.push_back(line.front());
    if (penWidth > 1) {
      WidePathSpans(line, penWidth / 2.0, rows, collect);
      continue;
    }
    for (std::size_t i = 1; i < line.size(); ++i) ThinLineSpans(PixelAt(line[i - 1]), PixelAt(line[i]), area, collect);
  }
  for (int y = rows.first; y < rows.last; ++y)
    for (const ColumnSpan& s : spans[static_cast<std::size_t>(y - rows.first)]) rowsOf.Add(y, s.x0, s.x1);
  return rowsOf.Finish();
}

}  // namespace

Path WidenedPath(const Path& path, int penWidth, const TRect& area) {
  const Region covered = PenCoverage(path, penWidth, area);
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
