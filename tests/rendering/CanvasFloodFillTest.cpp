// Flood fills: which pixels a fill of either kind reaches from its start,
// inside the clip, with colours compared as the bitmap stores them, and
// painted with the brush only once they are all found.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "rendering/Canvas.h"
#include "rendering/ClipRegion.h"
#include "rendering/Region.h"
#include "tests/rendering/CanvasTestSupport.h"
#include "tests/support/PaintingTime.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// The picture Art() draws, in the given format ('.' white, '#' black, 'r'
// red, 'g' green, 'b' blue); indexed formats get the palette of those five.
Bitmap FromArt(const std::vector<std::string>& rows, PixelFormat format = PixelFormat::pf24bit) {
  Bitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), format);
  if (IsIndexed(format) && format != PixelFormat::pf1bit) b.SetPalette({clWhite, clBlack, clRed, kGreen, kBlue});
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const char c = rows[y][x];
      b.SetPixel(x, y, c == '#' ? clBlack : c == 'r' ? clRed : c == 'g' ? kGreen : c == 'b' ? kBlue : clWhite);
    }
  return b;
}

std::string Joined(const std::vector<std::string>& rows) {
  std::string s;
  for (const std::string& r : rows) s += r + "\n";
  return s;
}

const std::vector<std::string> kBox = {
    "..........",
    ".#####....",
    ".#...#..#.",
    ".#.g.#..#.",
    ".#...#..#.",
    ".#####....",
    "..........",
};

}  // namespace

TEST(CanvasFloodFill, ReachesThePixelsOfItsKindSideBySideOrAboveAndBelow) {
  const auto clip = [](TRect r) { return std::optional<ClipRegion>(ClipRegion::Rectangle(r)); };
  // Two windows of a region clip joined only through pixels outside the clip.
  const std::optional<ClipRegion> windows =
      ClipRegion::Of(Region::FromRect(TRect{0, 0, 4, 7}).Combined(Region::FromRect(TRect{7, 0, 10, 7}), RegionOp::Or));
  const struct {
    const char* name;
    std::vector<std::string> picture;
    TPoint start;
    TColor colour;
    FloodStyle style;
    std::optional<ClipRegion> clip;
    bool filled;
    std::vector<std::string> expected;
  } cases[] = {
      {"inside a border, over other colours", kBox, {2, 2}, clBlack, FloodStyle::fsBorder, std::nullopt, true,
       {"..........", ".#####....", ".#rrr#..#.", ".#rrr#..#.", ".#rrr#..#.", ".#####....", ".........."}},
      {"outside a border, round every other line", kBox, {0, 0}, clBlack, FloodStyle::fsBorder, std::nullopt, true,
       {"rrrrrrrrrr", "r#####rrrr", "r#...#rr#r", "r#.g.#rr#r", "r#...#rr#r", "r#####rrrr", "rrrrrrrrrr"}},
      {"a surface stops at any other colour", kBox, {2, 2}, clWhite, FloodStyle::fsSurface, std::nullopt, true,
       {"..........", ".#####....", ".#rrr#..#.", ".#rgr#..#.", ".#rrr#..#.", ".#####....", ".........."}},
      {"no step across a corner",
       {"#....", ".#...", "..#..", "...#.", "....#"}, {4, 0}, clBlack, FloodStyle::fsBorder, std::nullopt, true,
       {"#rrrr", ".#rrr", "..#rr", "...#r", "....#"}},
      {"a start on the border fills nothing", kBox, {1, 1}, clBlack, FloodStyle::fsBorder, std::nullopt, false, kBox},
      {"a start of another colour fills nothing", kBox, {3, 3}, clWhite, FloodStyle::fsSurface, std::nullopt, false,
       kBox},
      {"a start off the picture fills nothing", kBox, {10, 3}, clBlack, FloodStyle::fsBorder, std::nullopt, false,
       kBox},
      {"only inside the clip", kBox, {0, 0}, clBlack, FloodStyle::fsBorder, clip({0, 0, 7, 3}), true,
       {"rrrrrrr...", "r#####r...", "r#...#r.#.", ".#.g.#..#.", ".#...#..#.", ".#####....", ".........."}},
      {"a start outside the clip fills nothing", kBox, {8, 0}, clBlack, FloodStyle::fsBorder, clip({0, 0, 7, 3}),
       false, kBox},
      {"not through pixels the clip leaves out", kBox, {0, 6}, clBlack, FloodStyle::fsBorder, windows, true,
       {"rrrr......", "r#####....", "r#...#..#.", "r#.g.#..#.", "r#...#..#.", "r#####....", "rrrr......"}},
  };
  for (const auto& k : cases) {
    Bitmap b = FromArt(k.picture);
    TCanvas c(b);
    if (k.clip) c.SelectClipRegion(&*k.clip);
    c.Brush.color = clRed;
    EXPECT_EQ(c.FloodFill(k.start.x, k.start.y, k.colour, k.style), k.filled) << k.name;
    EXPECT_EQ(Art(b), Joined(k.expected)) << k.name;
  }
}

