#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

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

namespace {

// The octree the plain way: heap nodes, one pixel at a time, the deepest
// level's newest waiting node merged while there are too many leaves.
class PlainOctree {
 public:
  explicit PlainOctree(int maxColors) : maxColors_(maxColors) {}

  void Add(int r, int g, int b) {
    Add(root_, r, g, b, 0);
    while (leaves_ > maxColors_) Reduce();
  }

  std::vector<TColor> Table() const {
    std::vector<TColor> table;
    if (root_) Collect(*root_, table);
    return table;
  }

 private:
  struct Node {
    bool leaf = false;
    std::int64_t count = 0, red = 0, green = 0, blue = 0;
    Node* next = nullptr;
    std::unique_ptr<Node> children[8];
  };

  void Add(std::unique_ptr<Node>& node, int r, int g, int b, int level) {
    if (!node) {
      node = std::make_unique<Node>();
      node->leaf = level == 8;
      if (node->leaf) {
        ++leaves_;
      } else {
        node->next = waiting_[level];
        waiting_[level] = node.get();
      }
    }
    if (node->leaf) {
      ++node->count;
      node->red += r;
      node->green += g;
      node->blue += b;
      return;
    }
    const int shift = 7 - level;
    const int index = ((r >> shift) & 1) * 4 + ((g >> shift) & 1) * 2 + ((b >> shift) & 1);
    Add(node->children[index], r, g, b, level + 1);
  }

  void Reduce() {
    int level = 7;
    while (level > 0 && waiting_[level] == nullptr) --level;
    Node* node = waiting_[level];
    waiting_[level] = node->next;
    int merged = 0;
    for (auto& child : node->children) {
      if (!child) continue;
      node->red += child->red;
      node->green += child->green;
      node->blue += child->blue;
      node->count += child->count;
      child.reset();
      ++merged;
    }
    node->leaf = true;
    leaves_ -= merged - 1;
  }

  static void Collect(const Node& node, std::vector<TColor>& table) {
    if (node.leaf) {
      const std::int64_t n = node.count;
      table.push_back(n == 0 ? 0
                             : RGBColor(static_cast<unsigned>(node.red / n), static_cast<unsigned>(node.green / n),
                                        static_cast<unsigned>(node.blue / n)));
      return;
    }
    for (const auto& child : node.children)
      if (child) Collect(*child, table);
  }

  int maxColors_;
  int leaves_ = 0;
  std::unique_ptr<Node> root_;
  Node* waiting_[8] = {};
};

// Pictures of every kind: random colours, runs of repeated colours (across row
// ends too) drawn from a set larger than the palette, gradients, a flat field.
std::vector<Bitmap> MixedPictures() {
  std::mt19937 random(23);
  std::vector<Bitmap> pictures;
  auto draw = [&](int w, int h, auto pixel) {
    Bitmap b(w, h, PixelFormat::pf24bit);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.SetPixel(x, y, pixel(x, y));
    pictures.push_back(std::move(b));
  };
  draw(40, 30, [&](int, int) { return static_cast<TColor>(random() & 0xFFFFFF); });
  for (unsigned setSize : {3u, 50u, 400u, 3000u}) {
    std::vector<TColor> set(setSize);
    for (TColor& c : set) c = static_cast<TColor>(random() & 0xFFFFFF);
    int left = 0;
    TColor color = 0;
    draw(37, 29, [&](int, int) {
      if (left-- <= 0) {
        left = static_cast<int>(random() % 20);
        color = set[random() % set.size()];
      }
      return color;
    });
  }
  draw(120, 32, [](int x, int y) { return RGBColor(40 + 5 * y, 90 + 3 * y, (x * 255 / 119) ^ (y & 3)); });
  draw(23, 5, [](int, int) { return RGBColor(9, 200, 77); });
  return pictures;
}

}  // namespace

TEST(Octree, GivesThePlainTreesTableForEveryKindOfPicture) {
  const std::vector<Bitmap> pictures = MixedPictures();
  for (int maxColors : {1, 2, 7, 16, 236, 256}) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      SCOPED_TRACE("picture " + std::to_string(i) + ", " + std::to_string(maxColors) + " colours");
      Bitmap picture = pictures[i];
      PlainOctree plain(maxColors);
      TColorQuantizer bySingles(maxColors, 8);
      for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
          const TColor c = picture.GetPixel(x, y);
          plain.Add(RedOf(c), GreenOf(c), BlueOf(c));
          bySingles.AddColor(RedOf(c), GreenOf(c), BlueOf(c));
        }
      }
      TDIBReader reader(picture, PixelFormat::pf24bit);
      TColorQuantizer byImage(maxColors, 8);
      byImage.ProcessImage(reader);
      EXPECT_EQ(bySingles.GetColorTable(), plain.Table());
      EXPECT_EQ(byImage.GetColorTable(), plain.Table());
      EXPECT_EQ(byImage.LeafCount(), static_cast<int>(plain.Table().size()));
    }
  }
}
