// Glyph outlines as path figures: each contour a closed figure at the pen,
// y turned downwards, its quadratic and cubic pieces traced within a
// quarter pixel of the curves reckoned here.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "rendering/GlyphOutline.h"

using namespace kestrova;

namespace {

// An outline of 26.6 points with their FreeType tags, ending each contour
// at the given point numbers.
struct OutlineData {
  std::vector<FT_Vector> points;
  std::vector<char> tags;
  std::vector<short> ends;

  FT_Outline Get() {
    FT_Outline o{};
    o.n_points = static_cast<short>(points.size());
    o.n_contours = static_cast<short>(ends.size());
    o.points = points.data();
    o.tags = tags.data();
    o.contours = ends.data();
    return o;
  }
};

constexpr char kOn = FT_CURVE_TAG_ON, kConic = FT_CURVE_TAG_CONIC, kCubic = FT_CURVE_TAG_CUBIC;

// Distance from p to the nearest of many points of the curve.
double DistanceToCurve(TPointF p, const std::function<TPointF(double)>& curve) {
  double best = 1e9;
  for (int i = 0; i <= 4000; ++i) {
    const TPointF q = curve(i / 4000.0);
    best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
  }
  return best;
}

}  // namespace

// Pen at (100, 50): a point (x, y) of the outline lands on (100 + x/64, 50 - y/64).
const TPointF kPen{100, 50};

TEST(GlyphOutline, EachContourIsAClosedFigureAtThePen) {
  OutlineData data{{{0, 0}, {640, 0}, {640, 640}, {64, 128}, {128, 128}, {128, 192}}, std::vector<char>(6, kOn), {2, 5}};
  const FT_Outline outline = data.Get();
  Path path;
  AppendGlyphOutline(path, outline, kPen);
  const std::vector<std::vector<TPointF>> want{{{100, 50}, {110, 50}, {110, 40}}, {{101, 48}, {102, 48}, {102, 47}}};
  ASSERT_EQ(path.Figures().size(), want.size());
  for (std::size_t f = 0; f < want.size(); ++f) {
    EXPECT_TRUE(path.Figures()[f].closed);
    ASSERT_EQ(path.Figures()[f].points.size(), want[f].size());
    for (std::size_t i = 0; i < want[f].size(); ++i) {
      EXPECT_EQ(path.Figures()[f].points[i].x, want[f][i].x);
      EXPECT_EQ(path.Figures()[f].points[i].y, want[f][i].y);
    }
  }
}

TEST(GlyphOutline, CurvesAreTracedWithinAQuarterPixel) {
  // From (0, 0) to (20, 0) pixels, bulging 10 or 15 pixels upwards.
  const struct {
    const char* name;
    OutlineData outline;
    std::function<TPointF(double)> curve;
  } cases[] = {
      {"quadratic",
       {{{0, 0}, {640, 1280}, {1280, 0}}, {kOn, kConic, kOn}, {2}},
       [](double t) { return TPointF{100 + 20 * t, 50 - 40 * t * (1 - t)}; }},
      {"cubic",
       {{{0, 0}, {0, 1280}, {1280, 1280}, {1280, 0}}, {kOn, kCubic, kCubic, kOn}, {3}},
       [](double t) { return TPointF{100 + 60 * t * t - 40 * t * t * t, 50 - 60 * t * (1 - t)}; }},
  };
  for (auto c : cases) {
    const FT_Outline outline = c.outline.Get();
    Path path;
    AppendGlyphOutline(path, outline, kPen);
    ASSERT_EQ(path.Figures().size(), 1u) << c.name;
    EXPECT_TRUE(path.Figures()[0].closed) << c.name;
    const std::vector<TPointF>& points = path.Figures()[0].points;
    EXPECT_NEAR(points.back().x, 120, 1e-9) << c.name;
    EXPECT_NEAR(points.back().y, 50, 1e-9) << c.name;
    // The points and the middles of the lines between them.
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPointF& p = points[i];
      const TPointF& q = points[i ? i - 1 : 0];
      EXPECT_LT(DistanceToCurve(p, c.curve), 0.26) << c.name;
      EXPECT_LT(DistanceToCurve(TPointF{(p.x + q.x) / 2, (p.y + q.y) / 2}, c.curve), 0.26) << c.name;
    }
  }
}
