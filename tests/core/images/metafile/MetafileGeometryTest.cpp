// Metafile geometry: curves, paths, fill rules, clipping, transforms and
// mapping modes in files written by libUEMF, each picture compared with the
// same shapes drawn directly on the canvas from an independent reckoning.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <numbers>

#include "core/images/metafile/Metafile.h"
#include "rendering/Canvas.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/core/images/metafile/UemfWriter.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 96;

std::vector<U_POINT16> Points16(const std::vector<TPoint>& p) {
  std::vector<U_POINT16> out;
  for (const TPoint& q : p) out.push_back(point16_set(static_cast<std::int16_t>(q.x), static_cast<std::int16_t>(q.y)));
  return out;
}

std::vector<U_POINTL> Points32(const std::vector<TPoint>& p) {
  std::vector<U_POINTL> out;
  for (const TPoint& q : p) out.push_back(point32_set(q.x, q.y));
  return out;
}

const U_RECTL kNoBounds = Box(0, 0, kSize, kSize);

// A PolyDraw record written here: libUEMF's own writes past the end of its buffer.
char* PolyDrawRecord(const std::vector<TPoint>& points, const std::vector<std::uint8_t>& kinds) {
  const std::size_t n = points.size(), size = (28 + 9 * n + 3) / 4 * 4;
  auto* r = static_cast<std::uint8_t*>(std::calloc(size, 1));
  const auto put = [&](std::size_t at, std::uint32_t v) { std::memcpy(r + at, &v, 4); };
  put(0, 56);
  put(4, static_cast<std::uint32_t>(size));
  put(24, static_cast<std::uint32_t>(n));
  for (std::size_t i = 0; i < n; ++i) {
    put(28 + 8 * i, static_cast<std::uint32_t>(points[i].x));
    put(32 + 8 * i, static_cast<std::uint32_t>(points[i].y));
  }
  std::memcpy(r + 28 + 8 * n, kinds.data(), n);
  return reinterpret_cast<char*>(r);
}
const std::vector<TPoint> kCurve{{10, 80}, {20, 0}, {70, 100}, {86, 20}};
const std::vector<TPoint> kTwoCurves{{8, 48}, {20, 8}, {40, 8}, {48, 48}, {56, 88}, {76, 88}, {88, 48}};

// A five-pointed star drawn in one stroke: its centre is wound round twice.
const std::vector<TPoint> kStar{{48, 4}, {74, 86}, {6, 34}, {90, 34}, {22, 86}};

}  // namespace

