// Copies between bitmaps: 1:1, stretched, mirrored, ANDed, ORed, keyed; and
// drawing on indexed and 32-bit bitmaps.

#include <gtest/gtest.h>

#include "rendering/Canvas.h"
#include "rendering/SystemPalettes.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// A picture whose every pixel differs: red = 40 x, green = 60 y, blue 7.
Bitmap Gradient(int w, int h, PixelFormat f = PixelFormat::pf24bit) {
  Bitmap b(w, h, f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(40 * x, 60 * y, 7));
  return b;
}

}  // namespace

TEST(CanvasCopy, EqualSizesCopyPixelForPixel) {
  const Bitmap src = Gradient(4, 3);
  for (PixelFormat f : {PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    Bitmap dst = Filled(8, 6, clWhite, f);
    TCanvas c(dst);
    c.CopyRect(TRect{2, 1, 6, 4}, src, TRect{0, 0, 4, 3});
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
        EXPECT_EQ(dst.GetPixel(x, y), inside ? src.GetPixel(x - 2, y - 1) : clWhite) << x << "," << y;
      }
  }
}

TEST(CanvasCopy, PartsFedFromOutsideTheSourceStayAsTheyWere) {
  const Bitmap src = Gradient(4, 3);
  Bitmap dst = Filled(4, 4, clWhite);
  TCanvas c(dst);
  c.CopyRect(TRect{0, 0, 4, 4}, src, TRect{1, 1, 5, 5});
  EXPECT_EQ(dst.GetPixel(0, 0), src.GetPixel(1, 1));
  EXPECT_EQ(dst.GetPixel(2, 1), src.GetPixel(3, 2));
  EXPECT_EQ(dst.GetPixel(3, 0), clWhite);
  EXPECT_EQ(dst.GetPixel(0, 2), clWhite);
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
  EXPECT_EQ(Art(dst),
            "rrgg.\n"
            "rrgg.\n"
            "bb##.\n"
            "bb##.\n"
            ".....\n");
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

TEST(CanvasCopy, BrushCopyReplacesExactlyTheTransparentColour) {
  constexpr TColor kMagenta = 0xFF00FF;
  Bitmap icon(3, 1);
  icon.SetPixel(0, 0, clRed);
  icon.SetPixel(1, 0, kMagenta);
  icon.SetPixel(2, 0, 0xFE00FF);  // one off in blue: not transparent
  Bitmap dst = Filled(3, 1, kGreen);
  TCanvas c(dst);
  c.Brush.color = kBlue;
  c.BrushCopy(TRect{0, 0, 3, 1}, icon, TRect{0, 0, 3, 1}, kMagenta);
  EXPECT_EQ(dst.GetPixel(0, 0), clRed);
  EXPECT_EQ(dst.GetPixel(1, 0), kBlue);
  EXPECT_EQ(dst.GetPixel(2, 0), 0xFE00FFu);
  // A clear brush leaves the destination where the source is transparent.
  dst.Fill(kGreen);
  c.Brush.style = BrushStyle::bsClear;
  c.BrushCopy(TRect{0, 0, 3, 1}, icon, TRect{0, 0, 3, 1}, kMagenta);
  EXPECT_EQ(dst.GetPixel(1, 0), kGreen);
  EXPECT_EQ(dst.GetPixel(0, 0), clRed);
}

// An icon drawn with one colour transparent: the icon with that colour made
// white is ANDed onto the picture, then the icon with it made black is ORed.
TEST(CanvasCopy, KeyedCopyThroughAndAndOrLeavesTransparentPixelsAlone) {
  constexpr TColor kKey = 0x00FFFF;
  Bitmap icon = Gradient(3, 2);
  icon.SetPixel(1, 0, kKey);
  icon.SetPixel(2, 1, kKey);
  Bitmap white(3, 2), black(3, 2);
  TCanvas w(white), k(black);
  w.Brush.color = clWhite;
  k.Brush.color = clBlack;
  w.BrushCopy(TRect{0, 0, 3, 2}, icon, TRect{0, 0, 3, 2}, kKey);
  k.BrushCopy(TRect{0, 0, 3, 2}, icon, TRect{0, 0, 3, 2}, kKey);
  const Bitmap base = Gradient(5, 4);
  Bitmap picture = base;
  TCanvas p(picture);
  p.CopyRect(TRect{1, 1, 4, 3}, white, TRect{0, 0, 3, 2}, CopyMode::cmSrcAnd);
  p.CopyRect(TRect{1, 1, 4, 3}, black, TRect{0, 0, 3, 2}, CopyMode::cmSrcPaint);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const TColor i = icon.GetPixel(x - 1, y - 1);
      const bool drawn = i != kInvalidColor && i != kKey;
      EXPECT_EQ(picture.GetPixel(x, y), drawn ? i : base.GetPixel(x, y)) << x << "," << y;
    }
}

