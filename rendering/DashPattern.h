#pragma once
// The dashes of a styled pen: dash and gap lengths in turn, and the walk
// along them. A one-pixel pen counts its lengths in pixel steps; a geometric
// (or wider) pen in pen widths, measured along its centre line.

#include <vector>

#include "rendering/DrawingTools.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

// Dash and gap lengths in pixels, a dash first; empty for a solid pen.
std::vector<double> DashLengths(const TPen& pen);

// A position along a dash pattern that moves on as the line is drawn, so that
// the dashes of a polyline continue from one segment to the next.
class DashWalk {
 public:
  explicit DashWalk(std::vector<double> lengths);

  // True while the position lies on a dash.
  bool OnDash() const { return index_ % 2 == 0; }
  // Length left of the current dash or gap.
  double LeftInPart() const { return left_; }
  void Advance(double distance);

 private:
  std::vector<double> lengths_;
  double total_ = 0;
  std::size_t index_ = 0;
  double left_ = 0;
};

// A rectangle in continuous coordinates.
struct DashArea {
  double left, top, right, bottom;
};

// The pieces of the path that lie on dashes, each an open polyline; the walk
// carries on from where it stood. Only the parts of the path inside `area`
// give pieces (cut where they leave it): the rest is walked past at no cost
// per dash, so a huge figure costs what its visible part holds.
std::vector<std::vector<TPointF>> DashPieces(const std::vector<TPointF>& path, DashWalk& walk, const DashArea& area);

}  // namespace kestrova
