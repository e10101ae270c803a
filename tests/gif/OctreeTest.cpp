#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "gif/GIFException.h"
#include "gif/Octree.h"
#include "rendering/SystemPalettes.h"

using namespace kestrova;

namespace {

Bitmap RowOf(const std::vector<TColor>& colors) {
  Bitmap b(static_cast<int>(colors.size()), 1, PixelFormat::pf24bit);
  for (std::size_t i = 0; i < colors.size(); ++i) b.SetPixel(static_cast<int>(i), 0, colors[i]);
  return b;
}

std::vector<TColor> TableOf(const std::vector<TColor>& pixels, int maxColors) {
  TColorQuantizer q(maxColors, 8);
  for (TColor c : pixels) q.AddColor(RedOf(c), GreenOf(c), BlueOf(c));
  return q.GetColorTable();
}

}  // namespace

TEST(Octree, FewColoursAreKeptExactly) {
  std::mt19937 random(5);
  std::set<TColor> distinct;
  while (distinct.size() < 256) distinct.insert(random() & 0xFFFFFF);
  std::vector<TColor> pixels(distinct.begin(), distinct.end());
  std::shuffle(pixels.begin(), pixels.end(), random);
  pixels.insert(pixels.end(), pixels.begin(), pixels.begin() + 100);  // repeats change nothing
  Bitmap picture = RowOf(pixels);
  TDIBReader reader(picture, PixelFormat::pf24bit);
  TColorQuantizer q(256, 8);
  EXPECT_TRUE(q.ProcessImage(reader));
  EXPECT_EQ(q.LeafCount(), 256);
  const auto table = q.GetColorTable();
  EXPECT_EQ(std::set<TColor>(table.begin(), table.end()), distinct);
}

TEST(Octree, TableIsDepthFirstAndAveragesTruncate) {
  EXPECT_EQ(TableOf({clWhite, clBlack}, 2), (std::vector<TColor>{clBlack, clWhite}));
  // Red is the high bit of the child index, blue the low bit.
  EXPECT_EQ(TableOf({RGBColor(128, 0, 0), RGBColor(0, 128, 0), RGBColor(0, 0, 128)}, 8),
            (std::vector<TColor>{RGBColor(0, 0, 128), RGBColor(0, 128, 0), RGBColor(128, 0, 0)}));
  // One colour: merges climb to the root, which averages everything.
  EXPECT_EQ(TableOf({RGBColor(1, 0, 9), RGBColor(2, 255, 0)}, 1),
            (std::vector<TColor>{RGBColor(1, 127, 4)}));
  EXPECT_TRUE(TableOf({}, 4).empty());
}

TEST(Octree, TheNewestNodeOfTheDeepestLevelIsMergedFirst) {
  // (0,0,0) and (0,0,1) share a level-7 node, as do (0,0,2) and (0,0,3); the
  // pair whose node was made last is merged when the fourth leaf arrives.
  const TColor a = RGBColor(0, 0, 0), b = RGBColor(0, 0, 1), c = RGBColor(0, 0, 2), d = RGBColor(0, 0, 3);
  EXPECT_EQ(TableOf({a, b, c, d}, 3), (std::vector<TColor>{a, b, RGBColor(0, 0, 2)}));
  EXPECT_EQ(TableOf({c, d, a, b}, 3), (std::vector<TColor>{a, c, d}));
}

TEST(Octree, SumsDoNotOverflowOnLargePictures) {
  TColorQuantizer q(1, 8);
  for (int i = 0; i < 9'000'000; ++i) q.AddColor(255, 255, 255);
  EXPECT_EQ(q.GetColorTable(), (std::vector<TColor>{clWhite}));
}

TEST(Octree, PaletteSlotsAndSystemColours) {
  Bitmap picture = RowOf({RGBColor(1, 2, 3), RGBColor(200, 100, 50)});
  picture.SetPixelFormat(PixelFormat::pf8bit);  // the helper converts it back to 24 bits
  const auto plain = CreateOctreePaletteForBitmap(picture, 16, 8, false);
  EXPECT_EQ(picture.Format(), PixelFormat::pf24bit);
  ASSERT_EQ(plain.size(), 16u);
  EXPECT_EQ(std::count(plain.begin() + 2, plain.end(), 0u), 14);

  const auto framed = CreateOctreePaletteForBitmap(picture, 256, 8, true);
  ASSERT_EQ(framed.size(), 256u);
  const auto& statics = StaticColors20();
  EXPECT_TRUE(std::equal(statics.begin(), statics.begin() + 10, framed.begin()));
  EXPECT_TRUE(std::equal(statics.begin() + 10, statics.end(), framed.begin() + 246));
  EXPECT_EQ(framed[10], plain[0]);
  EXPECT_EQ(framed[11], plain[1]);
  EXPECT_EQ(std::count(framed.begin() + 12, framed.begin() + 246, 0u), 234);

  EXPECT_THROW(TColorQuantizer(0, 8), GIFException);
  EXPECT_THROW(TColorQuantizer(257, 8), GIFException);
  EXPECT_THROW(TColorQuantizer(16, 9), GIFException);
}
