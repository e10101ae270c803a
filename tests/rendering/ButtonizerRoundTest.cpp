#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <set>

#include "rendering/Buttonizer.h"

using namespace kestrova;

namespace {

constexpr TColor kAround = 0x00A000;
constexpr TColor kFace = 0x336699;

TButtonizer& Round(TButtonizer& b, int rings, int margin) {
  b.SetRoundBtn(true);
  b.SetColorTR(kAround);
  b.SetColorFG(kFace);
  b.SetColorBG(0x0000FF);
  b.SetColorBL(0xFF0000);
  b.SetExtRadius(rings);
  b.SetExtMargin(margin);
  return b;
}

Bitmap Pattern(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(x * 7, y * 11, (x * y) & 0xFF));
  return b;
}

Bitmap Rendered(TButtonizer& button, int w, int h) {
  Bitmap b(w, h);
  TCanvas canvas(b);
  button.Render(canvas, w, h);
  return b;
}

std::set<TColor> Colours(const Bitmap& b) {
  std::set<TColor> seen;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) seen.insert(b.GetPixel(x, y));
  return seen;
}

int Brightness(TColor c) { return RedOf(c) + GreenOf(c) + BlueOf(c); }

}  // namespace

TEST(ButtonizerRound, WithoutRingsTheFaceDiscFillsTheEllipse) {
  TButtonizer button;
  Round(button, 0, 3);
  const Bitmap b = Rendered(button, 30, 20);
  const ClipRegion ellipse = ClipRegion::Ellipse(TRect{3, 3, 27, 17});
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      EXPECT_EQ(b.GetPixel(x, y), ellipse.Contains(x, y) ? kFace : kAround) << x << ", " << y;
}

TEST(ButtonizerRound, RingsStayInsideTheEllipseOverAnExternalPicture) {
  for (int margin : {0, 4}) {
    const Bitmap picture = Pattern(41, 27);
    TButtonizer button;
    Round(button, 5, margin);
    button.SetRound3DLike(true);
    button.SetAngle(30);
    button.SetExtBMP(&picture);
    const Bitmap b = Rendered(button, 41, 27);
    const ClipRegion ellipse = ClipRegion::Ellipse(TRect{margin, margin, 41 - margin, 27 - margin});
    int changed = 0;
    for (int y = 0; y < 27; ++y)
      for (int x = 0; x < 41; ++x) {
        if (!ellipse.Contains(x, y)) {
          ASSERT_EQ(b.GetPixel(x, y), picture.GetPixel(x, y)) << x << ", " << y;
        }
        changed += b.GetPixel(x, y) != picture.GetPixel(x, y);
      }
    EXPECT_GT(changed, 0) << "rings were drawn";
    EXPECT_EQ(b.GetPixel(20, 13), picture.GetPixel(20, 13)) << "no face disc over the picture";
  }
}

TEST(ButtonizerRound, PlainRingsStepFromTheOuterToTheInnerColour) {
  TButtonizer one, four;
  EXPECT_EQ(Colours(Rendered(Round(one, 1, 0), 40, 30)), (std::set<TColor>{kAround, kFace, 0x0000FF}))
      << "ring 0 is ColorBG itself";
  const std::set<TColor> seen = Colours(Rendered(Round(four, 4, 0), 40, 30));
  // Weights 1024 - k * 256 and k * 256.
  const std::set<TColor> rings{0x0000FF, 0x3F00BF, 0x7F007F, 0xBF003F};
  for (TColor c : seen) EXPECT_TRUE(c == kAround || c == kFace || rings.count(c)) << std::hex << c;
  EXPECT_TRUE(seen.count(0xBF003F)) << "the innermost ring shows";
}

TEST(ButtonizerRound, ShadingPutsTheLightUpperRightAtAngleZero) {
  TButtonizer button;
  Round(button, 3, 0);
  button.SetRound3DLike(true);
  button.SetColorBG(0x808080);
  button.SetColorBL(0x808080);
  button.SetMyblack(0x000000);
  button.SetMywhite(0xFFFFFF);
  const Bitmap b = Rendered(button, 61, 61);
  TPoint lightest{}, darkest{};
  int most = -1, least = 1000;
  for (int y = 0; y < 61; ++y)
    for (int x = 0; x < 61; ++x) {
      const TColor c = b.GetPixel(x, y);
      if (c == kAround || c == kFace) continue;
      if (Brightness(c) > most) most = Brightness(c), lightest = {x, y};
      if (Brightness(c) < least) least = Brightness(c), darkest = {x, y};
    }
  EXPECT_GT(lightest.x, 30);
  EXPECT_LT(lightest.y, 30);
  EXPECT_LT(darkest.x, 30);
  EXPECT_GT(darkest.y, 30);
  EXPECT_GT(most, 3 * 0xE0);
  EXPECT_LT(least, 3 * 0x20);
}

