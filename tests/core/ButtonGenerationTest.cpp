#include <gtest/gtest.h>

#include "core/ButtonGeneration.h"
#include "core/GenerationError.h"

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
  input.caption.font.name = "DejaVu Sans";
  input.caption.font.size = 9;
  return input;
}

}  // namespace

TEST(Counts, ButtonsRoundUpAndFilesFollowTheJoiningMode) {
  EXPECT_EQ(CountButtons(5, 2), 3);
  EXPECT_EQ(CountButtons(4, 2), 2);
  EXPECT_EQ(CountButtons(0, 2), 0);
  EXPECT_EQ(CountButtons(5, 0), 0);
  EXPECT_EQ(CountOutputFiles(0, 5, 2), 5);
  EXPECT_EQ(CountOutputFiles(1, 5, 2), 1);
  EXPECT_EQ(CountOutputFiles(2, 5, 2), 3);
  EXPECT_EQ(CountOutputFiles(2, 5, 0), 0);
  EXPECT_EQ(CountOutputFiles(3, 5, 2), 0);
}

TEST(ButtonLines, ButtonsTakeConsecutiveLinesAndTheCaptionIsTrimmed) {
  const std::vector<std::string> lines{"a", "b", "c", "d", " e "};
  EXPECT_EQ(ButtonLines(lines, 1, 2), (std::vector<std::string>{"c", "d"}));
  const std::vector<std::string> last = ButtonLines(lines, 2, 2);
  EXPECT_EQ(last, (std::vector<std::string>{" e ", ""}));
  EXPECT_EQ(ButtonCaption(last), "e");
  EXPECT_EQ(ButtonCaption({"\tHome", "Page ", ""}), "Home\r\nPage");
  EXPECT_EQ(ButtonCaption({"", " "}), "");
}

TEST(CutSourceRect, StripsAndMatrixTiles) {
  CutSettings cut{true, cmVerticalStrip, 10, 4, 2, 3, 3};
  EXPECT_EQ(CutSourceRect(cut, 2).top, 3 + 8);
  EXPECT_EQ(CutSourceRect(cut, 2).left, 2);
  cut.mode = cmHorizontalStrip;
  EXPECT_EQ(CutSourceRect(cut, 2).left, 2 + 20);
  EXPECT_EQ(CutSourceRect(cut, 2).bottom, 3 + 4);
  cut.mode = cmMatrix;  // 3 columns: tile 4 is column 1 of row 1
  const CutRect r = CutSourceRect(cut, 4);
  EXPECT_EQ(r.left, 2 + 10);
  EXPECT_EQ(r.top, 3 + 4);
  EXPECT_EQ(r.right, 2 + 20);
  EXPECT_EQ(r.bottom, 3 + 8);
}

TEST(CutTile, CopiesItsPieceAndLeavesWhatLiesOutsideTheBaseWhite) {
  const Bitmap base = Coordinates(20, 10).Converted(PixelFormat::pf8bit);
  CutSettings cut{true, cmMatrix, 8, 6, 1, 2, 2};
  const Bitmap tile = CutTile(base, cut, 3);  // column 1, row 1: (9, 8) to (17, 14)
  EXPECT_EQ(tile.Format(), PixelFormat::pf24bit);
  EXPECT_EQ(tile.GetPixel(0, 0), base.GetPixel(9, 8));
  EXPECT_EQ(tile.GetPixel(7, 1), base.GetPixel(16, 9));
  EXPECT_EQ(tile.GetPixel(0, 2), clWhite);  // row 10 is below the base image
  EXPECT_EQ(tile.GetPixel(7, 5), clWhite);
}

TEST(GenerateButton, CopyModeKeepsTheBaseImagesFormatAndPalette) {
  Bitmap base(24, 12, PixelFormat::pf4bit);
  base.SetPalette({clBlack, clWhite, 0x0000C0, 0xC00000});
  base.Fill(0x0000C0);
  ButtonSetInput input = Input(base, {"Hi"});
  input.post = PostEffect{60, 2, 2, clWhite, clBlack};
  const GeneratedButton button = GenerateButton(input, 0);
  EXPECT_EQ(button.bitmap.Format(), PixelFormat::pf4bit);
  EXPECT_EQ(button.bitmap.Palette(), base.Palette());
  EXPECT_EQ(button.caption, "Hi");
}

TEST(GenerateButton, PostEffectBlendsEdgesAndOpacityZeroLeavesThePixels) {
  const Bitmap base = Coordinates(32, 16);
  ButtonSetInput input = Input(base, {""});
  input.post = PostEffect{0, 3, 3, clWhite, clBlack};
  EXPECT_EQ(GenerateButton(input, 0).bitmap, base);

  input.post.opacity = 100;
  const Bitmap b = GenerateButton(input, 0).bitmap;
  EXPECT_EQ(b.GetPixel(0, 8), clWhite);   // outer light edge takes the edge colour
  EXPECT_EQ(b.GetPixel(31, 8), clBlack);  // outer dark edge
  EXPECT_EQ(b.GetPixel(16, 8), base.GetPixel(16, 8));
}

TEST(CheckButtonSet, RefusesSetsThatCannotBeMade) {
  const Bitmap none;
  EXPECT_THROW(CheckButtonSet(Input(none, {"a"})), GenerationError);
  EXPECT_NO_THROW(CheckButtonSet(Input(none, {})));  // no captions, no buttons

  const Bitmap base = Coordinates(40, 10);
  ButtonSetInput far = Input(base, {"a", "b"});
  far.cut = CutSettings{true, cmVerticalStrip, 40, 10, 0, 0, 1};
  try {
    CheckButtonSet(far);  // button 2 would start at row 10, below the image
    FAIL();
  } catch (const GenerationError& e) {
    EXPECT_STREQ(e.what(), "The cut rectangle of button 2 (0,10,40,20) lies outside the base image (40 x 10).");
  }
  far.cut.top = 9999;
  EXPECT_THROW(CheckButtonSet(far), GenerationError);
  far.cut = CutSettings{true, cmVerticalStrip, 40, 10, 39, 9, 1};
  far.lines = {"a"};
  EXPECT_NO_THROW(CheckButtonSet(far));  // one pixel inside is enough

  ButtonSetInput huge = Input(base, std::vector<std::string>(300, "x"));
  huge.cut = CutSettings{true, cmHorizontalStrip, 9999, 9999, 0, 0, 1};
  EXPECT_THROW(CheckButtonSet(huge), GenerationError);
}

TEST(GenerateButtonSet, SameInputGivesTheSameBitmaps) {
  const Bitmap base = Coordinates(48, 20);
  ButtonSetInput input = Input(base, {"One", "Two", "Three"});
  input.caption.antialias = true;
  input.caption.shadow = TextShadow{true, true, 0x808080, {1, 1}};
  input.post = PostEffect{50, 2, 2, clWhite, clBlack};
  const auto first = GenerateButtonSet(input), second = GenerateButtonSet(input);
  ASSERT_EQ(first.size(), 3u);
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].bitmap, second[i].bitmap);
  EXPECT_FALSE(first[0].bitmap == first[1].bitmap);
}
