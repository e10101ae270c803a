#pragma once
// A region of pixels of any shape, right and bottom edges excluded: rows
// grouped into bands of equal rows, each band a sorted list of disjoint spans
// of columns. Its cost follows how many bands and spans it has, never its
// area, so a rectangle as large as any picture is one band of one span.
// Regions combine by union, intersection, difference and exclusive or.

#include <cstddef>
#include <span>
#include <vector>

#include "rendering/FillRule.h"
#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"
#include "rendering/Shape.h"

namespace kestrova {

// Columns [x0, x1) of one row.
struct ColumnSpan {
  int x0 = 0;
  int x1 = 0;
  friend bool operator==(const ColumnSpan&, const ColumnSpan&) = default;
};

// How two regions combine: the pixels in both, in either, in exactly one, in
// the first but not the second, or those of the second alone.
enum class RegionOp { And, Or, Xor, Diff, Copy };

class Region {
 public:
  // The empty region.
  Region() = default;
  static Region FromRect(const TRect& r);
  static Region FromShape(const Shape& shape);
  // The pixels of rows [rows.first, rows.last) that the polygons fill by the rule.
  static Region FromPolygons(const std::vector<std::vector<TPointF>>& polygons, FillRule rule, RowRange rows);
  // The same within the rectangle: spans reaching beyond it are cut at its sides.
  static Region FromPolygons(const std::vector<std::vector<TPointF>>& polygons, FillRule rule, const TRect& within);

  bool IsEmpty() const { return bands_.empty(); }
  // The smallest rectangle holding the region (empty for the empty region).
  TRect Bounds() const;
  // The spans of row y, left to right (none outside the region's rows).
  std::span<const ColumnSpan> Row(int y) const;
  bool Contains(int x, int y) const;
  std::size_t BandCount() const { return bands_.size(); }

  Region Combined(const Region& other, RegionOp op) const;
  Region Offset(int dx, int dy) const;
  // The pixels whose neighbours up to dx columns left and right and dy rows
  // up and down all lie in the region.
  Region Shrunk(int dx, int dy) const;

  // Calls sink(y, x0, x1) for every span of rows [rows.first, rows.last).
  void Spans(RowRange rows, const SpanSink& sink) const;
  // Calls visit(top, bottom, spans) for every band, top to bottom.
  template <typename Visit>
  void ForEachBand(Visit&& visit) const {
    for (const Band& band : bands_) visit(band.top, band.bottom, std::span<const ColumnSpan>(band.spans));
  }

  friend bool operator==(const Region&, const Region&) = default;

 private:
  friend class RegionBuilder;
  struct Band {
    int top = 0, bottom = 0;
    std::vector<ColumnSpan> spans;
    friend bool operator==(const Band&, const Band&) = default;
  };
  // The band holding row y, or null.
  const Band* BandAt(int y) const;

  std::vector<Band> bands_;
};

// Builds a region from spans given row by row, top to bottom; the spans of a
// row may come in any order and overlap.
class RegionBuilder {
 public:
  void Add(int y, int x0, int x1);
  // Rows [top, bottom) all holding the given sorted, disjoint spans.
  void AddBand(int top, int bottom, std::vector<ColumnSpan> spans);
  Region Finish();

 private:
  void FlushRow();

  Region region_;
  int rowY_ = 0;
  bool rowOpen_ = false;
  std::vector<ColumnSpan> row_;
};

}  // namespace kestrova
