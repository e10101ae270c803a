// Clip regions: while one is selected only pixels inside it change.

#include <gtest/gtest.h>

#include "rendering/Canvas.h"
#include "rendering/ClipRegion.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// Paints with everything the canvas offers across the whole bitmap.
void DrawEverything(TCanvas& c, const Bitmap& picture) {
  c.Brush.color = clRed;
  c.FillRect(TRect{0, 0, 20, 4});
  c.Pen.width = 3;
  c.MoveTo(0, 0);
  c.LineTo(20, 16);
  c.Pen.width = 1;
  c.Rectangle(1, 5, 19, 9);
  c.Ellipse(-4, -4, 24, 20);
  c.Arc(0, 0, 20, 16, 20, 8, 20, 8);
  c.StretchDraw(TRect{0, 10, 20, 16}, picture);
  c.CopyRect(TRect{0, 8, 20, 10}, picture, TRect{0, 0, 2, 2}, CopyMode::cmSrcAnd);
  c.SetPixel(19, 0, clBlack);
}

}  // namespace

TEST(ClipRegion, EllipseRegionHoldsTheSamePixelsAsAFilledEllipse) {
  Bitmap clipped = Filled(20, 16, clWhite), ellipse = Filled(20, 16, clWhite);
  TCanvas c(clipped), e(ellipse);
  const ClipRegion region = ClipRegion::Ellipse(TRect{2, 1, 17, 15});
  c.SelectClipRegion(&region);
  c.Brush.color = e.Brush.color = clBlack;
  c.FillRect(TRect{0, 0, 20, 16});
  e.Pen.style = PenStyle::psClear;
  e.Ellipse(2, 1, 17, 15);
  EXPECT_EQ(clipped, ellipse);
}

TEST(ClipRegion, NothingOutsideChangesAndRemovingTheRegionRestoresDrawing) {
  Bitmap picture = Filled(2, 2, kBlue);
  picture.SetPixel(1, 0, kGreen);
  for (const ClipRegion& region : {ClipRegion::Rectangle(TRect{3, 2, 15, 12}), ClipRegion::Ellipse(TRect{3, 2, 15, 12}),
                                   ClipRegion::RoundRect(TRect{3, 2, 15, 12}, 8, 6)}) {
    Bitmap b = Filled(20, 16, clWhite);
    TCanvas c(b);
    {
      const ClipRegion copy = region;  // the canvas keeps its own copy
      c.SelectClipRegion(&copy);
    }
    DrawEverything(c, picture);
    std::size_t inside = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 20; ++x) {
        if (region.Contains(x, y))
          inside += b.GetPixel(x, y) != clWhite;
        else
          EXPECT_EQ(b.GetPixel(x, y), clWhite) << x << "," << y;
      }
    EXPECT_GT(inside, 60u);

    c.SelectClipRegion(nullptr);
    EXPECT_FALSE(c.HasClipRegion());
    Bitmap unclipped = Filled(20, 16, clWhite);
    TCanvas u(unclipped);
    DrawEverything(u, picture);
    DrawEverything(c, picture);
    EXPECT_EQ(b, unclipped);
  }
}
