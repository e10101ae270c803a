#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/RasterOp.h"
#include "rendering/SpanUnion.h"

using namespace kestrova;

TEST(SpanUnion, OverlappingAndTouchingSpansComeOutOnceInRowOrder) {
  SpanUnion u(RowRange{0, 4});
  const SpanSink add = u.Collector();
  const int spans[][3] = {{2, 10, 14}, {1, 5, 8}, {2, 0, 3}, {2, 12, 20}, {2, 3, 4}, {1, 8, 9}, {2, 6, 7},
                          {2, 4, 6},   {5, 0, 9}, {-1, 0, 9}, {3, 4, 4}, {3, 1, 30}, {3, 2, 5}};
  for (const auto& s : spans) add(s[0], s[1], s[2]);
  std::string out;
  u.PaintTo([&](int y, int x0, int x1) {
    out += std::to_string(y) + ":" + std::to_string(x0) + "-" + std::to_string(x1) + " ";
  });
  EXPECT_EQ(out, "1:5-9 2:0-7 2:10-20 3:1-30 ");
}

TEST(SpanUnion, OperationsThatChangeAPixelAgainWhenRepeated) {
  // Copying, black, white, leaving alone, and merging or masking with the pen
  // give the same result twice; inverting and exclusive-or do not, nor do the
  // operations mixing the pen with the inverted pixel.
  const bool expected[] = {true,  false, true, true, false, false, false, false,
                           true,  false, true, true, true,  false, true,  true};
  for (int rop = 1; rop <= 16; ++rop) EXPECT_EQ(Rop2RepeatsAlike(rop), expected[rop - 1]) << rop;
}
