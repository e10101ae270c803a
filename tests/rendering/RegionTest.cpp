// General regions: every way of combining them, shrinking, the winding and
// alternate fill rules, and the canvas clipped to several spans a row, each
// checked pixel by pixel against an independent reckoning.

#include <gtest/gtest.h>

#include <functional>

#include "rendering/Canvas.h"
#include "rendering/ClipRegion.h"
#include "rendering/Region.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kW = 40, kH = 32;

using Inside = std::function<bool(int, int)>;

struct Sample {
  const char* name;
  Region region;
  Inside inside;  // the same shape told independently
};

const std::vector<TPointF> kStar{{20, 1}, {31, 30}, {2, 12}, {38, 12}, {8, 30}};

std::vector<Sample> Samples() {
  const RowRange rows{-100, 100};
  return {
      {"rectangle", Region::FromRect(TRect{5, 4, 25, 20}),
       [](int x, int y) { return x >= 5 && x < 25 && y >= 4 && y < 20; }},
      {"ellipse", Region::FromShape(Shape(ShapeKind::skEllipse, TRect{12, 8, 38, 30})),
       [](int x, int y) {
         const double dx = (x + 0.5 - 25) / 13, dy = (y + 0.5 - 19) / 11;
         return dx * dx + dy * dy < 1;
       }},
      {"star, alternate", Region::FromPolygons({kStar}, FillRule::Alternate, rows),
       [](int x, int y) { return WindingNumber(kStar, x + 0.5, y + 0.5) % 2 != 0; }},
      {"star, winding", Region::FromPolygons({kStar}, FillRule::Winding, rows),
       [](int x, int y) { return WindingNumber(kStar, x + 0.5, y + 0.5) != 0; }},
      {"two squares the same way round, winding",
       Region::FromPolygons({{{2, 2}, {22, 2}, {22, 22}, {2, 22}}, {{12, 12}, {32, 12}, {32, 28}, {12, 28}}},
                            FillRule::Winding, rows),
       [](int x, int y) { return (x >= 2 && x < 22 && y >= 2 && y < 22) || (x >= 12 && x < 32 && y >= 12 && y < 28); }},
      {"two squares opposite ways round, winding",
       Region::FromPolygons({{{2, 2}, {22, 2}, {22, 22}, {2, 22}}, {{12, 12}, {12, 28}, {32, 28}, {32, 12}}},
                            FillRule::Winding, rows),
       [](int x, int y) { return (x >= 2 && x < 22 && y >= 2 && y < 22) != (x >= 12 && x < 32 && y >= 12 && y < 28); }},
  };
}

void ExpectShape(const Region& region, const Inside& inside, const std::string& what) {
  int wrong = 0;
  for (int y = -2; y < kH + 2; ++y)
    for (int x = -2; x < kW + 2; ++x) wrong += region.Contains(x, y) != inside(x, y);
  EXPECT_EQ(wrong, 0) << what;
}

}  // namespace

TEST(Region, ShapesAndFillRulesHoldTheirPixels) {
  for (const Sample& s : Samples()) ExpectShape(s.region, s.inside, s.name);
}

TEST(Region, EveryCombinationOfEveryPairHoldsItsPixels) {
  const struct {
    RegionOp op;
    const char* name;
    bool (*inside)(bool, bool);
  } ops[] = {
      {RegionOp::And, "and", [](bool a, bool b) { return a && b; }},
      {RegionOp::Or, "or", [](bool a, bool b) { return a || b; }},
      {RegionOp::Xor, "xor", [](bool a, bool b) { return a != b; }},
      {RegionOp::Diff, "diff", [](bool a, bool b) { return a && !b; }},
      {RegionOp::Copy, "copy", [](bool, bool b) { return b; }},
  };
  const std::vector<Sample> samples = Samples();
  for (const Sample& a : samples)
    for (const Sample& b : samples)
      for (const auto& op : ops) {
        const Region combined = a.region.Combined(b.region, op.op);
        ExpectShape(combined, [&](int x, int y) { return op.inside(a.inside(x, y), b.inside(x, y)); },
                    std::string(a.name) + " " + op.name + " " + b.name);
      }
}

