#include <gtest/gtest.h>

#include <cmath>

#include "rendering/EllipseGeometry.h"
#include "rendering/GradientImage.h"

using namespace kestrova;

namespace {

constexpr TColor kUntouched = 0x5A5A5A;

Bitmap Canvas(int w, int h) {
  Bitmap b(w, h);
  b.Fill(kUntouched);
  return b;
}

// Every pixel of row y (or column x) holds the same colour; that colour.
TColor RowColor(const Bitmap& b, int y) {
  for (int x = 1; x < b.Width(); ++x) EXPECT_EQ(b.GetPixel(x, y), b.GetPixel(0, y)) << "row " << y;
  return b.GetPixel(0, y);
}

}  // namespace

TEST(GradientImage, TwoColoursInRowsNeverReachTheEndColour) {
  TGradientImage g;
  g.SetTwoOnly(true);
  g.SetColorStart(0x00FDFF);  // red 255, green 253
  g.SetColorEnd(0);
  Bitmap b = Canvas(3, 4);
  TCanvas canvas(b);
  g.DrawGradient(canvas, 3, 4);
  EXPECT_EQ(RowColor(b, 0), 0x00FDFFu);
  EXPECT_EQ(RowColor(b, 1), RGBColor(191, 190, 0));  // 191.25, 189.75
  EXPECT_EQ(RowColor(b, 2), RGBColor(128, 126, 0)) << "127.5 and 126.5 round to even";
  EXPECT_EQ(RowColor(b, 3), RGBColor(64, 63, 0));    // 63.75, 63.25
}

TEST(GradientImage, ThreeColoursShareTheMiddleBand) {
  TGradientImage g;
  g.SetColorStart(0x0000C8);
  g.SetColorMid(0x00C800);
  g.SetColorEnd(0xC80000);
  Bitmap even = Canvas(2, 4);
  TCanvas evenCanvas(even);
  g.DrawGradient(evenCanvas, 2, 4);
  EXPECT_EQ(RowColor(even, 0), 0x0000C8u);
  EXPECT_EQ(RowColor(even, 1), 0x006464u);
  EXPECT_EQ(RowColor(even, 2), 0x00C800u);
  EXPECT_EQ(RowColor(even, 3), 0x646400u);

  // Odd height 5: half is 2.5, so the middle row keeps a fifth of the start
  // colour and the last row a fifth of the middle one.
  Bitmap odd = Canvas(2, 5);
  TCanvas oddCanvas(odd);
  g.DrawGradient(oddCanvas, 2, 5);
  EXPECT_EQ(RowColor(odd, 0), 0x0000C8u);
  EXPECT_EQ(RowColor(odd, 1), RGBColor(120, 80, 0));
  EXPECT_EQ(RowColor(odd, 2), RGBColor(40, 160, 0));
  EXPECT_EQ(RowColor(odd, 3), RGBColor(0, 120, 80));
  EXPECT_EQ(RowColor(odd, 4), RGBColor(0, 40, 160));
}

TEST(GradientImage, HorizontalBandsAreColumnsOfTheRectangleOnly) {
  TGradientImage g;
  g.SetTwoOnly(true);
  g.SetHorizontal(true);
  g.SetColorStart(0xFFFFFF);
  g.SetColorEnd(0);
  Bitmap b = Canvas(6, 3);
  TCanvas canvas(b);
  g.DrawGradientRect(canvas, 1, 1, 5, 2);
  const TColor u = kUntouched;
  const TColor expected[3][6] = {{u, u, u, u, u, u}, {u, 0xFFFFFF, 0xBFBFBF, 0x808080, 0x404040, u}, {u, u, u, u, u, u}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.GetPixel(x, y), expected[y][x]) << x << ", " << y;
}

TEST(GradientImage, EmptyRectanglesAndColourMapsPaintNothing) {
  TGradientImage g;
  Bitmap b = Canvas(4, 4);
  TCanvas canvas(b);
  g.DrawGradient(canvas, 0, 4);
  g.DrawGradientRect(canvas, 2, 2, 2, 4);
  g.DrawGradientRect(canvas, 3, 3, 1, 1);
  g.SetIsRound(true);
  g.DrawGradient(canvas, 4, 0);
  g.DrawColorMap(canvas, 0, 4);
  g.DrawColorMap(canvas, 4, -1);
  EXPECT_EQ(b, Canvas(4, 4));
}

TEST(GradientImage, RadialCentreIsOneStepFromTheStartColour) {
  TGradientImage g;
  g.SetIsRound(true);
  g.SetColorStart(0x0000FF);
  g.SetColorEnd(0xFF0000);
  Bitmap b = Canvas(20, 10);
  TCanvas canvas(b);
  g.DrawGradient(canvas, 20, 10);
  // R = round(sqrt(10^2 + 5^2)) + 2 = 13; the centre is circle 1: weights 12/13, 1/13.
  EXPECT_EQ(b.GetPixel(10, 5), RGBColor(235, 0, 20));
  EXPECT_EQ(b.GetPixel(9, 4), RGBColor(235, 0, 20));
  EXPECT_GT(BlueOf(b.GetPixel(0, 0)), BlueOf(b.GetPixel(5, 5)));
}

