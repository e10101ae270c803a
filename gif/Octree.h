#pragma once
// The octree quantizer: every pixel colour is sorted into a tree of eight-way
// nodes by the bits of its red, green and blue values (the root branches on
// bit 7). Whenever there are more leaves than allowed, the most recently made
// node of the deepest level that still has children is merged into a leaf.
// Each leaf gives one palette colour, the truncated average of its pixels.

#include <array>
#include <cstdint>
#include <vector>

#include "gif/DIB.h"
#include "rendering/Color.h"

namespace kestrova {

class TColorQuantizer {
 public:
  // maxColors 1..256, colorBits 1..8 (GIFException "Invalid octree size" otherwise).
  TColorQuantizer(int maxColors, int colorBits);

  // Adds every pixel of the reader's 24-bit rows, top row first, left to right.
  bool ProcessImage(TDIBReader& reader);
  // Adds `count` (at least 1) pixels of one colour: the same as that many
  // single additions in a row, since the pixels after the first only add to
  // the leaf the first one reached.
  void AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int64_t count = 1);

  int LeafCount() const { return leafCount_; }
  // One colour per leaf, depth first with the children in index order
  // (index = red bit x 4 + green bit x 2 + blue bit).
  std::vector<TColor> GetColorTable() const;

 private:
  // Node 0 is the root, which is nobody's child, so 0 marks a missing child.
  static constexpr std::int32_t kNone = 0;
  static constexpr std::int32_t kRoot = 0;
  static constexpr std::int32_t kEndOfList = -1;

  // The children come first: walking down the tree reads only them.
  struct TOctreeNode {
    std::array<std::int32_t, 8> children{};
    std::int32_t next = kEndOfList;  // next node of the level's reducible list
    bool isLeaf = false;
    std::int64_t pixelCount = 0;
    std::int64_t redSum = 0;
    std::int64_t greenSum = 0;
    std::int64_t blueSum = 0;
  };

  // The leaf a colour reached, valid while no merge has happened since
  // (`stamp` holds the colour and the merge count of that time).
  struct TRecentLeaf {
    std::uint64_t stamp = 0;
    std::int32_t leaf = kNone;
  };
  static constexpr int kRecentBits = 8;

  void Add(std::uint32_t rgb, std::int64_t count);
  std::int32_t FindLeaf(std::uint32_t rgb);
  std::int32_t NewNode(int level);
  void FreeNode(std::int32_t node);
  void ReduceTree();
  void GetPaletteColors(std::int32_t node, std::vector<TColor>& table) const;

  int maxColors_;
  int colorBits_;
  int leafCount_ = 0;
  std::array<std::int32_t, 8> reducible_{kEndOfList, kEndOfList, kEndOfList, kEndOfList,
                                        kEndOfList, kEndOfList, kEndOfList, kEndOfList};
  // Nodes come from one pool; merged children return to a free list.
  std::vector<TOctreeNode> pool_;
  std::vector<std::int32_t> free_;
  // Merges so far, counted from 1 so that an unused recent entry never matches.
  std::uint64_t merges_ = 1;
  std::array<TRecentLeaf, std::size_t{1} << kRecentBits> recent_{};
};

// A palette from the reader's picture: `colors` entries, the octree colours
// first and zeros past the leaf count. With the system colours: 256 entries,
// the first ten static colours, 236 octree colours, the last ten static colours.
std::vector<TColor> CreateOctreePalette(TDIBReader& reader, int colors, int colorBits,
                                        bool withSystemColors);
// The same for a bitmap, which is converted to 24 bits per pixel first.
std::vector<TColor> CreateOctreePaletteForBitmap(Bitmap& bitmap, int colors, int colorBits,
                                                 bool withSystemColors);

}  // namespace kestrova
