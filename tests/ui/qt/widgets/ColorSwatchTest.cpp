#include <gtest/gtest.h>

#include "ui/qt/widgets/ColorSwatch.h"

using namespace kestrova;

namespace {

constexpr TColor kFace = 0xD4D0C8;

// 'b' block, 'f' frame, '.' face, row by row.
std::string Picture(const Bitmap& b, TColor block, TColor frame) {
  std::string out;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.GetPixel(x, y);
      out += c == block ? 'b' : c == frame ? 'f' : c == kFace ? '.' : '?';
    }
    out += '\n';
  }
  return out;
}

}  // namespace

TEST(ColorSwatch, BlockInsideAFrameOfTheInverseWithTheLastColumnAndRowInTheFaceColour) {
  struct Case {
    int w, h;
    TColor glyph, frame;
  };
  const Case cases[] = {
      {16, 16, 0x0000FF, 0xFFFF00},  // a new button: red in a cyan frame
      {9, 14, 0x0000FF, 0xFFFF00},   // the window's buttons
      {9, 14, 0xFFFFFF, 0x000000},   // white in black
      {4, 4, 0x123456, 0xEDCBA9},
  };
  for (const Case& c : cases) {
    const Bitmap swatch = qt::DrawColorSwatch(c.w, c.h, c.glyph, kFace);
    ASSERT_EQ(swatch.Width(), c.w);
    std::string expected;
    for (int y = 0; y < c.h; ++y) {
      for (int x = 0; x < c.w; ++x) {
        if (x == c.w - 1 || y == c.h - 1) {
          expected += '.';
        } else if (x == 0 || x == c.w - 2 || y == 0 || y == c.h - 2) {
          expected += 'f';
        } else {
          expected += 'b';
        }
      }
      expected += '\n';
    }
    EXPECT_EQ(Picture(swatch, c.glyph, c.frame), expected) << c.w << "x" << c.h;
  }
}

TEST(ColorSwatch, TheWindowsButtonsShowASixByElevenBlock) {
  const Bitmap swatch = qt::DrawColorSwatch(9, 14, 0x00FF00, kFace);
  int block = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 9; ++x) block += swatch.GetPixel(x, y) == 0x00FF00 ? 1 : 0;
  EXPECT_EQ(block, 6 * 11);
}

TEST(ColorSwatch, AnotherFaceColourChangesOnlyTheLastColumnAndRow) {
  const Bitmap a = qt::DrawColorSwatch(9, 14, 0x0000FF, kFace);
  const Bitmap b = qt::DrawColorSwatch(9, 14, 0x0000FF, 0x808080);
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 9; ++x) {
      const bool edge = x == 8 || y == 13;
      EXPECT_EQ(a.GetPixel(x, y) != b.GetPixel(x, y), edge) << x << "," << y;
    }
  }
}

TEST(ColorSwatch, NoSizeGivesNoPicture) {
  EXPECT_TRUE(qt::DrawColorSwatch(0, 14, 0, kFace).Empty());
  EXPECT_TRUE(qt::DrawColorSwatch(9, -1, 0, kFace).Empty());
}
