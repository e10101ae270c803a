#include <gtest/gtest.h>

#include "core/generation/ButtonGeneration.h"
#include "core/generation/GenerationError.h"

using namespace kestrova;

namespace {

// A base image whose every pixel tells where it lies: red = x, green = y.
Bitmap Coordinates(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(x, y, 0x40));
  return b;
}

ButtonSetInput Input(const Bitmap& base, std::vector<std::string> lines) {
  ButtonSetInput input;
  input.lines = std::move(lines);
  input.base = &base;
  input.caption.font = TFont{"DejaVu Sans", 9, 0, 1, clBlack, fqDefault};
  return input;
}

}  // namespace

TEST(GenerateButton, CopyModeKeepsTheBaseImagesFormatAndPalette) {
  Bitmap base(24, 12, PixelFormat::pf4bit);
  base.SetPalette({clBlack, clWhite, 0x0000C0, 0xC00000});
  base.Fill(0x0000C0);
  ButtonSetInput input = Input(base, {"Hi"});
  input.post = PostEffect{60, 2, 2, clWhite, clBlack};
  const Bitmap b = GenerateButton(input, 0).bitmap;
  EXPECT_EQ(b.Format(), PixelFormat::pf4bit);
  EXPECT_EQ(b.Palette(), base.Palette());
}

TEST(GenerateButton, PostEffectBlendsEdgesAndOpacityZeroLeavesThePixels) {
  const Bitmap base = Coordinates(32, 16);
  ButtonSetInput input = Input(base, {""});
  input.post = PostEffect{0, 3, 3, clWhite, clBlack};
  EXPECT_EQ(GenerateButton(input, 0).bitmap, base);
  input.post.opacity = 100;
  const Bitmap b = GenerateButton(input, 0).bitmap;
  EXPECT_EQ(b.GetPixel(0, 8), clWhite);
  EXPECT_EQ(b.GetPixel(31, 8), clBlack);
  EXPECT_EQ(b.GetPixel(16, 8), base.GetPixel(16, 8));
}

TEST(CheckButtonSet, TilesMayLieOutsideTheBaseButMustFitInMemory) {
  const Bitmap base = Coordinates(40, 10);
  ButtonSetInput corner = Input(base, {"a", "b"});
  corner.cut = CutSettings{true, cmVerticalStrip, 40, 10, 39, 9, 1};
  EXPECT_NO_THROW(CheckButtonSet(corner));  // button 2 starts below the image: a white tile

  ButtonSetInput huge = Input(base, std::vector<std::string>(300, "x"));
  huge.cut = CutSettings{true, cmHorizontalStrip, 9999, 9999, 0, 0, 1};
  EXPECT_THROW(CheckButtonSet(huge), GenerationError);
}

TEST(CheckButtonsOneByOne, OnlyOneButtonMustFitInMemory) {
  // 300 tiles of 1000 x 1000 pixels side by side, each touching the base image:
  // 3 x 10^8 pixels together, more than one bitmap may hold.
  const Bitmap base(300000, 1);
  ButtonSetInput input = Input(base, std::vector<std::string>(300, "x"));
  input.cut = CutSettings{true, cmHorizontalStrip, 1000, 1000, 0, 0, 1};
  EXPECT_THROW(CheckButtonSet(input), GenerationError);
  EXPECT_NO_THROW(CheckButtonsOneByOne(input));
  input.cut.width = input.cut.height = 20000;  // one tile over the limit
  EXPECT_THROW(CheckButtonsOneByOne(input), GenerationError);
  // The other checks hold as well.
  input.cut.width = 0;
  EXPECT_THROW(CheckButtonsOneByOne(input), GenerationError);
  input.cut.width = 1000;
  input.base = nullptr;
  EXPECT_THROW(CheckButtonsOneByOne(input), GenerationError);
}

TEST(DrawsCaptionText, UnlessEveryLineIsBlankAndBlankLinesAreIgnored) {
  const Bitmap base = Coordinates(8, 8);
  const struct {
    std::vector<std::string> lines;
    bool ignoreBlank;
    bool draws;
  } cases[] = {
      {{}, false, false},
      {{" ", ""}, false, true},
      {{" ", "\t"}, true, false},
      {{" ", "", "x"}, true, true},
  };
  for (const auto& c : cases) {
    ButtonSetInput input = Input(base, c.lines);
    input.caption.ignoreBlank = c.ignoreBlank;
    EXPECT_EQ(DrawsCaptionText(input), c.draws) << c.lines.size() << c.ignoreBlank;
  }
}

TEST(GenerateButtonSet, SameInputGivesTheSameBitmaps) {
  const Bitmap base = Coordinates(48, 20);
  ButtonSetInput input = Input(base, {"One", "Two"});
  input.caption.antialias = true;
  input.caption.shadow = TextShadow{true, true, 0x808080, {1, 1}};
  input.post = PostEffect{50, 2, 2, clWhite, clBlack};
  const auto first = GenerateButtonSet(input), second = GenerateButtonSet(input);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].bitmap, second[0].bitmap);
  EXPECT_EQ(first[1].bitmap, second[1].bitmap);
}
