#pragma once
// The dashes of a styled pen: dash and gap lengths in turn, and the walk
// along them. A one-pixel pen counts its lengths in pixel steps; a geometric
// (or wider) pen in pen widths, measured along its centre line.

#include <functional>
#include <vector>

#include "rendering/DrawingTools.h"
#include "rendering/RasterTypes.h"

namespace kestrova {

// Dash and gap lengths in pixels, a dash first; empty for a solid pen.
std::vector<double> DashLengths(const TPen& pen);

// True when a pen `width` pixels wide with these ends draws the dashes as a
// solid line: their whole pattern is shorter than a pixel, so no pixel can
// show it, or the ends close every gap (square ends as long as the gap,
// round ends so wide that the notches they leave stay within 1/32 of a pixel
// of the line's edge).
bool DashesDrawnSolid(const std::vector<double>& lengths, PenEndCap cap, double width);

// A position along a dash pattern that moves on as the line is drawn, so that
// the dashes of a polyline continue from one segment to the next.
class DashWalk {
 public:
  explicit DashWalk(std::vector<double> lengths);

  // True while the position lies on a dash.
  bool OnDash() const { return index_ % 2 == 0; }
  // Length left of the current dash or gap, and the length of it walked.
  double LeftInPart() const { return left_; }
  double DoneInPart() const { return lengths_.empty() ? 0 : lengths_[index_] - left_; }
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

// Where a dash piece can show: a centre line outside `area` (the picture
// grown by how far the pen reaches) cannot. Within it, a piece shows only
// where its extent along its segment, grown at both ends by `endReach` (how
// far the pen's ends reach past a piece's ends), overlaps that of `picture`,
// or where it holds a corner of the path (whose join reaches as far as the
// pen does).
struct DashView {
  DashArea area;
  DashArea picture;
  double endReach = 0;
};

// Hands each piece of the path that lies on a dash and can show to `piece`,
// an open polyline; the walk carries on from where it stood. What cannot
// show is walked past at no cost per dash, so a huge figure costs what the
// picture holds of it.
void ForEachDashPiece(const std::vector<TPointF>& path, DashWalk& walk, const DashView& view,
                      const std::function<void(std::vector<TPointF>&& piece)>& piece);

// The pieces of the path inside `area` (cut where they leave it), gathered.
std::vector<std::vector<TPointF>> DashPieces(const std::vector<TPointF>& path, DashWalk& walk, const DashArea& area);

}  // namespace kestrova
