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
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      EXPECT_EQ(b.GetPixel(x, y), colors.at(rows[y].at(x))) << "pixel " << x << ", " << y;
}

Bitmap Rendered(TButtonizer& button, int w, int h) {
  Bitmap b(w, h);
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

TEST(ButtonizerBevel, OpacityIsClampedAndBlendingIsNotNormalised) {
  TButtonizer b;
  b.SetOpacity(-5);
  EXPECT_EQ(b.Opacity(), 0);
  b.SetOpacity(250);
  EXPECT_EQ(b.Opacity(), 100);
  EXPECT_EQ(TButtonizer::BlendColors(0xFFFFFF, 0xFFFFFF, 512, 511), 0xFEFEFEu);
  EXPECT_EQ(TButtonizer::BlendColors(0xFF102030, 0x302010, 256, 768), 0x282018u) << "high byte dropped";
}

TEST(ButtonizerBevel, ZeroOpacityLeavesOnlyTheBackground) {
  TButtonizer button;
  Bevel(button, 2, 0);
  Bitmap flat(7, 5);
  flat.Fill(0xF0F0F0);
  EXPECT_EQ(Rendered(button, 7, 5), flat);

  Bitmap picture(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) picture.SetPixel(x, y, RGBColor(x * 30, y * 40, 99));
  button.SetExtBMP(&picture);
  EXPECT_EQ(Rendered(button, 7, 5), picture);
}

TEST(ButtonizerBevel, FlatModeDrawsFadingLinesWithColumnsWinningTheCorners) {
  TButtonizer button;
  Bevel(button, 2, 100);
  ExpectPicture(Rendered(button, 10, 6),
                {"BBBBBBBBBK", "BLLLLLLLDK", "BLFFFFFFDK", "BLFFFFFFDK", "BLDDDDDDDK", "BKKKKKKKKK"},
                {{'B', 0x2040E0},
                 {'F', 0xF0F0F0},
                 {'K', 0x102030},
                 {'L', FloorAverage(0x2040E0, 0xF0F0F0)},
                 {'D', FloorAverage(0x102030, 0xF0F0F0)}});
}

TEST(ButtonizerBevel, ThinEdgesAndLimitedThickness) {
  TButtonizer one;
  Bevel(one, 1, 50);
  ExpectPicture(Rendered(one, 5, 4), {"LLLLD", "LFFFD", "LFFFD", "LDDDD"},
                {{'L', TButtonizer::BlendColors(0x2040E0, 0xF0F0F0, 512, 512)},
                 {'D', TButtonizer::BlendColors(0x102030, 0xF0F0F0, 512, 512)},
                 {'F', 0xF0F0F0}});

  TButtonizer wide, limited;
  EXPECT_EQ(Rendered(Bevel(wide, 100, 80), 10, 6), Rendered(Bevel(limited, 3, 80), 10, 6));

  // One pixel high: the half side is 0 and the thickness becomes 1.
  TButtonizer thin;
  Bevel(thin, 4, 100);
  ExpectPicture(Rendered(thin, 5, 1), {"BKKKK"}, {{'B', 0x2040E0}, {'K', 0x102030}});
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
                {"RRRRRRRRRK", "RabbbbbbcK", "RbWWWWWWdK", "RbWWWWWWdK", "ReddddddgK", "RKKKKKKKKK"},
                {{'R', 0x0000FF}, {'K', 0}, {'W', 0xFFFFFF}, {'a', 0x3F3FFF}, {'b', 0x7F7FFF},
                 {'c', 0x3F3F7F}, {'d', 0x7F7F7F}, {'e', 0x3F3FBF}, {'g', 0x3F3F3F}});
}

TEST(ButtonizerBevel, AssignSharesThePictureAndPaintWaitsForTheUpdate) {
  Bitmap picture(2, 2);
  TButtonizer source;
  source.SetExtBMP(&picture);
  source.SetOpacity(7);
  source.SetSmooth(2);
  TButtonizer target;
  int notifications = 0;
  target.OnChange = [&] { ++notifications; };
  target.Assign(source);
  EXPECT_EQ(target.ExtBMP(), &picture);
  EXPECT_EQ(target.Opacity(), 7);
  EXPECT_EQ(target.Smooth(), 2);
  EXPECT_FALSE(target.Updating());
  EXPECT_GE(notifications, 1);

  TButtonizer button;
  Bitmap b(20, 12);
  TCanvas canvas(b);
  button.BeginUpdate();
  button.SetColorFG(0x123456);
  button.Paint(canvas, 20, 12);
  EXPECT_EQ(b, Bitmap(20, 12));
  notifications = 0;
  button.OnChange = [&] { ++notifications; };
  button.EndUpdate();
  EXPECT_EQ(notifications, 0) << "ending an update does not repaint by itself";
  button.Paint(canvas, 20, 12);
  EXPECT_EQ(b.GetPixel(10, 6), 0x123456u);
}