TEST(CanvasFloodFill, ColoursCompareAsTheBitmapStoresThem) {
  // A border colour a little off black is black once stored in 16 or 15
  // bits or as the nearest palette entry; 24 bits keep it apart from black,
  // so nothing bounds the fill there.
  const std::vector<std::string> inside = {"..........", ".#####....", ".#rrr#..#.", ".#rrr#..#.",
                                           ".#rrr#..#.", ".#####....", ".........."};
  const std::vector<std::string> everything(7, "rrrrrrrrrr");
  const struct {
    PixelFormat format;
    const std::vector<std::string>& expected;
  } cases[] = {{PixelFormat::pf4bit, inside},  {PixelFormat::pf8bit, inside},  {PixelFormat::pf15bit, inside},
               {PixelFormat::pf16bit, inside}, {PixelFormat::pf24bit, everything}, {PixelFormat::pf32bit, everything}};
  for (const auto& k : cases) {
    Bitmap b = FromArt(kBox, k.format);
    TCanvas c(b);
    c.Brush.color = clRed;
    EXPECT_TRUE(c.FloodFill(4, 3, 0x030303, FloodStyle::fsBorder)) << BitsPerPixel(k.format);
    EXPECT_EQ(Art(b), Joined(k.expected)) << BitsPerPixel(k.format);
  }
}

TEST(CanvasFloodFill, PaintsWithTheBrushOnceEveryPixelIsFound) {
  const struct {
    const char* name;
    TColor brush;
    int rop2;
    std::vector<std::string> expected;
  } cases[] = {
      // Painting the colour it looks for must not make it look again.
      {"a surface painted in its own colour", clWhite, kRop2CopyPen, kBox},
      {"the pixels inverted", clRed, kRop2Not,
       {"##########", "##########", "##...#####", "##.g.#####", "##...#####", "##########", "##########"}},
  };
  for (const auto& k : cases) {
    Bitmap b = FromArt(kBox);
    TCanvas c(b);
    c.Brush.color = k.brush;
    c.Rop2 = k.rop2;
    EXPECT_TRUE(c.FloodFill(0, 0, clWhite, FloodStyle::fsSurface)) << k.name;
    EXPECT_EQ(Art(b), Joined(k.expected)) << k.name;
  }
}

TEST(CanvasFloodFill, ASmallFillOnALargePictureCostsWhatItReaches) {
  // A white pixel walled in by black ones on a white 4000 x 4000 picture:
  // filling it 1000 times must cost less than one fill of the rest of the
  // picture, nothing for each fill that grows with the picture.
  Bitmap b = Filled(4000, 4000, clWhite);
  for (int y = 99; y <= 101; ++y)
    for (int x = 99; x <= 101; ++x)
      if (x != 100 || y != 100) b.SetPixel(x, y, clBlack);
  TCanvas c(b);
  c.Brush.color = clRed;
  double start = ThreadSeconds();
  ASSERT_TRUE(c.FloodFill(2000, 2000, clBlack, FloodStyle::fsBorder));
  const double whole = ThreadSeconds() - start;
  start = ThreadSeconds();
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(c.FloodFill(100, 100, clBlack, FloodStyle::fsBorder));
  const double small = ThreadSeconds() - start;
  EXPECT_LT(small, whole) << "1000 small fills " << small << " s, one whole " << whole << " s";
  EXPECT_EQ(b.GetPixel(100, 100), clRed);
  EXPECT_EQ(b.GetPixel(0, 0), clRed);
}