TEST(Region, ARegionIsHeldInAsFewBandsAsItsRowsNeed) {
  // Equal rows share a band whatever the area: size costs nothing.
  constexpr int kFar = 1 << 28;
  const Region huge = Region::FromRect(TRect{-kFar, -kFar, kFar, kFar});
  EXPECT_EQ(huge.BandCount(), 1u);
  const Region cross = huge.Combined(Region::FromRect(TRect{0, 0, 10, 10}), RegionOp::Diff);
  EXPECT_EQ(cross.BandCount(), 3u);
  EXPECT_EQ(cross.Row(5).size(), 2u);
  // Combined back, a region is the same region, in the same bands.
  const Region a = Samples()[1].region;
  EXPECT_EQ(a.Combined(a, RegionOp::Or), a);
  EXPECT_TRUE(a.Combined(a, RegionOp::Xor).IsEmpty());
  EXPECT_EQ(a.Offset(3, -2).Bounds(), (TRect{15, 6, 41, 28}));
}

TEST(Region, ShrinkingKeepsThePixelsWhoseNeighboursAllLieInside) {
  for (const Sample& s : Samples())
    for (const auto& [dx, dy] : {std::pair{1, 1}, std::pair{3, 0}, std::pair{0, 2}, std::pair{2, 5}}) {
      ExpectShape(s.region.Shrunk(dx, dy),
                  [&](int x, int y) {
                    for (int j = -dy; j <= dy; ++j)
                      for (int i = -dx; i <= dx; ++i)
                        if (!s.inside(x + i, y + j)) return false;
                    return true;
                  },
                  std::string(s.name) + " shrunk");
    }
}

TEST(Region, ACanvasClippedToSeveralSpansARowDrawsOnlyInside) {
  // The star by the alternate rule has a hole: two or three spans a row.
  const Sample star = Samples()[2];
  Bitmap picture = Filled(4, 4, kBlue);
  const std::vector<std::function<void(TCanvas&)>> drawings{
      [](TCanvas& c) { c.FillRect(TRect{0, 0, kW, kH}); },
      [](TCanvas& c) {
        c.Pen.width = 5;
        c.MoveTo(0, 3);
        c.LineTo(kW, 28);
      },
      [&](TCanvas& c) { c.StretchDraw(TRect{0, 0, kW, kH}, picture); },
      [](TCanvas& c) {
        c.Font.size = 20;
        c.TextOut(0, 0, "WWW");
      },
  };
  for (std::size_t i = 0; i < drawings.size(); ++i) {
    Bitmap whole = Filled(kW, kH, clWhite), clipped = Filled(kW, kH, clWhite);
    TCanvas w(whole), c(clipped);
    w.Brush.color = c.Brush.color = clRed;
    const ClipRegion region = ClipRegion::Of(star.region);
    c.SelectClipRegion(&region);
    drawings[i](w);
    drawings[i](c);
    int wrong = 0, drawn = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        const TColor expected = star.inside(x, y) ? whole.GetPixel(x, y) : clWhite;
        wrong += clipped.GetPixel(x, y) != expected;
        drawn += clipped.GetPixel(x, y) != clWhite;
      }
    EXPECT_EQ(wrong, 0) << "drawing " << i;
    EXPECT_GT(drawn, 0) << "drawing " << i;
  }
}

TEST(Region, AShapeClipAndARegionClipOverlap) {
  const ClipRegion both =
      ClipRegion::Ellipse(TRect{0, 0, 30, 30}).Intersected(ClipRegion::Of(Samples()[2].region));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      EXPECT_EQ(both.Contains(x, y), ClipRegion::Ellipse(TRect{0, 0, 30, 30}).Contains(x, y) &&
                                         Samples()[2].inside(x, y))
          << x << "," << y;
}
