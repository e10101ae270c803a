#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rendering/BaseImageComposer.h"

using namespace kestrova;

namespace {

TSettings Small(int w, int h) {
  TSettings s = DefaultSettings();
  s.newx = w;
  s.newy = h;
  s.BNColorFG = 0x336699;
  s.BNColorTR = 0x00A000;
  return s;
}

Bitmap Filled(int w, int h, TColor c) {
  Bitmap b(w, h);
  b.Fill(c);
  return b;
}

}  // namespace

TEST(Composer, PlainSettingsGiveAFlatFaceColourPicture) {
  const Bitmap b = ComposeBaseImage(Small(96, 32));
  EXPECT_EQ(b.Format(), PixelFormat::pf24bit);
  EXPECT_EQ(b, Filled(96, 32, 0x336699));
}

TEST(Composer, SizesThatCannotBeHeldAreErrors) {
  for (const auto& [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 7}, {70000, 70000}}) {
    Bitmap target = Filled(2, 2, clRed);
    EXPECT_THROW(ComposeBaseImage(Small(w, h), target), BitmapError) << w << " x " << h;
    EXPECT_EQ(target, Filled(2, 2, clRed)) << "the target is kept";
  }
  Bitmap target(1, 1, PixelFormat::pf8bit);
  ComposeBaseImage(Small(3, 2), target);
  EXPECT_EQ(target, Filled(3, 2, 0x336699));
}

TEST(Composer, TheCallersRecordIsNeverChanged) {
  TSettings s = Small(40, 30);
  s.gradient = s.radial = s.RoundBtn = s.Round3DLike = s.FrameOn = s.FrameRound = true;
  s.BNOpacity = 250;
  s.ExtRadius = 4;
  s.smooth = 2;
  s.roundmargin = 2;
  s.FrameRX = s.FrameRY = 5;
  s.captions = "one\r\ntwo\r\n";
  const TSettings before = s;
  ComposeBaseImage(s);
  EXPECT_EQ(s, before);
}

TEST(Composer, FlatBevelOverAGradientFadesIntoTheFaceColour) {
  TSettings s = Small(10, 6);
  s.gradient = s.twoonly = s.horizontal = true;
  s.gc1 = s.gc3 = 0x0000C0;
  s.BNOpacity = 100;
  s.BNX = s.BNY = 2;
  s.BNColorBG = 0xFFFFFF;
  s.BNColorBL = 0x000000;
  const Bitmap b = ComposeBaseImage(s);
  EXPECT_EQ(b.GetPixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(b.GetPixel(9, 5), 0u);
  EXPECT_EQ(b.GetPixel(3, 1), RGBColor((0xFF + 0x99) / 2, (0xFF + 0x66) / 2, (0xFF + 0x33) / 2));
  EXPECT_EQ(b.GetPixel(4, 3), 0x0000C0u) << "the gradient shows inside the edges";
}

TEST(Composer, RoundButtonWithoutGradientHasAFaceDisc) {
  TSettings s = Small(40, 24);
  s.RoundBtn = true;
  s.ExtRadius = 3;
  s.BNColorBG = 0x0000FF;
  s.BNColorBL = 0xFF0000;
  const Bitmap b = ComposeBaseImage(s);
  EXPECT_EQ(b.GetPixel(20, 12), 0x336699u);
  EXPECT_NE(b.GetPixel(20, 0), 0x00A000u) << "a ring";
  EXPECT_NE(b.GetPixel(20, 0), 0x336699u) << "a ring";
  EXPECT_EQ(b.GetPixel(0, 0), 0x00A000u);
  EXPECT_EQ(b.GetPixel(39, 23), 0x00A000u);
}

TEST(Composer, RoundButtonWithGradientShowsTheGradientAsItsFace) {
  TSettings s = Small(40, 24);
  s.RoundBtn = true;
  s.ExtRadius = 0;
  s.roundmargin = 2;
  s.gradient = true;
  s.gc1 = s.gc2 = s.gc3 = 0x123456;
  const Bitmap b = ComposeBaseImage(s);
  EXPECT_EQ(b.GetPixel(20, 12), 0x123456u);
  EXPECT_EQ(b.GetPixel(0, 0), 0x00A000u);
  EXPECT_EQ(b.GetPixel(1, 12), 0x00A000u) << "the margin keeps the colour around the button";
  EXPECT_EQ(b.GetPixel(2, 12), 0x123456u);
}

TEST(Composer, FrameOnTheOutermostPixels) {
  TSettings s = Small(9, 7);
  s.FrameOn = true;
  s.FrameColor = 0x0000FF;
  const Bitmap b = ComposeBaseImage(s);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) {
      const bool edge = x == 0 || y == 0 || x == 8 || y == 6;
      EXPECT_EQ(b.GetPixel(x, y), edge ? 0x0000FFu : 0x336699u) << x << ", " << y;
    }
}

TEST(Composer, RoundFrameWithMarginLeavesTheCorners) {
  TSettings s = Small(20, 14);
  s.FrameOn = s.FrameRound = true;
  s.FrameColor = 0x0000FF;
  s.FrameMargin = 1;
  s.FrameRX = s.FrameRY = 8;
  const Bitmap b = ComposeBaseImage(s);
  EXPECT_EQ(b.GetPixel(0, 7), 0x336699u);
  EXPECT_EQ(b.GetPixel(1, 7), 0x0000FFu);
  EXPECT_EQ(b.GetPixel(10, 12), 0x0000FFu);
  EXPECT_EQ(b.GetPixel(1, 1), 0x336699u) << "rounded corner";
  EXPECT_EQ(b.GetPixel(10, 7), 0x336699u) << "a clear brush leaves the inside";
}

TEST(Composer, ARoundButtonsMarginOrRingWidthBeyondTheLimitIsAnError) {
  const struct {
    int margin, rings;
  } cases[] = {{INT_MAX, 3}, {INT_MIN, 3}, {10000, 3}, {-10000, 3}, {2, INT_MAX}, {2, INT_MIN}};
  for (const auto& c : cases) {
    TSettings s = Small(40, 20);
    s.RoundBtn = s.gradient = true;
    s.roundmargin = c.margin;
    s.ExtRadius = c.rings;
    try {
      ComposeBaseImage(s);
      ADD_FAILURE() << "no error for margin " << c.margin << " and " << c.rings << " rings";
    } catch (const BitmapError& e) {
      EXPECT_EQ(std::string(e.what()), "The round button's margin (" + std::to_string(c.margin) + ") and ring width (" +
                                           std::to_string(c.rings) + ") must each lie between -9999 and 9999");
    }
    s.RoundBtn = false;  // the bevel uses neither
    EXPECT_EQ(ComposeBaseImage(s).Width(), 40);
  }
  // At the limit the ellipse lies far round the picture: the face fills it.
  for (const int margin : {9999, -9999}) {
    TSettings s = Small(40, 20);
    s.RoundBtn = true;
    s.ExtRadius = 1;
    s.roundmargin = margin;
    EXPECT_EQ(ComposeBaseImage(s), Filled(40, 20, 0x336699)) << margin;
  }
}
