#include "rendering/ArcGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace kestrova;

namespace {

// True when the points all lie left of x = 0, all right of x = 100, all
// above y = 0 or all below y = 100.
bool AllOnOneSideOutside(const std::vector<TPointF>& points) {
  const auto all = [&](auto side) { return std::all_of(points.begin(), points.end(), side); };
  return all([](TPointF p) { return p.x < 0; }) || all([](TPointF p) { return p.x > 100; }) ||
         all([](TPointF p) { return p.y < 0; }) || all([](TPointF p) { return p.y > 100; });
}

}  // namespace

TEST(ArcGeometry, ArcsWithinReachKeepTheirPointsAndStretchesBeyondItBecomeChords) {
  // Arcs a pixel a step, seen from the area (0, 0)-(100, 100): whole
  // ellipses, and one of 40 degrees whose ends lie left of the area while
  // its middle reaches into it.
  const TRect reach{0, 0, 100, 100};
  const TPointF whole{1, 0};
  const struct {
    const char* name;
    TPointF centre;
    double a, b;
    TPointF from, to;  // the directions of the start and end rays
    AffineTransform toCanvas;
    std::size_t most;  // points kept at most
  } cases[] = {
      {"inside", {50, 50}, 40, 30, whole, whole, {}, 1000},
      {"round it, far away", {50, 50}, 3e4, 2e4, whole, whole, {}, 40},
      {"across it", {0, 50}, 5000, 40, whole, whole, {}, 800},
      {"turned and stretched across it", {0, 0}, 5000, 30, whole, whole, {0.6, 1.6, -0.8, 1.2, 50, 50}, 1500},
      {"bulging into it", {-10000, 50}, 10050, 10050, {0.94, 0.342}, {0.94, -0.342}, {}, 600},
  };
  for (const auto& k : cases) {
    const ArcSweep sweep(k.centre, {k.centre.x + k.from.x, k.centre.y + k.from.y},
                         {k.centre.x + k.to.x, k.centre.y + k.to.y});
    const ArcSteps steps = ArcStepsOf(k.a, k.b, sweep, 1.0);
    std::vector<TPointF> all;
    for (const TPointF& p : ArcPoints(k.centre, k.a, k.b, sweep, 1.0)) all.push_back(k.toCanvas.Apply(p));
    const std::vector<TPointF> kept = ArcPointsWithin(k.centre, k.a, k.b, steps, k.toCanvas, reach);
    EXPECT_LE(kept.size(), k.most) << k.name;
    // The points kept are the arc's own, in order, its ends among them; the
    // points left out between two kept ones lie with both beyond one side.
    const auto same = [](TPointF p, TPointF q) { return p.x == q.x && p.y == q.y; };
    std::size_t at = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
      std::vector<TPointF> chord{all[at]};
      while (at + 1 < all.size() && !same(all[at], kept[i])) chord.push_back(all[++at]);
      ASSERT_TRUE(same(all[at], kept[i])) << k.name << ": point " << i << " is not the arc's";
      if (chord.size() > 2) EXPECT_TRUE(AllOnOneSideOutside(chord)) << k.name << ": before point " << i;
      if (i == 0) EXPECT_EQ(at, 0u) << k.name;
    }
    EXPECT_EQ(at, all.size() - 1) << k.name;
  }
}
