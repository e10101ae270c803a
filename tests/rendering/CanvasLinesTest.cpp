// Fills, lines and pens: which pixels FillRect, LineTo and Polyline cover.

#include <gtest/gtest.h>

#include "rendering/Canvas.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

TEST(CanvasFill, CoversLeftToRightMinusOneAndTopToBottomMinusOne) {
  Bitmap b = Filled(6, 4, clWhite);
  TCanvas c(b);
  c.Brush.color = clBlack;
  c.FillRect(TRect{1, 1, 4, 3});
  EXPECT_EQ(Art(b),
            "......\n"
            ".###..\n"
            ".###..\n"
            "......\n");
}

TEST(CanvasFill, ClearBrushEmptyAndHugeRectangles) {
  Bitmap b = Filled(5, 3, clWhite);
  TCanvas c(b);
  c.Brush.style = BrushStyle::bsClear;
  c.FillRect(TRect{0, 0, 5, 3});
  c.Brush.style = BrushStyle::bsSolid;
  c.Brush.color = clBlack;
  c.FillRect(TRect{3, 1, 1, 2});  // right of left: nothing
  c.FillRect(TRect{2, 2, 4, 2});  // no height: nothing
  EXPECT_EQ(Art(b), ".....\n.....\n.....\n");
  c.FillRect(TRect{-2000000000, -2000000000, 2000000000, 2000000000});
  EXPECT_EQ(PixelsOf(b, clBlack).size(), 15u);
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
  EXPECT_EQ(Art(b),
            ".####..\n"
            ".......\n"
            "#......\n"
            ".#....#\n"
            "..#...#\n"
            "......#\n"
            "......#\n");
}

TEST(CanvasLine, ShallowLinesStepOnceAndFarEndsCostNothing) {
  Bitmap b = Filled(8, 4, clWhite);
  TCanvas c(b);
  c.MoveTo(0, 0);
  c.LineTo(8, 2);  // two runs of four
  EXPECT_EQ(Art(b),
            "##......\n"
            "..####..\n"
            "......##\n"
            "........\n");
  b.Fill(clWhite);
  // Endpoints far outside the bitmap: only the visible part is walked.
  c.MoveTo(-2000000000, 3);
  c.LineTo(2000000000, 3);
  c.MoveTo(2, 2000000000);
  c.LineTo(2, -2000000000);
  EXPECT_EQ(Art(b),
            "..#.....\n"
            "..#.....\n"
            "..#.....\n"
            "########\n");
}

TEST(CanvasLine, PolylineJoinsItsPointsAndKeepsThePenPosition) {
  Bitmap b = Filled(5, 5, clWhite);
  TCanvas c(b);
  c.MoveTo(4, 4);
  const TPoint points[] = {{0, 0}, {3, 0}, {3, 3}};
  c.Polyline(points);
  EXPECT_EQ(c.PenPos, (TPoint{4, 4}));
  EXPECT_EQ(Art(b),
            "####.\n"
            "...#.\n"
            "...#.\n"
            ".....\n"
            ".....\n");
}

// A pen of width w on row y covers rows y - w/2 .. y - w/2 + w - 1 and reaches
// about w/2 past both ends (round ends).
TEST(CanvasLine, ThreePixelPenIsCentredOnTheLine) {
  Bitmap b = Filled(9, 7, clWhite);
  TCanvas c(b);
  c.Pen.width = 3;
  c.MoveTo(2, 3);
  c.LineTo(6, 3);
  EXPECT_EQ(Art(b),
            ".........\n"
            ".........\n"
            ".#######.\n"
            ".#######.\n"
            ".#######.\n"
            ".........\n"
            ".........\n");
  b.Fill(clWhite);
  c.MoveTo(4, 5);
  c.LineTo(4, 1);
  EXPECT_EQ(Art(b),
            "...###...\n"
            "...###...\n"
            "...###...\n"
            "...###...\n"
            "...###...\n"
            "...###...\n"
            "...###...\n");
}

TEST(CanvasLine, TwoPixelPenCoversTheRowAndTheOneAbove) {
  Bitmap b = Filled(9, 5, clWhite);
  TCanvas c(b);
  c.Pen.width = 2;
  c.MoveTo(2, 3);
  c.LineTo(6, 3);
  EXPECT_EQ(Art(b),
            ".........\n"
            ".........\n"
            ".######..\n"
            ".######..\n"
            ".........\n");
}

TEST(CanvasLine, WidePolylinesJoinWithoutNotchesAndClearPensDrawNothing) {
  Bitmap b = Filled(9, 9, clWhite);
  TCanvas c(b);
  c.Pen.width = 3;
  const TPoint corner[] = {{1, 1}, {7, 1}, {7, 7}};
  c.Polyline(corner);
  // The outer corner is filled: the joint is round, not notched.
  EXPECT_EQ(b.GetPixel(8, 0), clBlack);
  EXPECT_EQ(b.GetPixel(8, 8), clBlack);
  EXPECT_EQ(b.GetPixel(5, 5), clWhite);
  b.Fill(clWhite);
  c.Pen.style = PenStyle::psClear;
  c.MoveTo(0, 0);
  c.LineTo(8, 8);
  c.Polyline(corner);
  EXPECT_TRUE(PixelsOf(b, clBlack).empty());
}
