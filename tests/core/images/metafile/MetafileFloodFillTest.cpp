// Flood fills of both kinds in enhanced and 16-bit metafiles written by
// libUEMF: filled with the selected brush, solid or hatched, inside the clip;
// and what a fill of a whole large picture costs.

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "core/images/metafile/Metafile.h"
#include "rendering/BrushPattern.h"
#include "rendering/Canvas.h"
#include "rendering/Region.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/core/images/metafile/UemfWriter.h"
#include "tests/core/images/metafile/UwmfWriter.h"
#include "tests/core/images/metafile/WmfBuilder.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kWidth = 64, kHeight = 48;
constexpr TColor kHatch = 0xFF0000, kGaps = 0x00FFFF, kSolid = 0x0000FF, kBlock = 0x00FF00;

// The record that fills: the enhanced one, or the 16-bit one of the border
// kind or of either kind.
enum class Record { Emf, WmfBorder, WmfEither };

struct FloodCase {
  const char* name;
  Record record;
  bool surface;  // the surface kind, over white; else up to black
  bool hatched;
  bool clipped;  // to the columns left of 24
  TPoint start;
};

// A black outline round pixels (8, 8)-(39, 31) with a green block (20, 14)-(25, 19)
// inside, drawn with no fill; then the fill's brush, the clip and the fill.
std::vector<std::uint8_t> EmfFlood(const FloodCase& k) {
  UemfWriter w(kWidth, kHeight);
  w.Pen(Rgb(0, 0, 0)).NullBrush().Add(U_EMRRECTANGLE_set(Box(8, 8, 40, 32)));
  w.Pen(Rgb(0, 255, 0)).Brush(Rgb(0, 255, 0)).Add(U_EMRRECTANGLE_set(Box(20, 14, 26, 20)));
  if (k.hatched) {
    std::uint32_t brush = 0;
    w.Add(createbrushindirect_set(&brush, w.Handles(), logbrush_set(U_BS_HATCHED, Rgb(0, 0, 255), U_HS_DIAGCROSS)));
    w.Add(selectobject_set(brush, w.Handles())).Add(U_EMRSETBKCOLOR_set(Rgb(255, 255, 0)));
  } else {
    w.Brush(Rgb(255, 0, 0));
  }
  if (k.clipped) w.Add(U_EMRINTERSECTCLIPRECT_set(Box(0, 0, 24, kHeight)));
  const U_COLORREF colour = k.surface ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
  w.Add(U_EMREXTFLOODFILL_set(point32_set(k.start.x, k.start.y), colour,
                              k.surface ? U_FLOODFILLSURFACE : U_FLOODFILLBORDER));
  return w.Finish();
}

std::vector<std::uint8_t> WmfFlood(const FloodCase& k) {
  UwmfWriter w(kWidth, kHeight);
  w.Pen(U_PS_SOLID, 1, Rgb(0, 0, 0)).Brush(U_BS_NULL, Rgb(0, 0, 0)).Add(U_WMRRECTANGLE_set(Rect16(8, 8, 40, 32)));
  w.Pen(U_PS_SOLID, 1, Rgb(0, 255, 0)).Brush(U_BS_SOLID, Rgb(0, 255, 0));
  w.Add(U_WMRRECTANGLE_set(Rect16(20, 14, 26, 20)));
  if (k.hatched)
    w.Brush(U_BS_HATCHED, Rgb(0, 0, 255), U_HS_DIAGCROSS).Add(U_WMRSETBKCOLOR_set(Rgb(255, 255, 0)));
  else
    w.Brush(U_BS_SOLID, Rgb(255, 0, 0));
  if (k.clipped) w.Add(U_WMRINTERSECTCLIPRECT_set(Rect16(0, 0, 24, kHeight)));
  const U_COLORREF colour = k.surface ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
  const std::uint16_t mode = k.surface ? U_FLOODFILLSURFACE : U_FLOODFILLBORDER;
  const U_POINT16 at = point16_set(k.start.x, k.start.y);
  w.Add(k.record == Record::WmfBorder ? U_WMRFLOODFILL_set(mode, colour, at) : U_WMREXTFLOODFILL_set(mode, colour, at));
  return w.Finish();
}