TEST(MetafileCurves, CurvesAndPathsMatchTheShapesDrawnDirectly) {
  const std::vector<TPoint> curve = CurvePoints(kCurve), twoCurves = CurvePoints(kTwoCurves);
  const auto stroke = [](const std::vector<TPoint>& line) {
    return [line](TCanvas& c) { c.Polyline(line); };
  };
  const auto fill = [](const std::vector<TPoint>& outline, TColor color) {
    return [outline, color](TCanvas& c) {
      c.Pen.style = PenStyle::psClear;
      c.Brush.color = color;
      c.Polygon(outline);
    };
  };
  std::vector<TPoint> closedCurve = twoCurves;
  closedCurve.push_back(twoCurves.front());
  const struct {
    const char* name;
    std::function<void(UemfWriter&)> records;
    std::function<void(TCanvas&)> reference;
    int reach = 1;  // an outline over a fill may shift where they meet by one more pixel
  } cases[] = {
      {"a curve of 16-bit points",
       [&](UemfWriter& w) {
         const auto p = Points16(kCurve);
         w.Add(U_EMRPOLYBEZIER16_set(kNoBounds, p.size(), p.data()));
       },
       stroke(curve)},
      {"two curves of 32-bit points from the current position",
       [&](UemfWriter& w) {
         const auto p = Points32({kTwoCurves.begin() + 1, kTwoCurves.end()});
         w.Add(U_EMRMOVETOEX_set(point32_set(8, 48))).Add(U_EMRPOLYBEZIERTO_set(kNoBounds, p.size(), p.data()));
       },
       stroke(twoCurves)},
      {"a path of curves filled",
       [&](UemfWriter& w) {
         const auto p = Points16({kTwoCurves.begin() + 1, kTwoCurves.end()});
         w.NullPen().Brush(Rgb(255, 0, 0)).Add(U_EMRBEGINPATH_set()).Add(U_EMRMOVETOEX_set(point32_set(8, 48)));
         w.Add(U_EMRPOLYBEZIERTO16_set(kNoBounds, p.size(), p.data())).Add(U_EMRCLOSEFIGURE_set());
         w.Add(U_EMRENDPATH_set()).Add(U_EMRFILLPATH_set(kNoBounds));
       },
       fill(twoCurves, clRed)},
      {"a path stroked and filled",
       [&](UemfWriter& w) {
         const auto p = Points32({kTwoCurves.begin() + 1, kTwoCurves.end()});
         w.Brush(Rgb(255, 0, 0)).Add(U_EMRBEGINPATH_set()).Add(U_EMRMOVETOEX_set(point32_set(8, 48)));
         w.Add(U_EMRPOLYBEZIERTO_set(kNoBounds, p.size(), p.data())).Add(U_EMRCLOSEFIGURE_set());
         w.Add(U_EMRENDPATH_set()).Add(U_EMRSTROKEANDFILLPATH_set(kNoBounds));
       },
       [&](TCanvas& c) {
         fill(twoCurves, clRed)(c);
         c.Pen.style = PenStyle::psSolid;
         c.Polyline(closedCurve);
       },
       2},
      {"points of each kind drawn",
       [&](UemfWriter& w) {
         w.Add(PolyDrawRecord({{10, 10}, {40, 10}, {40, 40}, {50, 50}, {50, 90}, {90, 90}, {90, 50}, {90, 20}},
                              {U_PT_MOVETO, U_PT_LINETO, U_PT_LINETO | U_PT_CLOSEFIGURE, U_PT_MOVETO, U_PT_BEZIERTO,
                               U_PT_BEZIERTO, U_PT_BEZIERTO, U_PT_LINETO}));
       },
       [&](TCanvas& c) {
         c.Polyline(std::vector<TPoint>{{10, 10}, {40, 10}, {40, 40}, {10, 10}});
         std::vector<TPoint> line = CurvePoints({{50, 50}, {50, 90}, {90, 90}, {90, 50}});
         line.push_back({90, 20});
         c.Polyline(line);
       }},
      {"a path begun and then abandoned draws nothing",
       [&](UemfWriter& w) {
         w.Add(U_EMRBEGINPATH_set()).Add(U_EMRRECTANGLE_set(Box(10, 10, 80, 80))).Add(U_EMRENDPATH_set());
         w.Add(U_EMRABORTPATH_set()).Add(U_EMRFILLPATH_set(kNoBounds));
       },
       [](TCanvas&) {}},
      {"a star filled by the winding rule",
       [&](UemfWriter& w) {
         const auto p = Points16(kStar);
         w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRSETPOLYFILLMODE_set(U_WINDING));
         w.Add(U_EMRPOLYGON16_set(kNoBounds, p.size(), p.data()));
       },
       [&](TCanvas& c) {
         const Bitmap b = Mask(kSize, kSize, [&](int x, int y) { return WindingNumber(kStar, x + 0.5, y + 0.5) != 0; });
         c.Draw(0, 0, b);
       }},
      {"a star filled by the alternate rule",
       [&](UemfWriter& w) {
         const auto p = Points16(kStar);
         w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRSETPOLYFILLMODE_set(U_WINDING));
         w.Add(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE)).Add(U_EMRPOLYGON16_set(kNoBounds, p.size(), p.data()));
       },
       [&](TCanvas& c) {
         const Bitmap b = Mask(kSize, kSize, [&](int x, int y) { return WindingNumber(kStar, x + 0.5, y + 0.5) % 2 != 0; });
         c.Draw(0, 0, b);
       }},
      {"a widened line filled covers what the pen strokes",
       [&](UemfWriter& w) {
         w.Pen(Rgb(0, 0, 0), 7).Brush(Rgb(0, 0, 0)).Add(U_EMRBEGINPATH_set());
         w.Add(U_EMRMOVETOEX_set(point32_set(15, 20))).Add(U_EMRLINETO_set(point32_set(80, 70)));
         w.Add(U_EMRENDPATH_set()).Add(U_EMRWIDENPATH_set()).NullPen().Add(U_EMRFILLPATH_set(kNoBounds));
       },
       [](TCanvas& c) {
         c.Pen.width = 7;
         c.MoveTo(15, 20);
         c.LineTo(80, 70);
       }},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    c.records(w);
    const Played played = Play(w.Finish());
    const Bitmap expected = Direct(kSize, kSize, c.reference);
    EXPECT_EQ(StrayPixels(played.picture, expected, c.reach), 0) << c.name;
    EXPECT_EQ(played.notDrawn, 0u) << c.name;
  }
}

