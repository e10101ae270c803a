#include <gtest/gtest.h>

#include "core/GenerationError.h"
#include "core/JoinedImages.h"

using namespace kestrova;

TEST(JoinedImages, GridOfFiveButtonsWithMarginAndGap) {
  const JoinLayout grid{jlGrid, 2, 4, 2, 0x00FF00};
  const JoinedSize size = JoinedImageSize(grid, {96, 32}, 5);
  EXPECT_EQ(size.width, 202);
  EXPECT_EQ(size.height, 108);
  EXPECT_EQ(SlotPosition(grid, {96, 32}, 4), (TPoint{4, 72}));
  EXPECT_EQ(SlotPosition(grid, {96, 32}, 3), (TPoint{102, 38}));

  Bitmap joined = NewJoinedImage(grid, {96, 32}, 5);
  Bitmap button(96, 32);
  button.Fill(clRed);
  EXPECT_EQ(PlaceButton(joined, grid, 4, button), "4,72,100,104");
  EXPECT_EQ(joined.GetPixel(4, 72), clRed);
  EXPECT_EQ(joined.GetPixel(99, 103), clRed);
  EXPECT_EQ(joined.GetPixel(100, 103), 0x00FF00u);
  EXPECT_EQ(joined.GetPixel(3, 72), 0x00FF00u);
  EXPECT_EQ(joined.GetPixel(4, 104), 0x00FF00u);
}

TEST(JoinedImages, ColumnAndRowSizes) {
  const JoinLayout column{jlColumn, 3, 0, 0, clWhite};
  EXPECT_EQ(JoinedImageSize(column, {96, 32}, 5).height, 5 * 32);
  EXPECT_EQ(JoinedImageSize(column, {96, 32}, 5).width, 96);
  const JoinLayout row{jlRow, 3, 5, 3, clWhite};
  EXPECT_EQ(JoinedImageSize(row, {96, 32}, 3).width, 3 * 96 + 10 + 6);
  EXPECT_EQ(JoinedImageSize(row, {96, 32}, 3).height, 42);
  EXPECT_EQ(SlotPosition(row, {96, 32}, 2), (TPoint{5 + 2 * 99, 5}));
  EXPECT_EQ(MapRectText({0, 64}, {96, 32}), "0,64,96,96");
}

TEST(JoinedImages, AnImageOverTheBitmapLimitIsRefusedBeforeAllocation) {
  const JoinLayout column{jlColumn, 1, 0, 0, clWhite};
  EXPECT_THROW(NewJoinedImage(column, {9999, 9999}, 10000), GenerationError);
  EXPECT_THROW(CheckJoinedImageSize(column, {2000, 2000}, 70), GenerationError);  // 2000 x 140000
  EXPECT_NO_THROW(CheckJoinedImageSize(column, {2000, 2000}, 60));
}
