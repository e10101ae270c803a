#include <gtest/gtest.h>

#include "ui/model/form/TextCentering.h"

using namespace kestrova;

TEST(TextCentering, CentresTheLinesWithTheirGapsAndTruncatesTowardZero) {
  struct Case {
    int height, lines, lineHeight, gap, top;
  };
  const Case cases[] = {
      {32, 2, 16, 4, -2},   // (32 - 32 - 4) / 2
      {100, 1, 20, 9, 40},  // one line: no gap
      {29, 2, 16, 0, -1},   // -3 / 2 = -1, not -2
      {31, 1, 16, 0, 7},    // 15 / 2 = 7
      {0, 3, 10, 5, -20},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CenteredTextTop(c.height, c.lines, c.lineHeight, c.gap), c.top)
        << c.height << " " << c.lines << " " << c.lineHeight << " " << c.gap;
  }
}
