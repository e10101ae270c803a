// One-bit pattern brushes without a colour table, as gnuplot writes every
// pattern fill: a bar chart of its own enhanced-metafile terminal is drawn
// with its patterns, each 0 bit in the text colour and each 1 bit in the
// background colour.

#include <gtest/gtest.h>

#include "rendering/Color.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// gnuplot's patterns 1 and 2 as its file holds them, top row first, 16 x 8.
constexpr const char* kCrosses[8] = {"1111111011111110", "0111110101111101", "1011101110111011", "1101011111010111",
                                     "1110111111101111", "1101011111010111", "1011101110111011", "0111110101111101"};
constexpr const char* kDots[8] = {"0111011101110111", "1010101010101010", "1101110111011101", "1010101010101010",
                                  "0111011101110111", "1010101010101010", "1101110111011101", "1010101010101010"};

}  // namespace

TEST(MetafileMonoBrush, AGnuplotBarChartIsDrawnWithItsPatterns) {
  const Played got = Play(ReadBytes(DataPath("metafile/gnuplot-pattern-bars.emf")));
  ASSERT_EQ(got.picture.Width(), 159);
  EXPECT_EQ(got.notDrawn, 0u);
  // Each bar's inside, three pixels in from its outline; the pattern is laid
  // from the picture's corner.
  const struct {
    TRect inside;
    const char* const* pattern;
    TColor colour;
  } bars[] = {{{31, 37, 52, 95}, kCrosses, clRed}, {{101, 50, 122, 95}, kCrosses, clRed}, {{66, 63, 87, 95}, kDots, 0xFF0000}};
  for (const auto& bar : bars) {
    int wrong = 0;
    for (int y = bar.inside.top; y < bar.inside.bottom; ++y)
      for (int x = bar.inside.left; x < bar.inside.right; ++x)
        wrong += got.picture.GetPixel(x, y) != (bar.pattern[y % 8][x % 16] == '0' ? bar.colour : clWhite);
    EXPECT_EQ(wrong, 0) << "the bar from " << bar.inside.left << "," << bar.inside.top;
  }
}