TEST(CanvasCopy, OverlappingCopyOntoItselfReadsTheOldPixels) {
  Bitmap b = Gradient(6, 1);
  const Bitmap before = b;
  TCanvas c(b);
  c.CopyRect(TRect{1, 0, 6, 1}, b, TRect{0, 0, 5, 1});
  for (int x = 1; x < 6; ++x) EXPECT_EQ(b.GetPixel(x, 0), before.GetPixel(x - 1, 0));
  c.CopyRect(TRect{0, 0, 6, 1}, b, TRect{0, 0, 6, 1});
  EXPECT_EQ(b.GetPixel(0, 0), before.GetPixel(0, 0));
}

TEST(CanvasIndexed, DrawingOnAnEightBitBitmapWritesTheNearestPaletteEntry) {
  Bitmap b(6, 4, PixelFormat::pf8bit);  // the halftone palette
  TCanvas c(b);
  c.Brush.color = 0x0000FE;  // nearly red
  c.FillRect(TRect{0, 0, 6, 4});
  EXPECT_EQ(b.GetPixel(3, 2), clRed);
  EXPECT_EQ(b.ScanLine(2)[3], b.NearestIndex(clRed));
  c.Pen.color = 0x020202;
  c.MoveTo(0, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(b.GetPixel(5, 1), clBlack);
  c.SetPixel(0, 0, 0xFDFFFF);
  EXPECT_EQ(b.GetPixel(0, 0), clWhite);
  // Copies map every source colour to its nearest entry.
  Bitmap src = Filled(2, 1, 0x33CC66);  // on the colour cube
  src.SetPixel(1, 0, 0x32CB67);
  c.CopyRect(TRect{0, 3, 4, 4}, src, TRect{0, 0, 2, 1});
  for (int x = 0; x < 4; ++x) EXPECT_EQ(b.GetPixel(x, 3), 0x33CC66u) << x;
}

TEST(CanvasIndexed, FourAndOneBitTargetsAndIndexedSources) {
  Bitmap vga(5, 5, PixelFormat::pf4bit);
  TCanvas v(vga);
  v.Brush.color = 0x0000F0;
  v.Pen.color = 0x00F000;
  v.Rectangle(0, 0, 5, 5);
  EXPECT_EQ(vga.GetPixel(2, 2), clRed);
  EXPECT_EQ(vga.GetPixel(0, 2), 0x00FF00u);
  Bitmap mono(9, 1, PixelFormat::pf1bit);
  TCanvas m(mono);
  m.Brush.color = 0x808080;
  m.FillRect(TRect{1, 0, 8, 1});
  EXPECT_EQ(mono.GetPixel(0, 0), clBlack);
  EXPECT_EQ(mono.GetPixel(7, 0), clWhite);
  EXPECT_EQ(mono.GetPixel(8, 0), clBlack);
  // An indexed source gives its palette colours.
  Bitmap out = Filled(5, 5, clBlack);
  TCanvas o(out);
  o.Draw(0, 0, vga);
  EXPECT_EQ(out.GetPixel(2, 2), clRed);
  EXPECT_EQ(out.GetPixel(4, 4), 0x00FF00u);
}
