#include <gtest/gtest.h>

#include "core/generation/GenerationError.h"
#include "core/generation/JoinedImages.h"

using namespace kestrova;

TEST(JoinedImages, RowSizesAndTheBitmapLimit) {
  const JoinLayout row{jlRow, 3, 5, 3, clWhite};
  EXPECT_EQ(JoinedImageSize(row, {96, 32}, 3).width, 3 * 96 + 10 + 6);
  EXPECT_EQ(JoinedImageSize(row, {96, 32}, 3).height, 42);
  EXPECT_EQ(SlotPosition(row, {96, 32}, 2), (TPoint{5 + 2 * 99, 5}));
  EXPECT_THROW(NewJoinedImage(row, {9999, 9999}, 100000), GenerationError);  // wider than 32 bits
}
