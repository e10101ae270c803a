#include "rendering/DashPattern.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// The styles' lengths in units: pixels for one-pixel pens, widths for wide ones.
std::vector<double> StyleUnits(PenStyle style, bool wide) {
  switch (style) {
    case PenStyle::psDash: return wide ? std::vector<double>{3, 1} : std::vector<double>{18, 6};
    case PenStyle::psDot: return wide ? std::vector<double>{1, 1} : std::vector<double>{3, 3};
    case PenStyle::psDashDot: return wide ? std::vector<double>{3, 1, 1, 1} : std::vector<double>{9, 6, 3, 6};
    case PenStyle::psDashDotDot:
      return wide ? std::vector<double>{3, 1, 1, 1, 1, 1} : std::vector<double>{9, 3, 3, 3, 3, 3};
    case PenStyle::psAlternate: return {1, 1};
    default: return {};
  }
}

}  // namespace

std::vector<double> DashLengths(const TPen& pen) {
  const bool wide = pen.geometric || pen.width > 1;
  std::vector<double> lengths = pen.style == PenStyle::psUserStyle ? pen.dashes : StyleUnits(pen.style, wide);
  if (wide && pen.style != PenStyle::psUserStyle)
    for (double& l : lengths) l *= std::max(1, pen.width);
  for (double& l : lengths) l = std::max(0.0, l);
  // A pattern of odd length repeats with dashes and gaps swapped.
  if (lengths.size() % 2 != 0) lengths.insert(lengths.end(), lengths.begin(), lengths.end());
  double total = 0;
  for (double l : lengths) total += l;
  if (!(total > 0) || !std::isfinite(total)) return {};
  return lengths;
}

DashWalk::DashWalk(std::vector<double> lengths) : lengths_(std::move(lengths)) {
  for (double l : lengths_) total_ += l;
  if (!lengths_.empty()) left_ = lengths_[0];
}

void DashWalk::Advance(double distance) {
  if (lengths_.empty() || !(total_ > 0)) return;
  if (distance > total_) distance = std::fmod(distance, total_);
  while (distance > 0 || left_ <= 0) {
    if (distance < left_) {
      left_ -= distance;
      return;
    }
    distance -= left_;
    index_ = (index_ + 1) % lengths_.size();
    left_ = lengths_[index_];
  }
}

namespace {

// The part [t0, t1] of the segment a + t (b - a), 0 <= t <= 1, inside the
// area; false when none.
bool ClipToArea(TPointF a, TPointF b, const DashArea& area, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double d[] = {b.x - a.x, a.x - b.x, b.y - a.y, a.y - b.y};
  const double room[] = {area.right - a.x, a.x - area.left, area.bottom - a.y, a.y - area.top};
  for (int i = 0; i < 4; ++i) {
    if (d[i] == 0) {
      if (room[i] < 0) return false;
      continue;
    }
    const double t = room[i] / d[i];
    if (d[i] > 0)
      t1 = std::min(t1, t);
    else
      t0 = std::max(t0, t);
  }
  return t0 <= t1;
}

}  // namespace

std::vector<std::vector<TPointF>> DashPieces(const std::vector<TPointF>& path, DashWalk& walk, const DashArea& area) {
  std::vector<std::vector<TPointF>> pieces;
  std::vector<TPointF> piece;
  auto close = [&] {
    if (!piece.empty()) pieces.push_back(std::move(piece));
    piece.clear();
  };
  for (std::size_t i = 1; i < path.size(); ++i) {
    const TPointF a = path[i - 1], b = path[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double t0 = 0, t1 = 0;
    if (!(length > 0) || !ClipToArea(a, b, area, t0, t1)) {
      close();
      walk.Advance(length);
      continue;
    }
    const double begin = t0 * length, end = t1 * length;
    if (begin > 0) {
      close();
      walk.Advance(begin);
    }
    const auto at = [&](double d) { return TPointF{a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length}; };
    double done = begin;
    while (done < end) {
      const double step = std::min(walk.LeftInPart(), end - done);
      if (walk.OnDash()) {
        if (piece.empty()) piece.push_back(at(done));
        piece.push_back(at(done + step));
      }
      done += step;
      const bool wasDash = walk.OnDash();
      walk.Advance(step);
      if (wasDash && !walk.OnDash()) close();
    }
    if (end < length) {
      close();
      walk.Advance(length - end);
    }
  }
  close();
  return pieces;
}

}  // namespace kestrova