TEST(MetafileCurves, ArcsFollowTheArcDirection) {
  // Counter-clockwise from the east ray to the north ray is the upper right
  // quarter; clockwise it is the other three.
  const TRect box{16, 16, 80, 80};
  for (const int direction : {U_AD_COUNTERCLOCKWISE, U_AD_CLOCKWISE}) {
    UemfWriter w(kSize, kSize);
    w.Add(U_EMRSETARCDIRECTION_set(direction));
    w.Add(U_EMRARC_set(Box(16, 16, 80, 80), point32_set(90, 48), point32_set(48, 0)));
    const Played played = Play(w.Finish());
    const Bitmap expected = Direct(kSize, kSize, [&](TCanvas& c) {
      if (direction == U_AD_CLOCKWISE)
        c.Arc(box.left, box.top, box.right, box.bottom, 48, 0, 90, 48);
      else
        c.Arc(box.left, box.top, box.right, box.bottom, 90, 48, 48, 0);
    });
    EXPECT_EQ(played.picture, expected) << direction;
  }
}

TEST(MetafileCurves, AngleArcAndArcToDrawALineToTheArcThenTheArc) {
  UemfWriter w(kSize, kSize);
  w.Add(U_EMRMOVETOEX_set(point32_set(4, 90)));
  w.Add(U_EMRANGLEARC_set(point32_set(48, 48), 30, 0.0f, 90.0f));  // from (78, 48) up to (48, 18)
  w.Add(U_EMRLINETO_set(point32_set(4, 4)));
  const Played played = Play(w.Finish());
  std::vector<TPoint> reference{{4, 90}};
  for (int i = 0; i <= 90; ++i) {
    const double t = i * std::numbers::pi / 180;
    reference.push_back(TPoint{int(std::lround(48 + 30 * std::cos(t))), int(std::lround(48 - 30 * std::sin(t)))});
  }
  reference.push_back({4, 4});
  EXPECT_EQ(StrayPixels(played.picture, Direct(kSize, kSize, [&](TCanvas& c) { c.Polyline(reference); })), 0);
}

TEST(MetafileTransforms, RotatedAndScaledWorldTransformsDrawTheTransformedShapes) {
  const double angle = 30 * std::numbers::pi / 180, cs = std::cos(angle), sn = std::sin(angle);
  // Rotated by 30 degrees about (48, 48): x' = 48 + (x - 48) cos - (y - 48) sin, ...
  const auto rotate = [&](double x, double y) {
    return TPoint{int(std::lround(48 + (x - 48) * cs - (y - 48) * sn)),
                  int(std::lround(48 + (x - 48) * sn + (y - 48) * cs))};
  };
  const U_XFORM rotation = xform_set(float(cs), float(sn), float(-sn), float(cs), float(48 - 48 * cs + 48 * sn),
                                     float(48 - 48 * sn - 48 * cs));
  {
    UemfWriter w(kSize, kSize);
    w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRSETWORLDTRANSFORM_set(rotation));
    w.Add(U_EMRRECTANGLE_set(Box(28, 38, 68, 58)));
    const Played played = Play(w.Finish());
    const Bitmap expected = Direct(kSize, kSize, [&](TCanvas& c) {
      c.Pen.style = PenStyle::psClear;
      c.Brush.color = clBlack;
      c.Polygon(std::vector<TPoint>{rotate(28, 38), rotate(68, 38), rotate(68, 58), rotate(28, 58)});
    });
    EXPECT_EQ(StrayPixels(played.picture, expected), 0) << "rotated rectangle";
    EXPECT_EQ(played.picture.GetPixel(29, 39), clWhite);  // an unrotated corner stays empty
  }
  {
    // Twice as large: the canvas's own ellipse in the doubled box.
    UemfWriter w(kSize, kSize);
    w.Pen(Rgb(0, 0, 0)).Brush(Rgb(255, 0, 0)).Add(U_EMRSETWORLDTRANSFORM_set(xform_set(2, 0, 0, 2, 0, 0)));
    w.Add(U_EMRELLIPSE_set(Box(5, 10, 40, 30)));
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.picture, Direct(kSize, kSize, [](TCanvas& c) {
                c.Brush.color = clRed;
                c.Ellipse(10, 20, 80, 60);
              }))
        << "scaled ellipse";
  }
}

