// Copies between bitmaps: 1:1, stretched, mirrored, ANDed, ORed, keyed; and
// drawing on indexed bitmaps.

#include <gtest/gtest.h>

#include "rendering/Canvas.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// A picture whose every pixel differs: red = 40 x, green = 60 y, blue 7.
Bitmap Gradient(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(40 * x, 60 * y, 7));
  return b;
}

}  // namespace

TEST(CanvasCopy, EqualSizesCopyPixelForPixelPartsOutsideTheSourceStay) {
  const Bitmap src = Gradient(4, 3);
  for (PixelFormat f : {PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    Bitmap dst = Filled(8, 6, clWhite, f);
    TCanvas c(dst);
    c.CopyRect(TRect{2, 1, 7, 5}, src, TRect{0, 0, 5, 4});  // the last column and row lie outside
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
        EXPECT_EQ(dst.GetPixel(x, y), inside ? src.GetPixel(x - 2, y - 1) : clWhite) << x << "," << y;
      }
  }
}

TEST(CanvasCopy, StretchesTwiceAndMirrors) {
  Bitmap src(2, 2);
  src.SetPixel(0, 0, clRed);
  src.SetPixel(1, 0, kGreen);
  src.SetPixel(0, 1, kBlue);
  src.SetPixel(1, 1, clBlack);
  Bitmap dst = Filled(5, 5, clWhite);
  TCanvas c(dst);
  c.StretchDraw(TRect{0, 0, 4, 4}, src);
  c.Draw(3, 3, src);
  c.CopyRect(TRect{2, 0, 0, 1}, src, TRect{0, 0, 2, 1});  // right to left
  EXPECT_EQ(Art(dst),
            "grgg.\n"
            "rrgg.\n"
            "bb##.\n"
            "bb#rg\n"
            "...b#\n");
}

TEST(CanvasCopy, AndAndOrCombineChannelBits) {
  Bitmap src = Filled(2, 1, 0x3355AA);
  Bitmap dst = Filled(2, 2, 0x0F0FF0);
  TCanvas c(dst);
  c.CopyRect(TRect{0, 0, 2, 1}, src, TRect{0, 0, 2, 1}, CopyMode::cmSrcAnd);
  c.CopyRect(TRect{0, 1, 2, 2}, src, TRect{0, 0, 2, 1}, CopyMode::cmSrcPaint);
  EXPECT_EQ(dst.GetPixel(1, 0), 0x0305A0u);
  EXPECT_EQ(dst.GetPixel(1, 1), 0x3F5FFAu);
}

// An icon drawn with one colour transparent: the icon with that colour made
// white (BrushCopy) is ANDed onto the picture, then the icon with it made
// black is ORed. A colour one off the transparent one is drawn.
TEST(CanvasCopy, BrushCopyKeysExactlyOneColour) {
  constexpr TColor kKey = 0x00FFFF;
  Bitmap icon = Gradient(3, 2);
  icon.SetPixel(1, 0, kKey);
  icon.SetPixel(2, 1, 0x00FEFF);
  Bitmap white(3, 2), black(3, 2);
  TCanvas w(white), k(black);
  w.Brush.color = clWhite;
  k.Brush.color = clBlack;
  w.BrushCopy(TRect{0, 0, 3, 2}, icon, TRect{0, 0, 3, 2}, kKey);
  k.BrushCopy(TRect{0, 0, 3, 2}, icon, TRect{0, 0, 3, 2}, kKey);
  EXPECT_EQ(black.GetPixel(1, 0), clBlack);
  const Bitmap base = Gradient(5, 4);
  Bitmap picture = base;
  TCanvas p(picture);
  p.CopyRect(TRect{1, 1, 4, 3}, white, TRect{0, 0, 3, 2}, CopyMode::cmSrcAnd);
  p.CopyRect(TRect{1, 1, 4, 3}, black, TRect{0, 0, 3, 2}, CopyMode::cmSrcPaint);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const TColor i = icon.GetPixel(x - 1, y - 1);
      EXPECT_EQ(picture.GetPixel(x, y), i != kInvalidColor && i != kKey ? i : base.GetPixel(x, y)) << x << "," << y;
    }
  // With a clear brush the destination shows through.
  Bitmap green = Filled(3, 2, kGreen);
  TCanvas g(green);
  g.Brush.style = BrushStyle::bsClear;
  g.BrushCopy(TRect{0, 0, 3, 2}, icon, TRect{0, 0, 3, 2}, kKey);
  EXPECT_EQ(green.GetPixel(1, 0), kGreen);
  EXPECT_EQ(green.GetPixel(0, 0), icon.GetPixel(0, 0));
}

TEST(CanvasIndexed, DrawingOnAnEightBitBitmapWritesTheNearestPaletteEntry) {
  Bitmap b(6, 4, PixelFormat::pf8bit);  // the halftone palette
  TCanvas c(b);
  c.Brush.color = 0x0000FE;  // nearly red
  c.FillRect(TRect{0, 0, 6, 4});
  EXPECT_EQ(b.ScanLine(2)[3], b.NearestIndex(clRed));
  c.Pen.color = 0x020202;
  c.MoveTo(0, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(b.GetPixel(5, 1), clBlack);
  Bitmap src = Filled(2, 1, 0x33CC66);  // on the colour cube
  src.SetPixel(1, 0, 0x32CB67);
  c.CopyRect(TRect{0, 3, 4, 4}, src, TRect{0, 0, 2, 1});
  for (int x = 0; x < 4; ++x) EXPECT_EQ(b.GetPixel(x, 3), 0x33CC66u) << x;

}