TEST(ButtonizerRound, SmoothingChangesOnlyTheInsideOfTheEllipse) {
  for (int margin : {0, 3}) {
    TButtonizer plain, smoothed;
    Round(plain, 4, margin).SetRound3DLike(true);
    Round(smoothed, 4, margin).SetRound3DLike(true);
    smoothed.SetSmooth(3);
    const Bitmap a = Rendered(plain, 33, 21), b = Rendered(smoothed, 33, 21);
    const ClipRegion ellipse = ClipRegion::Ellipse(TRect{margin, margin, 33 - margin, 21 - margin});
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 33; ++x) {
        const bool outer = x == 0 || y == 0 || x == 32 || y == 20;
        if (outer || !ellipse.Contains(x, y)) {
          ASSERT_EQ(b.GetPixel(x, y), a.GetPixel(x, y)) << x << ", " << y;
        }
      }
    EXPECT_NE(a, b);
  }
}

TEST(ButtonizerRound, SmoothBitmapAveragesFourNeighboursInPlace) {
  Bitmap b(4, 3);
  b.Fill(0xFF00FF);
  b.SetPixel(1, 1, 0x00FF00);  // its own value takes no part
  b.SetPixel(2, 1, 0x000000);
  TButtonizer::SmoothBitmap(b, -5, -5, 99, 99);
  EXPECT_EQ(b.GetPixel(1, 1), 0xBF00BFu);   // (255 + 255 + 255 + 0) / 4
  EXPECT_EQ(b.GetPixel(2, 1), 0xEF00EFu);   // left neighbour already smoothed: (255*3 + 191) / 4
  EXPECT_EQ(b.GetPixel(0, 1), 0xFF00FFu) << "outermost columns stay";
  EXPECT_EQ(b.GetPixel(3, 1), 0xFF00FFu);

  Bitmap lone(3, 3);
  lone.SetPixel(1, 1, 0xFFFFFF);
  TButtonizer::SmoothBitmap(lone, 0, 0, 3, 3);
  EXPECT_EQ(lone, Bitmap(3, 3)) << "a lone bright pixel among black neighbours becomes black";

  Bitmap indexed(3, 3, PixelFormat::pf8bit);
  TButtonizer::SmoothBitmap(indexed, 5, 5, 0, 0);
  EXPECT_EQ(indexed.Format(), PixelFormat::pf24bit) << "converted even when nothing is smoothed";
}

TEST(ButtonizerRound, ClipRegionModes) {
  Bitmap b(6, 6);
  TCanvas canvas(b);
  EXPECT_EQ(TButtonizer::SetClipRegion(canvas, TRect{0, 0, 6, 6}, 0, 0, 3), nullptr);
  EXPECT_FALSE(canvas.HasClipRegion());

  TRegionHandle round = TButtonizer::SetClipRegion(canvas, TRect{0, 0, 6, 6}, 4, 4, crmRoundRect);
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(TButtonizer::SetClipRegion(canvas, TRect{0, 0, 6, 6}, 0, 0, 3), nullptr);
  canvas.FillRect(TRect{0, 0, 6, 6});
  EXPECT_EQ(b.GetPixel(0, 0), clBlack) << "an unknown mode leaves the earlier clip";
  EXPECT_EQ(b.GetPixel(0, 3), clWhite);
  TButtonizer::ClearClipRegion(canvas, round);
  EXPECT_EQ(round, nullptr);
  EXPECT_FALSE(canvas.HasClipRegion());
}

// Ring counts far beyond any picture draw no button (the sums of the ellipse's
// box would not fit an int, and the rings would take for ever); up to the
// limit the button is drawn.
TEST(ButtonizerRound, ARingCountBeyondTheLimitDrawsNoButton) {
  const int limit = TButtonizer::kMaxRingCount;
  for (const int rings : {INT_MAX, INT_MIN, limit + 1, -limit - 1}) {
    TButtonizer b;
    EXPECT_FALSE(TButtonizer::RingCountDrawable(rings));
    EXPECT_EQ(Colours(Rendered(Round(b, rings, 2), 12, 8)), std::set<TColor>{kAround}) << rings << " rings";
  }
  for (const int rings : {limit, -limit}) EXPECT_TRUE(TButtonizer::RingCountDrawable(rings));
}

TEST(ButtonizerRound, MarginsFarBeyondTheCanvasDrawAtOnce) {
  // Far outside the canvas every ring passes round it and the face disc covers it.
  for (const int margin : {std::numeric_limits<int>::min(), -1000000, -TButtonizer::kMaxExtMargin - 1}) {
    TButtonizer button;
    Round(button, 999, margin);
    button.SetSmooth(99);
    EXPECT_EQ(button.ExtMargin(), std::max(margin, -TButtonizer::kMaxExtMargin));
    EXPECT_EQ(Colours(Rendered(button, 40, 20)), std::set<TColor>{kFace}) << margin;
  }
  // Far inside it the ellipse is gone, and so are the rings.
  for (const int margin : {std::numeric_limits<int>::max(), 1000000}) {
    TButtonizer button;
    Round(button, 999, margin);
    EXPECT_EQ(button.ExtMargin(), std::min(margin, TButtonizer::kMaxExtMargin));
    EXPECT_EQ(Colours(Rendered(button, 40, 20)).count(0x0000FF), 0u) << margin;
  }
}