// The same picture drawn directly, the brush painted over the pixels the
// fill should reach: inside the outline, the block too for the border kind,
// left of the clip's edge, nothing when the start lies outside the clip.
Bitmap Expected(const FloodCase& k) {
  return Direct(kWidth, kHeight, [&](TCanvas& c) {
    c.Brush.style = BrushStyle::bsClear;
    c.Rectangle(8, 8, 40, 32);
    c.Pen.color = c.Brush.color = kBlock;
    c.Brush.style = BrushStyle::bsSolid;
    c.Rectangle(20, 14, 26, 20);
    c.Brush.color = kSolid;
    if (k.hatched) c.Brush.pattern = std::make_shared<BrushPattern>(BrushPattern::Hatch(HatchStyle::DiagonalCross, kHatch, kGaps));
    if (k.clipped && k.start.x >= 24) return;
    RegionBuilder reached;
    for (int y = 9; y < 31; ++y)
      for (int x = 9; x < (k.clipped ? 24 : 39); ++x) {
        const bool block = x >= 20 && x < 26 && y >= 14 && y < 20;
        if (!(block && k.surface)) reached.Add(y, x, x + 1);
      }
    c.FillRegion(reached.Finish());
  });
}

}  // namespace

TEST(MetafileFloodFill, BothKindsFillWithTheBrushInsideTheClip) {
  const TPoint in{12, 24}, outsideClip{30, 24};
  const FloodCase cases[] = {
      {"enhanced, border", Record::Emf, false, false, false, in},
      {"enhanced, surface, hatched", Record::Emf, true, true, false, in},
      {"enhanced, border, hatched, clipped", Record::Emf, false, true, true, in},
      {"enhanced, surface, started outside the clip", Record::Emf, true, false, true, outsideClip},
      {"16-bit, border", Record::WmfBorder, false, false, false, in},
      {"16-bit, border, hatched, clipped", Record::WmfBorder, false, true, true, in},
      {"16-bit extended, surface", Record::WmfEither, true, false, false, in},
      {"16-bit extended, border, hatched", Record::WmfEither, false, true, false, in},
      {"16-bit extended, surface, hatched, clipped", Record::WmfEither, true, true, true, in},
  };
  for (const FloodCase& k : cases) {
    const Played got = Play(k.record == Record::Emf ? EmfFlood(k) : WmfFlood(k));
    EXPECT_EQ(got.notDrawn, 0u) << k.name;
    const Bitmap want = Expected(k);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) wrong += got.picture.GetPixel(x, y) != want.GetPixel(x, y);
    EXPECT_EQ(wrong, 0) << k.name;
  }
}

TEST(MetafileFloodFill, TheBorderRecordHoldsItsColourAndPointLast) {
  // The 16-bit border record as the platform writes it (colour, y, x), and
  // with a mode word in front as libUEMF writes it: a black outline round
  // pixels (8, 8)-(23, 23), filled red inside from (16, 12).
  for (const bool modeWord : {false, true}) {
    WmfBuilder b;
    b.Record(0x02FC, {1, 0, 0, 0}).Record(0x012D, {0}).Record(0x041B, {24, 24, 8, 8});
    b.Record(0x02FC, {0, WmfBuilder::Lo(clRed), WmfBuilder::Hi(clRed), 0}).Record(0x012D, {1});
    if (modeWord)
      b.Record(0x0419, {0, 0, 0, 12, 16});
    else
      b.Record(0x0419, {0, 0, 12, 16});
    const Bitmap got = RenderMetafile(b.Build(TRect{0, 0, 32, 32}, 96));
    const auto ring = [](int x, int y) { return x >= 8 && x < 24 && y >= 8 && y < 24; };
    const auto inside = [](int x, int y) { return x >= 9 && x < 23 && y >= 9 && y < 23; };
    int wrong = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        wrong += got.GetPixel(x, y) != (inside(x, y) ? clRed : ring(x, y) ? clBlack : clWhite);
    EXPECT_EQ(wrong, 0) << (modeWord ? "with" : "without") << " a mode word";
  }
}

TEST(MetafileFloodFill, FillingAWholeLargePictureCostsAboutWhatPaintingItDoes) {
  // One fill over the whole of a white 4000 x 4000 picture must cost about
  // as much as painting the picture a few times over, not more for each
  // pixel than a few looks at it and its neighbours.
  UemfWriter w(4000, 4000);
  w.Brush(Rgb(255, 0, 0)).Add(U_EMREXTFLOODFILL_set(point32_set(2000, 2000), Rgb(255, 255, 255), U_FLOODFILLSURFACE));
  const DrawingCost cost = CostOfDrawing(w.Finish(), 10);
  ASSERT_EQ(cost.picture.Width(), 4000);
  EXPECT_LT(cost.drawing, 20 * cost.painting + 0.05) << "flood " << cost.drawing << " s, 10 paintings " << cost.painting << " s";
  EXPECT_EQ(cost.picture.GetPixel(0, 0), clRed);
  EXPECT_EQ(cost.picture.GetPixel(3999, 3999), clRed);
}