TEST(MetafileTransforms, ModifyWorldTransformCombinesInEachMode) {
  // A 4 x 4 square at (10, 10); a scale by 2 and a move by (20, 0), combined
  // in each order, put it at independently reckoned places.
  const U_XFORM scale = xform_set(2, 0, 0, 2, 0, 0), move = xform_set(1, 0, 0, 1, 20, 0);
  const struct {
    const char* name;
    U_XFORM second;
    int mode;
    TRect expected;
  } cases[] = {
      {"move, then scale before it", scale, U_MWT_LEFTMULTIPLY, {40, 20, 48, 28}},   // (p * 2) + 20
      {"move, then scale after it", scale, U_MWT_RIGHTMULTIPLY, {60, 20, 68, 28}},   // (p + 20) * 2
      {"move, then set to the scale", scale, 4, {20, 20, 28, 28}},
      {"move, then reset", scale, U_MWT_IDENTITY, {10, 10, 14, 14}},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRSETWORLDTRANSFORM_set(move));
    w.Add(U_EMRMODIFYWORLDTRANSFORM_set(c.second, c.mode)).Add(U_EMRRECTANGLE_set(Box(10, 10, 14, 14)));
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.picture, Mask(kSize, kSize, [&](int x, int y) {
                return x >= c.expected.left && x < c.expected.right && y >= c.expected.top && y < c.expected.bottom;
              }))
        << c.name;
  }
}

TEST(MetafileTransforms, EveryMappingModeScalesItsUnits) {
  for (const MappingCase& c : kMappingCases) {
    UemfWriter w(kSize, kSize);
    w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRSETMAPMODE_set(c.mode));
    if (c.mode >= U_MM_LOMETRIC && c.mode <= U_MM_TWIPS) w.Add(U_EMRSETVIEWPORTORGEX_set(point32_set(8, 88)));
    if (c.mode >= U_MM_ISOTROPIC) {
      w.Add(U_EMRSETWINDOWEXTEX_set(sizel_set(100, 50))).Add(U_EMRSETVIEWPORTEXTEX_set(sizel_set(50, 100)));
      w.Add(U_EMRSETVIEWPORTORGEX_set(point32_set(4, c.mode == U_MM_ISOTROPIC ? 4 : 8)));
    }
    w.Add(U_EMRRECTANGLE_set(Box(0, 0, c.ux, c.uy)));
    EXPECT_EQ(Play(w.Finish()).picture, RectangleOnWhite(kSize, kSize, c.expected)) << c.name;
  }
}

TEST(MetafileTransforms, ScalingTheExtentsScalesTheMapping) {
  UemfWriter w(kSize, kSize);
  w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
  w.Add(U_EMRSETWINDOWEXTEX_set(sizel_set(100, 100))).Add(U_EMRSETVIEWPORTEXTEX_set(sizel_set(100, 100)));
  w.Add(U_EMRSCALEVIEWPORTEXTEX_set(3, 2, 1, 1)).Add(U_EMRSCALEWINDOWEXTEX_set(1, 1, 1, 2));  // x 1.5, y 2
  w.Add(U_EMRRECTANGLE_set(Box(10, 10, 30, 20)));
  EXPECT_EQ(Play(w.Finish()).picture, Mask(kSize, kSize, [](int x, int y) { return x >= 15 && x < 45 && y >= 20 && y < 40; }));
}
