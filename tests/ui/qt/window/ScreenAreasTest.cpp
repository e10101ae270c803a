// A window centred on a screen's area with the frame a window manager tells
// in screen pixels, which at the scale factor 2 may end within a window pixel.

#include <gtest/gtest.h>

#include "tests/ui/qt/OnScreen.h"
#include "ui/qt/window/ScreenAreas.h"

using namespace kestrova;
using namespace kestrova::test;

TEST(ScreenAreas, AWindowIsCentredOnTheAreaWithTheFrameAsTold) {
  struct Case {
    const char* what;
    QSize size;
    QMargins told;
    qreal scale;
    QRect area;
    QRect expected;
  };
  const QMargins handle(1, 20, 1, 5);  // title bar above, a handle below
  const Case cases[] = {
      // the frame from 373 to 908 across 1280 and from 142 to 659 down 800
      {"scale 1", {533, 492}, handle, 1, {0, 0, 1280, 800}, {374, 162, 533, 492}},
      // a title bar of 21 screen pixels: in screen pixels the frame from 137
      // to 1143 across 1280 and from 27 to 772 down 800 (counted as 22, it
      // would go from 29 to 774)
      {"half a window pixel above", {502, 360}, {1, 21, 1, 4}, 2, {0, 0, 640, 400}, {69, 24, 502, 360}},
      {"too large: fills the area", {700, 500}, handle, 2, {0, 0, 640, 400}, {1, 10, 638, 387}},
      {"an area off the origin, no frame", {180, 70}, {}, 1, {100, 30, 1180, 770}, {600, 380, 180, 70}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(qt::CentreWithToldFrame(c.size, c.told, c.scale, c.area)), Describe(c.expected)) << c.what;
  }
}