// The radial gradient paints each pixel once; it must give the picture of the
// circles filled one over the other from the outside in.
TEST(GradientImage, RadialMatchesCirclesFilledFromTheOutsideIn) {
  for (const TRect r : {TRect{0, 0, 31, 17}, TRect{5, 3, 12, 40}, TRect{-7, 2, 30, 9}}) {
    TGradientImage g;
    g.SetIsRound(true);
    g.SetColorStart(0x10F080);
    g.SetColorEnd(0x8020F0);
    Bitmap fast = Canvas(30, 30);
    TCanvas fastCanvas(fast);
    g.DrawGradientRect(fastCanvas, r.left, r.top, r.right, r.bottom);

    Bitmap slow = Canvas(30, 30);
    TCanvas slowCanvas(slow);
    const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    const int hw = r.Width() / 2, hh = r.Height() / 2;
    const int big = static_cast<int>(std::nearbyint(static_cast<float>(std::sqrt(hw * hw + hh * hh)))) + 2;
    for (int i = big; i >= 0; --i) {
      const float a = static_cast<float>(double(big - i) / big), b = static_cast<float>(double(i) / big);
      const auto ch = [&](int s, int e) { return static_cast<unsigned>(std::nearbyint(s * double(a) + e * double(b))); };
      const TColor c = RGBColor(ch(0x80, 0xF0), ch(0xF0, 0x20), ch(0x10, 0x80));
      for (int y = cy - i; y < cy + i; ++y) {
        int x0 = 0, x1 = 0;
        if (EllipseRowSpan(TRect{cx - i, cy - i, cx + i, cy + i}, y, x0, x1)) slowCanvas.PaintSpan(y, x0, x1, c);
      }
    }
    EXPECT_EQ(fast, slow) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(GradientImage, HslConversion) {
  EXPECT_EQ(HSLToRGB(0, 0, 255), (TRGBBytes{255, 255, 255}));
  EXPECT_EQ(HSLToRGB(0, 0, 128), (TRGBBytes{128, 128, 128}));
  EXPECT_EQ(HSLToRGB(0, 255, 128), (TRGBBytes{255, 1, 1})) << "hue 0 puts green and blue at m1";
  EXPECT_EQ(HSLToRGB(0, 128, 128), (TRGBBytes{192, 64, 64}));
  EXPECT_EQ(HSLToRGB(85, 255, 64), (TRGBBytes{0, 128, 0}));
  EXPECT_DOUBLE_EQ(HueToRGB(0.2, 0.8, 390), 0.5);
  EXPECT_DOUBLE_EQ(HueToRGB(0.2, 0.8, -330), 0.5);
  EXPECT_DOUBLE_EQ(HueToRGB(0.2, 0.8, 210), 0.5);
}

TEST(GradientImage, ColourMapAxesFollowHorizontalAndTwoOnly) {
  TGradientImage g;
  Bitmap b = Canvas(255, 255);  // one step of hue, saturation or lightness per pixel
  TCanvas canvas(b);
  const auto at = [&](int x, int y) {
    g.DrawColorMap(canvas, 255, 255);
    return b.GetPixel(x, y);
  };
  EXPECT_EQ(at(0, 128), 0u) << "lightness across, hue down";
  EXPECT_EQ(at(128, 0), 0x4040C0u);
  g.SetHorizontal(true);
  EXPECT_EQ(at(0, 128), 0x4040C0u) << "hue across, lightness down";
  g.SetTwoOnly(true);
  EXPECT_EQ(at(0, 128), 0x4040C0u) << "saturation down, lightness fixed";
  EXPECT_EQ(at(200, 0), 0x808080u);
  g.SetHorizontal(false);
  EXPECT_EQ(at(0, 200), 0x808080u) << "saturation across, hue down";
}

TEST(GradientImage, TurnedBandsArePolygonsAboutTheCentre) {
  TGradientImage g;
  g.SetTwoOnly(true);
  g.SetColorStart(0x0000FF);
  g.SetColorEnd(0xFF0000);
  Bitmap straight = Canvas(12, 12);
  TCanvas straightCanvas(straight);
  g.DrawGradient(straightCanvas, 12, 12);

  g.SetAngle(360);  // a full turn: the same corners, but drawn as polygons
  Bitmap full = Canvas(12, 12);
  TCanvas fullCanvas(full);
  g.DrawGradient(fullCanvas, 12, 12);
  EXPECT_EQ(full, straight);

  // A quarter turn clockwise moves the top rows to the right-hand columns.
  g.SetAngle(90);
  Bitmap turned = Canvas(12, 12);
  TCanvas turnedCanvas(turned);
  g.DrawGradient(turnedCanvas, 12, 12);
  for (int y = 2; y < 10; ++y) {
    EXPECT_EQ(turned.GetPixel(11, y), straight.GetPixel(y, 0)) << y;
    EXPECT_EQ(turned.GetPixel(6, y), straight.GetPixel(y, 5)) << y;
  }
}
