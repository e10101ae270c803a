#include "rendering/DashPattern.h"

#include <algorithm>
#include <cmath>

#include "rendering/WorkBudget.h"

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

bool DashesDrawnSolid(const std::vector<double>& lengths, PenEndCap cap, double width) {
  double period = 0, widestGap = 0;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    period += lengths[i];
    if (i % 2 != 0) widestGap = std::max(widestGap, lengths[i]);
  }
  if (period < 1) return true;
  // Square ends reach half the width past a dash, round ones leave notches
  // about gap^2 / (4 width) deep.
  switch (cap) {
    case PenEndCap::pcSquare: return widestGap <= width / 2;
    case PenEndCap::pcRound: return widestGap * widestGap <= width / 8;
    case PenEndCap::pcFlat: break;
  }
  return false;
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

// A dash piece handed on costs what making and filling a small outline of
// its own does, some hundreds of nanoseconds.
constexpr std::int64_t kPieceWork = 8 * work::kPoint;

struct Stretch {
  double from, to;
};

// The stretches [from, to] of the segment from a along the unit vector u,
// `length` long, where its dash pieces can show (see DashView), in order and
// apart; the walk stands at a.
std::vector<Stretch> ShowingStretches(TPointF a, TPointF u, double length, const DashView& view, const DashWalk& walk,
                                      bool cornerAtStart, bool cornerAtEnd) {
  double t0 = 0, t1 = 0;
  if (!ClipToArea(a, TPointF{a.x + u.x * length, a.y + u.y * length}, view.area, t0, t1)) return {};
  // The picture's extent along the segment, a pixel to spare.
  double lo = INFINITY, hi = -INFINITY;
  const DashArea& p = view.picture;
  for (const TPointF c :
       {TPointF{p.left, p.top}, TPointF{p.right, p.top}, TPointF{p.left, p.bottom}, TPointF{p.right, p.bottom}}) {
    const double along = (c.x - a.x) * u.x + (c.y - a.y) * u.y;
    lo = std::min(lo, along);
    hi = std::max(hi, along);
  }
  std::vector<Stretch> parts{{lo - view.endReach - 1, hi + view.endReach + 1}};
  // The dashes holding the corners at either end, with their joins.
  if (cornerAtStart && walk.OnDash()) parts.push_back({0, walk.LeftInPart()});
  if (cornerAtEnd) {
    DashWalk atEnd = walk;
    atEnd.Advance(length);
    if (atEnd.OnDash()) parts.push_back({length - atEnd.DoneInPart(), length});
  }
  std::sort(parts.begin(), parts.end(), [](const Stretch& x, const Stretch& y) { return x.from < y.from; });
  std::vector<Stretch> out;
  for (Stretch s : parts) {
    s.from = std::max(s.from, t0 * length);
    s.to = std::min(s.to, t1 * length);
    if (!(s.from < s.to)) continue;
    if (!out.empty() && s.from <= out.back().to)
      out.back().to = std::max(out.back().to, s.to);
    else
      out.push_back(s);
  }
  return out;
}

}  // namespace

void ForEachDashPiece(const std::vector<TPointF>& path, DashWalk& walk, const DashView& view,
                      const std::function<void(std::vector<TPointF>&& piece)>& piece) {
  std::vector<TPointF> open;
  auto close = [&] {
    if (!open.empty()) {
      WorkBudget::Spend(kPieceWork);
      piece(std::move(open));
    }
    open.clear();
  };
  for (std::size_t i = 1; i < path.size(); ++i) {
    const TPointF a = path[i - 1], b = path[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!(length > 0)) {
      close();
      walk.Advance(length);
      continue;
    }
    const TPointF u{(b.x - a.x) / length, (b.y - a.y) / length};
    const auto at = [&](double d) { return TPointF{a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length}; };
    double done = 0;
    for (const Stretch& s : ShowingStretches(a, u, length, view, walk, i > 1, i + 1 < path.size())) {
      if (s.from > done) {
        close();
        walk.Advance(s.from - done);
        done = s.from;
      }
      while (done < s.to) {
        WorkBudget::Spend(work::kPoint);
        const double step = std::min(walk.LeftInPart(), s.to - done);
        if (walk.OnDash()) {
          if (open.empty()) open.push_back(at(done));
          open.push_back(at(done + step));
        }
        done += step;
        const bool wasDash = walk.OnDash();
        walk.Advance(step);
        if (wasDash && !walk.OnDash()) close();
      }
    }
    if (done < length) {
      close();
      walk.Advance(length - done);
    }
  }
  close();
}

std::vector<std::vector<TPointF>> DashPieces(const std::vector<TPointF>& path, DashWalk& walk, const DashArea& area) {
  std::vector<std::vector<TPointF>> pieces;
  ForEachDashPiece(path, walk, DashView{area, area, 0},
                   [&](std::vector<TPointF>&& piece) { pieces.push_back(std::move(piece)); });
  return pieces;
}

}  // namespace kestrova
