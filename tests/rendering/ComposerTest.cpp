#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>
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

TEST(Composer, ARoundButtonsRingWidthBeyondTheLimitIsAnError) {
  for (const int rings : {INT_MAX, INT_MIN, 10000, -10000}) {
    TSettings s = Small(40, 20);
    s.RoundBtn = s.gradient = true;
    s.roundmargin = 2;
    s.ExtRadius = rings;
    try {
      ComposeBaseImage(s);
      ADD_FAILURE() << "no error for " << rings << " rings";
    } catch (const BitmapError& e) {
      EXPECT_EQ(std::string(e.what()),
                "The round button's ring width (" + std::to_string(rings) + ") must lie between -9999 and 9999");
    }
    s.RoundBtn = false;  // the bevel uses none
    EXPECT_EQ(ComposeBaseImage(s).Width(), 40);
  }
  // Margins far round the picture: the face fills it.
  for (const int margin : {9999, -9999, -1000000}) {
    TSettings s = Small(40, 20);
    s.RoundBtn = true;
    s.ExtRadius = 1;
    s.roundmargin = margin;
    EXPECT_EQ(ComposeBaseImage(s), Filled(40, 20, 0x336699)) << margin;
  }
}

TEST(Composer, RingsRoundTheWholePictureAreLeftOutWithoutChangingAPixel) {
  // Pictures of round buttons whose outer rings pass round the whole picture,
  // as drawn when every ring was drawn (a hash of their pixels, row by row).
  struct Case {
    int w, h, margin, rings, look;
    std::uint64_t hash;
  };
  const Case cases[] = {
      {40, 20, -60, 250, 1, 0x2f31aaf24da6d903},  // rings 0..43 of 250 lie round it
      {21, 33, -45, 60, 0, 0x8110d5d4535e47b9},
      {64, 64, -90, 250, 3, 0x1ace23b8e8681e76},
      {7, 3, -20, 60, 2, 0x9da2a9fc66a8c3b3},
  };
  for (const Case& c : cases) {
    TSettings s{};
    s.newx = c.w;
    s.newy = c.h;
    s.RoundBtn = true;
    s.roundmargin = c.margin;
    s.ExtRadius = c.rings;
    s.Round3DLike = c.look & 1;
    s.gradient = c.look & 2;
    s.radial = c.look == 3;
    s.smooth = c.look == 1 ? 2 : 0;
    s.Angle = 30;
    s.BNColorBG = 0x2040F0;
    s.BNColorBL = 0x10A010;
    s.BNColorFG = 0xC0C0C0;
    s.BNColorTR = 0x804000;
    s.Myblack = 0x101010;
    s.Mywhite = 0xF0F0F0;
    s.gc1 = 0xFF0000;
    s.gc2 = 0x00FF00;
    s.gc3 = 0x0000FF;
    const Bitmap b = ComposeBaseImage(s);
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over the pixel values
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x) {
        hash ^= b.GetPixel(x, y);
        hash *= 1099511628211ull;
      }
    }
    EXPECT_EQ(hash, c.hash) << c.w << "x" << c.h << " margin " << c.margin;
  }
}

TEST(Composer, ARoundButtonOfAnyMarginIsDrawn) {
  // The gradient is laid inside the margin: no margin overflows it.
  for (const int margin : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    TSettings s = Small(30, 20);
    s.RoundBtn = true;
    s.gradient = true;
    s.ExtRadius = 999;
    s.roundmargin = margin;
    EXPECT_EQ(ComposeBaseImage(s).Width(), 30) << margin;
  }
}
