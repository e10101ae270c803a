#include "rendering/FloodRegion.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "rendering/BitmapRows.h"

namespace kestrova {

namespace {

// One flood fill: the runs found so far (also the list of runs whose rows
// above and below are still to be looked at), and a mark for each pixel that
// a run holds, kept for the rows the fill has reached only.
class Flood {
 public:
  Flood(const Bitmap& bitmap, TColor colour, FloodStyle style, const ClipRegion* clip)
      : bitmap_(bitmap),
        value_(bitmap.RawValueOf(PlainRGB(colour))),
        border_(style == FloodStyle::fsBorder),
        clip_(clip) {}

  Region From(TPoint start);

 private:
  struct Run {
    int y, x0, x1;
  };

  static constexpr int kShortestPiece = 16, kLongestPiece = 1024;

  bool Takes(int x, int y) const { return (bitmap_.RawPixel(x, y) == value_) != border_; }
  // From column x towards `limit` (itself left out), the first column whose
  // pixel the fill takes (`takes`) or does not; `limit` when there is none.
  int Seek(int y, int x, int limit, bool takes) const;
  // The first visible part of row y that ends right of column x.
  std::optional<ColumnSpan> VisibleFrom(int y, int x) const;
  bool Marked(int y, int x) const {
    const auto row = marks_.find(y);
    return row != marks_.end() && (row->second[std::size_t(x) / 64] >> (x % 64)) & 1;
  }
  void Mark(int y, int x0, int x1);
  // Adds the run through column x of the visible part of row y; its end.
  int AddRunThrough(int y, int x, ColumnSpan visible);
  // Adds the runs not yet found that pass through columns [x0, x1) of row y.
  void AddRunsAlong(int y, int x0, int x1);
  // The runs as a region, gathered row by row.
  Region Collected() const;

  const Bitmap& bitmap_;
  const std::uint32_t value_;
  const bool border_;
  const ClipRegion* clip_;
  std::unordered_map<int, std::vector<std::uint64_t>> marks_;
  std::vector<Run> runs_;
};

Region Flood::From(TPoint start) {
  if (start.y < 0 || start.y >= bitmap_.Height() || start.x < 0) return Region();
  const std::optional<ColumnSpan> visible = VisibleFrom(start.y, start.x);
  if (!visible || visible->x0 > start.x || !Takes(start.x, start.y)) return Region();
  AddRunThrough(start.y, start.x, *visible);
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    const Run run = runs_[i];
    if (run.y > 0) AddRunsAlong(run.y - 1, run.x0, run.x1);
    if (run.y + 1 < bitmap_.Height()) AddRunsAlong(run.y + 1, run.x0, run.x1);
  }
  return Collected();
}

int Flood::Seek(int y, int x, int limit, bool takes) const {
  // The row is read a piece at a time, each piece twice as long as the last:
  // a short run reads little past its end, a long one few pieces.
  std::uint32_t values[kLongestPiece];
  const int step = limit > x ? 1 : -1;
  for (int piece = kShortestPiece; x != limit; piece = std::min(2 * piece, kLongestPiece)) {
    const int count = std::min(piece, std::abs(limit - x)), first = step > 0 ? x : x - count + 1;
    ReadRawRow(bitmap_, y, first, first + count, values);
    for (int i = 0; i < count; ++i, x += step)
      if (((values[x - first] == value_) != border_) == takes) return x;
  }
  return limit;
}

std::optional<ColumnSpan> Flood::VisibleFrom(int y, int x) const {
  ColumnSpan span{0, bitmap_.Width()};
  if (clip_) {
    const std::optional<ColumnSpan> inside = clip_->SpanFrom(y, x);
    if (!inside) return std::nullopt;
    span = ColumnSpan{std::max(inside->x0, 0), std::min(inside->x1, bitmap_.Width())};
  }
  if (span.x0 >= span.x1 || span.x1 <= x) return std::nullopt;
  return span;
}

int Flood::AddRunThrough(int y, int x, ColumnSpan visible) {
  const int x0 = Seek(y, x, visible.x0 - 1, false) + 1, x1 = Seek(y, x, visible.x1, false);
  runs_.push_back(Run{y, x0, x1});
  Mark(y, x0, x1);
  return x1;
}

void Flood::Mark(int y, int x0, int x1) {
  std::vector<std::uint64_t>& row = marks_[y];
  if (row.empty()) row.resize((std::size_t(bitmap_.Width()) + 63) / 64);
  for (std::size_t bit = std::size_t(x0), end = std::size_t(x1); bit < end;) {
    // Whole words at once where the run covers them.
    const std::size_t shift = bit % 64, count = std::min<std::size_t>(64 - shift, end - bit);
    row[bit / 64] |= (count == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << count) - 1)) << shift;
    bit += count;
  }
}

void Flood::AddRunsAlong(int y, int x0, int x1) {
  int x = x0;
  while (x < x1) {
    const std::optional<ColumnSpan> visible = VisibleFrom(y, x);
    if (!visible || visible->x0 >= x1) return;
    const int end = std::min(visible->x1, x1);
    x = Seek(y, std::max(x, visible->x0), end, true);
    if (x == end) continue;
    // A marked pixel's run was found before: passed over to its end.
    x = Marked(y, x) ? Seek(y, x, end, false) : AddRunThrough(y, x, *visible);
  }
}

Region Flood::Collected() const {
  int top = runs_.front().y, bottom = top;
  for (const Run& r : runs_) {
    top = std::min(top, r.y);
    bottom = std::max(bottom, r.y);
  }
  // Runs sorted by row through a count of each row's runs.
  std::vector<std::size_t> rowStart(std::size_t(bottom - top) + 2, 0);
  for (const Run& r : runs_) ++rowStart[std::size_t(r.y - top) + 1];
  for (std::size_t i = 1; i < rowStart.size(); ++i) rowStart[i] += rowStart[i - 1];
  std::vector<ColumnSpan> spans(runs_.size());
  std::vector<std::size_t> next(rowStart.begin(), rowStart.end() - 1);
  for (const Run& r : runs_) spans[next[std::size_t(r.y - top)]++] = ColumnSpan{r.x0, r.x1};
  RegionBuilder builder;
  for (int y = top; y <= bottom; ++y)
    for (std::size_t i = rowStart[std::size_t(y - top)]; i < rowStart[std::size_t(y - top) + 1]; ++i)
      builder.Add(y, spans[i].x0, spans[i].x1);
  return builder.Finish();
}

}  // namespace

Region FloodRegion(const Bitmap& bitmap, TPoint start, TColor colour, FloodStyle style, const ClipRegion* clip) {
  return Flood(bitmap, colour, style, clip).From(start);
}

}  // namespace kestrova
