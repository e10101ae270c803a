// A frame drawn on a canvas: where it lands when the screen is mapped onto a
// rectangle, stretched or tiled, with or without its transparent colour.

#include <gtest/gtest.h>

#include "tests/gif/GIFPainterTestSupport.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

constexpr TColor kUnder = kestrova::testing::kGreen;
const std::vector<TColor> kPalette = {clBlack, clWhite, clRed, RGBColor(0, 0, 255)};

// A 4 x 4 screen with one 2 x 2 frame at (1, 1): black, white / red, blue;
// blue (index 3) transparent when asked.
TGIFSubImage& SmallFrame(TGIFImage& image, bool transparent) {
  MakeAnimation(image, 4, 4, kPalette, {{1, 1, 2, 2, Bytes{0, 1, 2, 3}, 1, transparent ? 3 : -1}});
  return image.Images()[0];
}

std::string Drawn(TGIFSubImage& frame, int width, int height, const TRect& rect, bool transparent, bool tile,
                  bool stretch = false) {
  Bitmap target(width, height, PixelFormat::pf24bit);
  target.Fill(kUnder);
  TCanvas canvas(target);
  if (stretch) {
    frame.StretchDraw(canvas, rect, transparent, tile);
  } else {
    frame.Draw(canvas, rect, transparent, tile);
  }
  return kestrova::testing::Art(target);
}

}  // namespace

TEST(GIFSubImageDraw, ScaleRect) {
  TGIFImage image;
  MakeAnimation(image, 10, 8, kPalette, {{2, 2, 4, 3, Bytes(12, 0)}});
  const TGIFSubImage& frame = image.Images()[0];
  EXPECT_EQ(frame.ScaleRect(TRect{0, 0, 10, 8}), (TRect{2, 2, 6, 5}));
  EXPECT_EQ(frame.ScaleRect(TRect{10, 10, 30, 26}), (TRect{14, 14, 22, 20}));
  // Halves round away from zero: 5 x 4 / 8 = 2.5 -> 3.
  EXPECT_EQ(frame.ScaleRect(TRect{0, 0, 5, 4}), (TRect{1, 1, 3, 3}));
}

TEST(GIFSubImageDraw, StretchedTiledTransparent) {
  struct Case {
    const char* name;
    int width, height;
    TRect rect;
    bool transparent, tile, stretch;
    std::string expected;
  };
  const Case cases[] = {
      {"at its place", 4, 4, {0, 0, 4, 4}, false, false, false, "gggg\ng#.g\ngrbg\ngggg\n"},
      {"transparent", 4, 4, {0, 0, 4, 4}, true, false, false, "gggg\ng#.g\ngrgg\ngggg\n"},
      {"stretched by half as much again", 6, 6, {0, 0, 6, 6}, true, false, false,
       "gggggg\ngggggg\ngg##.g\ngg##.g\nggrrgg\ngggggg\n"},
      {"into a rectangle", 4, 4, {0, 0, 2, 2}, false, false, true, "#.gg\nrbgg\ngggg\ngggg\n"},
      {"tiled every screen width and height", 6, 6, {0, 0, 6, 6}, true, true, false,
       "gggggg\ng#.gg#\ngrgggr\ngggggg\ngggggg\ng#.gg#\n"},
      {"tiled from the rectangle's corner", 7, 7, {1, 0, 7, 7}, false, true, false,
       "ggggggg\ngg#.gg#\nggrbggr\nggggggg\nggggggg\ngg#.gg#\nggrbggr\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGIFImage image;
    TGIFSubImage& frame = SmallFrame(image, true);
    EXPECT_EQ(Drawn(frame, c.width, c.height, c.rect, c.transparent, c.tile, c.stretch), c.expected);
  }
}

TEST(GIFSubImageDraw, MaskFollowsTheTransparentColour) {
  TGIFImage image;
  TGIFSubImage& opaque = SmallFrame(image, false);
  EXPECT_EQ(opaque.Mask(), nullptr);
  // Transparency asked for a colour no pixel has: no mask, drawn opaque.
  TGIFSubImage& unused = SmallFrame(image, false);
  unused.GraphicControlExtension()->SetTransparent(true);
  unused.GraphicControlExtension()->SetTransparentColorIndex(2);
  unused.Scanline(1)[0] = 0;
  unused.FreeBitmap();
  EXPECT_EQ(unused.Mask(), nullptr);

  TGIFSubImage& frame = SmallFrame(image, true);
  const Bitmap* mask = frame.Mask();
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->GetPixel(0, 0), clBlack);
  EXPECT_EQ(mask->GetPixel(1, 1), clWhite);
  // Shown through the web palette, transparent pixels still stay out.
  image.DrawOptions = doDither;
  frame.FreeBitmap();
  EXPECT_EQ(Drawn(frame, 4, 4, TRect{0, 0, 4, 4}, true, false), "gggg\ng#.g\ngrgg\ngggg\n");
}
