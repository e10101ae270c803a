#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "rendering/Buttonizer.h"

using namespace kestrova;

namespace {

// Channel-wise floor of the average of two colours.
TColor FloorAverage(TColor a, TColor b) {
  return RGBColor((RedOf(a) + RedOf(b)) / 2, (GreenOf(a) + GreenOf(b)) / 2, (BlueOf(a) + BlueOf(b)) / 2);
}

// Compares a bitmap with rows of letters, each letter standing for a colour.
void ExpectPicture(const Bitmap& b, const std::vector<std::string>& rows, const std::map<char, TColor>& colors) {
  ASSERT_EQ(b.Height(), static_cast<int>(rows.size()));
  for (int y = 0; y < b.Height(); ++y) {
    ASSERT_EQ(b.Width(), static_cast<int>(rows[y].size()));
    for (int x = 0; x < b.Width(); ++x)
      EXPECT_EQ(b.GetPixel(x, y), colors.at(rows[y][x])) << "pixel " << x << ", " << y;
  }
}

Bitmap Rendered(TButtonizer& button, int w, int h, TColor under = clWhite) {
  Bitmap b(w, h);
  b.Fill(under);
  TCanvas canvas(b);
  button.Render(canvas, w, h);
  return b;
}

TButtonizer& Bevel(TButtonizer& button, int thickness, int opacity) {
  button.SetColorBG(0x2040E0);
  button.SetColorFG(0xF0F0F0);
  button.SetColorBL(0x102030);
  button.SetX(thickness);
  button.SetY(thickness);
  button.SetOpacity(opacity);
  return button;
}

}  // namespace

TEST(ButtonizerBevel, StartsWithTheDocumentedDefaults) {
  TButtonizer b;
  EXPECT_EQ(b.ColorBG(), 255u);
  EXPECT_EQ(b.ColorFG(), 0xFFFFFFu);
  EXPECT_EQ(b.ColorBL(), 0u);
  EXPECT_EQ(b.ColorTR(), 0u);
  EXPECT_EQ(b.X(), 3);
  EXPECT_EQ(b.Y(), 3);
  EXPECT_EQ(b.Opacity(), 50);
  EXPECT_EQ(b.ExtBMP(), nullptr);
  EXPECT_FALSE(b.FullMix() || b.RoundBtn() || b.Round3DLike() || b.Updating());
  EXPECT_EQ(b.Angle(), 0.0f);
  EXPECT_EQ(b.Myblack(), 0x303030u);
  EXPECT_EQ(b.Mywhite(), 0xEFEFEFu);
  EXPECT_EQ(b.ExtRadius(), 5);
  EXPECT_EQ(b.ExtMargin(), 0);
  EXPECT_EQ(b.Smooth(), 0);
}

TEST(ButtonizerBevel, OpacityIsClampedToPercent) {
  TButtonizer b;
  b.SetOpacity(-5);
  EXPECT_EQ(b.Opacity(), 0);
  b.SetOpacity(250);
  EXPECT_EQ(b.Opacity(), 100);
  b.SetOpacity(37);
  EXPECT_EQ(b.Opacity(), 37);
}

TEST(ButtonizerBevel, BlendColorsShiftsUnnormalisedWeights) {
  EXPECT_EQ(TButtonizer::BlendColors(0xFFFFFF, 0xFFFFFF, 512, 511), 0xFEFEFEu) << "1023 darkens by one";
  EXPECT_EQ(TButtonizer::BlendColors(0xFF0000FF, 0x00FF00, 1024, 0), 0x0000FFu) << "high byte dropped";
  EXPECT_EQ(TButtonizer::BlendColors(0x0000FF, 0x00FF00, 512, 512), 0x007F7Fu);
  EXPECT_EQ(TButtonizer::BlendColors(0x102030, 0x302010, 256, 768), 0x282018u);
}

TEST(ButtonizerBevel, ZeroOpacityLeavesOnlyTheBackground) {
  TButtonizer button;
  Bevel(button, 2, 0);
  EXPECT_EQ(Rendered(button, 7, 5, clBlack), [] {
    Bitmap b(7, 5);
    b.Fill(0xF0F0F0);
    return b;
  }());

  Bitmap picture(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) picture.SetPixel(x, y, RGBColor(x * 30, y * 40, 99));
  button.SetExtBMP(&picture);
  EXPECT_EQ(Rendered(button, 7, 5), picture);
}

TEST(ButtonizerBevel, FlatModeDrawsFadingLinesWithColumnsWinningTheCorners) {
  TButtonizer button;
  Bevel(button, 2, 100);
  const std::map<char, TColor> colors{{'B', 0x2040E0},
                                      {'F', 0xF0F0F0},
                                      {'K', 0x102030},
                                      {'L', FloorAverage(0x2040E0, 0xF0F0F0)},
                                      {'D', FloorAverage(0x102030, 0xF0F0F0)}};
  ExpectPicture(Rendered(button, 10, 6),
                {"BBBBBBBBBK", "BLLLLLLLDK", "BLFFFFFFDK", "BLFFFFFFDK", "BLDDDDDDDK", "BKKKKKKKKK"}, colors);
}

