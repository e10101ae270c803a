// Fills, lines and pens: which pixels FillRect and LineTo cover.

#include <gtest/gtest.h>

#include "rendering/Canvas.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

TEST(CanvasFill, CoversLeftToRightMinusOneAndTopToBottomMinusOne) {
  EXPECT_EQ(Drawn(6, 4, [](TCanvas& c) { c.FillRect(TRect{1, 1, 4, 3}); }),
            "......\n"
            ".rrr..\n"
            ".rrr..\n"
            "......\n");
}

TEST(CanvasLine, LeavesOutTheEndPointInEveryDirection) {
  Bitmap b = Filled(7, 7, clWhite);
  TCanvas c(b);
  c.MoveTo(1, 0);
  c.LineTo(5, 0);  // right: 1..4
  c.MoveTo(6, 6);
  c.LineTo(6, 2);  // up: 6..3
  c.MoveTo(0, 2);
  c.LineTo(3, 5);  // diagonal: (0,2) (1,3) (2,4)
  EXPECT_EQ(c.PenPos, (TPoint{3, 5}));
  c.MoveTo(4, 4);
  c.LineTo(4, 4);  // zero length: nothing
  const TPoint corner[] = {{2, 6}, {4, 6}, {4, 4}};
  c.Polyline(corner);  // (2,6) (3,6) (4,6) (4,5); PenPos stays
  EXPECT_EQ(c.PenPos, (TPoint{4, 4}));
  EXPECT_EQ(Art(b),
            ".####..\n"
            ".......\n"
            "#......\n"
            ".#....#\n"
            "..#...#\n"
            "....#.#\n"
            "..###.#\n");
}

namespace {

std::string LineArt(int w, int h, int penWidth, TPoint from, TPoint to) {
  return Drawn(w, h, [&](TCanvas& c) {
    c.Pen.width = penWidth;
    c.MoveTo(from.x, from.y);
    c.LineTo(to.x, to.y);
  });
}

}  // namespace

// A pen of width w on row y covers rows y - w/2 .. y - w/2 + w - 1 and reaches
// about w/2 past both ends (round ends).
TEST(CanvasLine, WidePensAreCentredOnTheLine) {
  EXPECT_EQ(LineArt(9, 7, 3, {2, 3}, {6, 3}),
            ".........\n"
            ".........\n"
            ".#######.\n"
            ".#######.\n"
            ".#######.\n"
            ".........\n"
            ".........\n");
  // Even widths: the row of the line and the one above it.
  EXPECT_EQ(LineArt(9, 4, 2, {2, 2}, {6, 2}),
            ".........\n"
            ".######..\n"
            ".######..\n"
            ".........\n");
  Bitmap b = Filled(3, 3, clWhite);
  TCanvas c(b);
  c.Pen.style = PenStyle::psClear;
  c.MoveTo(0, 0);
  c.LineTo(3, 3);
  EXPECT_TRUE(PixelsOf(b, clBlack).empty());
}
