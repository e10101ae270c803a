#include "rendering/Region.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "rendering/PolygonScan.h"
#include "rendering/WorkBudget.h"

namespace kestrova {

namespace {

// Far-away edges are held here so that offsets and sizes never overflow.
constexpr int kLimit = 1 << 29;

int Limited(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -kLimit, kLimit)); }

bool Inside(RegionOp op, bool a, bool b) {
  switch (op) {
    case RegionOp::And: return a && b;
    case RegionOp::Or: return a || b;
    case RegionOp::Xor: return a != b;
    case RegionOp::Diff: return a && !b;
    case RegionOp::Copy: return b;
  }
  return false;
}

// The spans of two rows combined, walking the edges of both left to right.
std::vector<ColumnSpan> CombinedSpans(std::span<const ColumnSpan> a, std::span<const ColumnSpan> b, RegionOp op) {
  std::vector<int> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const ColumnSpan& s : a) edges.insert(edges.end(), {s.x0, s.x1});
  for (const ColumnSpan& s : b) edges.insert(edges.end(), {s.x0, s.x1});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<ColumnSpan> out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const int x = edges[i];
    while (ia < a.size() && a[ia].x1 <= x) ++ia;
    while (ib < b.size() && b[ib].x1 <= x) ++ib;
    const bool inA = ia < a.size() && a[ia].x0 <= x, inB = ib < b.size() && b[ib].x0 <= x;
    if (!Inside(op, inA, inB)) continue;
    if (!out.empty() && out.back().x1 == x)
      out.back().x1 = edges[i + 1];
    else
      out.push_back(ColumnSpan{x, edges[i + 1]});
  }
  return out;
}

}  // namespace

// ---------------------------------------------------------------- building

void RegionBuilder::Add(int y, int x0, int x1) {
  if (x0 >= x1) return;
  if (rowOpen_ && y != rowY_) FlushRow();
  rowOpen_ = true;
  rowY_ = y;
  row_.push_back(ColumnSpan{x0, x1});
}

void RegionBuilder::FlushRow() {
  if (!rowOpen_) return;
  rowOpen_ = false;
  std::sort(row_.begin(), row_.end(), [](const ColumnSpan& p, const ColumnSpan& q) { return p.x0 < q.x0; });
  std::vector<ColumnSpan> merged;
  for (const ColumnSpan& s : row_) {
    if (!merged.empty() && s.x0 <= merged.back().x1)
      merged.back().x1 = std::max(merged.back().x1, s.x1);
    else
      merged.push_back(s);
  }
  row_.clear();
  AddBand(rowY_, rowY_ + 1, std::move(merged));
}

void RegionBuilder::AddBand(int top, int bottom, std::vector<ColumnSpan> spans) {
  if (rowOpen_) FlushRow();
  if (top >= bottom || spans.empty()) return;
  auto& bands = region_.bands_;
  if (!bands.empty() && bands.back().bottom == top && bands.back().spans == spans) {
    bands.back().bottom = bottom;
    return;
  }
  bands.push_back(Region::Band{top, bottom, std::move(spans)});
}

Region RegionBuilder::Finish() {
  FlushRow();
  return std::move(region_);
}

// ---------------------------------------------------------------- making

Region Region::FromRect(const TRect& r) {
  RegionBuilder b;
  const int left = Limited(std::min(r.left, r.right)), right = Limited(std::max(r.left, r.right));
  if (left < right) b.AddBand(Limited(std::min(r.top, r.bottom)), Limited(std::max(r.top, r.bottom)), {{left, right}});
  return b.Finish();
}

Region Region::FromShape(const Shape& shape) {
  RegionBuilder b;
  ShapeSpans(shape, RowRange{shape.Box().top, shape.Box().bottom}, [&](int y, int x0, int x1) { b.Add(y, x0, x1); });
  return b.Finish();
}

Region Region::FromPolygons(const std::vector<std::vector<TPointF>>& polygons, FillRule rule, RowRange rows) {
  return FromPolygons(polygons, rule, TRect{INT_MIN, rows.first, INT_MAX, rows.last});
}

Region Region::FromPolygons(const std::vector<std::vector<TPointF>>& polygons, FillRule rule, const TRect& within) {
  RegionBuilder b;
  PolygonSpans(polygons, rule, RowRange{within.top, within.bottom},
               [&](int y, int x0, int x1) { b.Add(y, std::max(x0, within.left), std::min(x1, within.right)); });
  return b.Finish();
}

