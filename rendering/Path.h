#pragma once
// A path: figures of lines (curves already flattened), each open or closed,
// in the coordinates of the canvas it will be drawn on. Filling a path
// closes every figure; stroking it closes only the closed ones.

#include <cstddef>
#include <optional>
#include <vector>

#include "rendering/FillRule.h"
#include "rendering/Geometry.h"
#include "rendering/RasterTypes.h"
#include "rendering/Region.h"

namespace kestrova {

class Path {
 public:
  Path() = default;
  // A path whose drawing only matters within `reach`: a curve whose control
  // points all lie outside it on one side is taken as the line between its
  // ends (what is filled or stroked within reach stays the same), and past
  // kMaxCurvePoints flattened points (of curves and of figures flattened
  // before they are added) every further curve is too and every further
  // flattened figure is left out, so that a path costs what the picture can
  // show, not what its records claim.
  explicit Path(const TRect& reach) : reach_(reach) {}
  static constexpr std::size_t kMaxCurvePoints = std::size_t{1} << 20;

  struct Figure {
    std::vector<TPointF> points;
    bool closed = false;
  };

  // Starts a new figure at p.
  void MoveTo(TPointF p);
  // A line from the current point; after a closed figure, or with no figure
  // yet, a new figure starts at the current point.
  void LineTo(TPointF p);
  // A cubic curve from the current point.
  void BezierTo(TPointF c1, TPointF c2, TPointF end);
  // Closes the figure being drawn; what follows starts a new one.
  void CloseFigure();
  // A whole figure of its own (a polygon, an ellipse...); the current point
  // moves to its last point.
  void AddFigure(std::vector<TPointF> points, bool closed);
  // The same for a figure flattened from curves (an ellipse, a rounded
  // rectangle...), and lines from the current point along a flattened curve
  // (an arc): counted with the flattened points, and left out, giving false,
  // past their bound.
  bool AddFlattenedFigure(std::vector<TPointF> points, bool closed);
  bool AddFlattenedLines(const std::vector<TPointF>& points);
  // False once the flattened points have reached their bound.
  bool TakesFlattened() const { return curvePoints_ < kMaxCurvePoints; }

  const std::vector<Figure>& Figures() const { return figures_; }
  bool IsEmpty() const { return figures_.empty(); }
  TPointF CurrentPoint() const { return current_; }
  // Every figure as a closed outline, for filling.
  std::vector<std::vector<TPointF>> Outlines() const;
  // The pixels of the rows that the path fills by the rule, within its reach
  // when it has one.
  Region Filled(FillRule rule, RowRange rows) const;

 private:
  // The figure lines are added to, started at the current point when needed.
  Figure& OpenFigure();
  // Counts `count` more flattened points; false past the bound, which is
  // then reached.
  bool TakeFlattened(std::size_t count);

  std::vector<Figure> figures_;
  std::optional<TRect> reach_;
  std::size_t curvePoints_ = 0;
  TPointF current_;
  bool drawing_ = false;  // the last figure takes more lines
};

}  // namespace kestrova