TEST(ButtonizerBevel, OnePixelEdgesCarryTheFullMixedEdgeColour) {
  TButtonizer button;
  Bevel(button, 1, 50);
  const TColor light = TButtonizer::BlendColors(0x2040E0, 0xF0F0F0, 512, 512);
  const TColor dark = TButtonizer::BlendColors(0x102030, 0xF0F0F0, 512, 512);
  ExpectPicture(Rendered(button, 5, 4), {"LLLLD", "LFFFD", "LFFFD", "LDDDD"},
                {{'L', light}, {'D', dark}, {'F', 0xF0F0F0}});
}

TEST(ButtonizerBevel, ThicknessIsLimitedByTheSmallerHalfSide) {
  TButtonizer wide, limited;
  EXPECT_EQ(Rendered(Bevel(wide, 100, 80), 10, 6), Rendered(Bevel(limited, 3, 80), 10, 6));

  // One pixel high: the half side is 0 and the thickness becomes 1.
  TButtonizer thin;
  Bevel(thin, 4, 100);
  ExpectPicture(Rendered(thin, 5, 1), {"BKKKK"}, {{'B', 0x2040E0}, {'K', 0x102030}});
  thin.SetFullMix(true);
  ExpectPicture(Rendered(thin, 1, 1), {"K"}, {{'K', 0x102030}});  // the dark edge is mixed last
}

TEST(ButtonizerBevel, FullMixBlendsIntoThePictureUnderneath) {
  TButtonizer button;
  button.SetColorBG(0x0000FF);
  button.SetColorBL(0);
  button.SetOpacity(100);
  button.SetX(2);
  button.SetY(2);
  button.SetFullMix(true);
  Bitmap picture(10, 6);
  picture.Fill(clWhite);
  button.SetExtBMP(&picture);  // the picture's own canvas: mixed in place
  TCanvas canvas(picture);
  button.Render(canvas, 10, 6);
  ExpectPicture(picture,
                {"RRRRRRRRRK", "RabbbbbbcK", "RbWWWWWWdK", "RbWWWWWWdK", "ReffffffgK", "RKKKKKKKKK"},
                {{'R', 0x0000FF},
                 {'K', 0},
                 {'W', 0xFFFFFF},
                 {'a', 0x3F3FFF},
                 {'b', 0x7F7FFF},
                 {'c', 0x3F3F7F},
                 {'d', 0x7F7F7F},
                 {'e', 0x3F3FBF},
                 {'f', 0x7F7F7F},
                 {'g', 0x3F3F3F}});
}

TEST(ButtonizerBevel, AssignCopiesEveryEffectPropertyAndNotifiesOnce) {
  Bitmap picture(2, 2);
  TButtonizer source;
  source.SetColorBG(1);
  source.SetColorFG(2);
  source.SetColorBL(3);
  source.SetColorTR(4);
  source.SetOpacity(5);
  source.SetX(6);
  source.SetY(7);
  source.SetExtBMP(&picture);
  source.SetFullMix(true);
  source.SetRoundBtn(true);
  source.SetAngle(12.5f);
  source.SetRound3DLike(true);
  source.SetMyblack(8);
  source.SetMywhite(9);
  source.SetExtRadius(10);
  source.SetExtMargin(11);
  source.SetSmooth(12);

  TButtonizer target;
  int notifications = 0;
  target.OnChange = [&] { ++notifications; };
  target.Assign(source);
  EXPECT_EQ(target.ColorBG(), 1u);
  EXPECT_EQ(target.ColorFG(), 2u);
  EXPECT_EQ(target.ColorBL(), 3u);
  EXPECT_EQ(target.ColorTR(), 4u);
  EXPECT_EQ(target.Opacity(), 5);
  EXPECT_EQ(target.X(), 6);
  EXPECT_EQ(target.Y(), 7);
  EXPECT_EQ(target.ExtBMP(), &picture);
  EXPECT_TRUE(target.FullMix() && target.RoundBtn() && target.Round3DLike());
  EXPECT_EQ(target.Angle(), 12.5f);
  EXPECT_EQ(target.Myblack(), 8u);
  EXPECT_EQ(target.Mywhite(), 9u);
  EXPECT_EQ(target.ExtRadius(), 10);
  EXPECT_EQ(target.ExtMargin(), 11);
  EXPECT_EQ(target.Smooth(), 12);
  EXPECT_FALSE(target.Updating());
  EXPECT_GE(notifications, 1);
}

TEST(ButtonizerBevel, PaintDrawsNothingWhileUpdating) {
  TButtonizer button;
  int notifications = 0;
  button.OnChange = [&] { ++notifications; };
  Bitmap b(20, 12);
  TCanvas canvas(b);
  button.BeginUpdate();
  button.SetColorFG(0x123456);
  EXPECT_EQ(notifications, 1) << "every setter notifies";
  button.Paint(canvas, 20, 12);
  EXPECT_EQ(b, Bitmap(20, 12));
  button.EndUpdate();
  EXPECT_EQ(notifications, 1) << "ending an update does not repaint by itself";
  button.Paint(canvas, 20, 12);
  EXPECT_EQ(b.GetPixel(10, 6), 0x123456u);
}