// ---------------------------------------------------------------- asking

TRect Region::Bounds() const {
  if (bands_.empty()) return TRect{};
  TRect r{bands_.front().spans.front().x0, bands_.front().top, bands_.front().spans.back().x1, bands_.back().bottom};
  for (const Band& band : bands_) {
    r.left = std::min(r.left, band.spans.front().x0);
    r.right = std::max(r.right, band.spans.back().x1);
  }
  return r;
}

const Region::Band* Region::BandAt(int y) const {
  const auto it = std::upper_bound(bands_.begin(), bands_.end(), y, [](int v, const Band& b) { return v < b.bottom; });
  return it != bands_.end() && it->top <= y ? &*it : nullptr;
}

std::span<const ColumnSpan> Region::Row(int y) const {
  const Band* band = BandAt(y);
  return band ? std::span<const ColumnSpan>(band->spans) : std::span<const ColumnSpan>();
}

bool Region::Contains(int x, int y) const {
  for (const ColumnSpan& s : Row(y))
    if (x >= s.x0 && x < s.x1) return true;
  return false;
}

void Region::Spans(RowRange rows, const SpanSink& sink) const {
  for (const Band& band : bands_) {
    for (int y = std::max(rows.first, band.top), last = std::min(rows.last, band.bottom); y < last; ++y)
      for (const ColumnSpan& s : band.spans) sink(y, s.x0, s.x1);
  }
}

// ---------------------------------------------------------------- combining

Region Region::Combined(const Region& other, RegionOp op) const {
  if (op == RegionOp::Copy) return other;
  std::vector<int> ys;
  ys.reserve(2 * (bands_.size() + other.bands_.size()));
  for (const Region* r : {this, &other})
    for (const Band& band : r->bands_) ys.insert(ys.end(), {band.top, band.bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  RegionBuilder out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const int y = ys[i];
    while (ia < bands_.size() && bands_[ia].bottom <= y) ++ia;
    while (ib < other.bands_.size() && other.bands_[ib].bottom <= y) ++ib;
    std::span<const ColumnSpan> a, b;
    if (ia < bands_.size() && bands_[ia].top <= y) a = bands_[ia].spans;
    if (ib < other.bands_.size() && other.bands_[ib].top <= y) b = other.bands_[ib].spans;
    WorkBudget::Spend(2 * work::kPoint + work::kSpan * static_cast<std::int64_t>(a.size() + b.size()));
    out.AddBand(y, ys[i + 1], CombinedSpans(a, b, op));
  }
  return out.Finish();
}

Region Region::Offset(int dx, int dy) const {
  Region r = *this;
  for (Band& band : r.bands_) {
    band.top = Limited(std::int64_t{band.top} + dy);
    band.bottom = Limited(std::int64_t{band.bottom} + dy);
    for (ColumnSpan& s : band.spans) {
      s.x0 = Limited(std::int64_t{s.x0} + dx);
      s.x1 = Limited(std::int64_t{s.x1} + dx);
    }
  }
  return r;
}

Region Region::Shrunk(int dx, int dy) const {
  RegionBuilder narrowed;
  for (const Band& band : bands_) {
    std::vector<ColumnSpan> spans;
    for (const ColumnSpan& s : band.spans)
      if (std::int64_t{s.x1} - s.x0 > 2 * std::int64_t{dx}) spans.push_back(ColumnSpan{s.x0 + dx, s.x1 - dx});
    narrowed.AddBand(band.top, band.bottom, std::move(spans));
  }
  Region r = narrowed.Finish();
  // Rows y .. y + length - 1 all inside, doubling the length each step.
  const std::int64_t target = 2 * std::int64_t{std::max(dy, 0)} + 1;
  const TRect bounds = r.Bounds();
  if (target > bounds.Height64()) return target == 1 ? r : Region();
  std::int64_t length = 1;
  while (length < target) {
    const std::int64_t step = std::min(length, target - length);
    r = r.Combined(r.Offset(0, -static_cast<int>(step)), RegionOp::And);
    length += step;
  }
  return r.Offset(0, std::max(dy, 0));
}

}  // namespace kestrova
