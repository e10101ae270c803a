#include "gif/Octree.h"

#include <algorithm>

#include "gif/GIFException.h"
#include "rendering/SystemPalettes.h"

namespace kestrova {

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : maxColors_(maxColors), colorBits_(colorBits) {
  if (maxColors < 1 || maxColors > 256 || colorBits < 1 || colorBits > 8)
    RaiseGIFError("Invalid octree size");
  // A tree of maxColors leaves after a merge holds at most about twice that
  // many nodes per level above the leaves; the pool grows when it needs to.
  pool_.reserve(static_cast<std::size_t>(maxColors) * 8 + 64);
}

std::int32_t TColorQuantizer::NewNode(int level) {
  std::int32_t id;
  if (!free_.empty()) {
    id = free_.back();
    free_.pop_back();
    pool_[static_cast<std::size_t>(id)] = TOctreeNode{};
  } else {
    id = static_cast<std::int32_t>(pool_.size());
    pool_.emplace_back();
  }
  TOctreeNode& node = pool_[static_cast<std::size_t>(id)];
  node.isLeaf = level == colorBits_;
  if (node.isLeaf) {
    ++leafCount_;
  } else {
    node.next = reducible_[static_cast<std::size_t>(level)];
    reducible_[static_cast<std::size_t>(level)] = id;
  }
  return id;
}

void TColorQuantizer::FreeNode(std::int32_t node) { free_.push_back(node); }

void TColorQuantizer::AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  if (root_ == kNone) root_ = NewNode(0);
  std::int32_t id = root_;
  for (int level = 0;; ++level) {
    TOctreeNode* node = &pool_[static_cast<std::size_t>(id)];
    if (node->isLeaf) {
      ++node->pixelCount;
      node->redSum += red;
      node->greenSum += green;
      node->blueSum += blue;
      break;
    }
    const int shift = 7 - level;
    const int index = (((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1);
    std::int32_t child = node->children[static_cast<std::size_t>(index)];
    if (child == kNone) {
      child = NewNode(level + 1);  // may move the pool
      pool_[static_cast<std::size_t>(id)].children[static_cast<std::size_t>(index)] = child;
    }
    id = child;
  }
  while (leafCount_ > maxColors_) ReduceTree();
}

void TColorQuantizer::ReduceTree() {
  int level = colorBits_ - 1;
  while (level > 0 && reducible_[static_cast<std::size_t>(level)] == kNone) --level;
  const std::int32_t id = reducible_[static_cast<std::size_t>(level)];
  if (id == kNone) return;  // every node is a leaf already
  TOctreeNode& node = pool_[static_cast<std::size_t>(id)];
  reducible_[static_cast<std::size_t>(level)] = node.next;
  node.next = kNone;
  int merged = 0;
  for (std::int32_t& child : node.children) {
    if (child == kNone) continue;
    const TOctreeNode& c = pool_[static_cast<std::size_t>(child)];
    node.redSum += c.redSum;
    node.greenSum += c.greenSum;
    node.blueSum += c.blueSum;
    node.pixelCount += c.pixelCount;
    FreeNode(child);
    child = kNone;
    ++merged;
  }
  node.isLeaf = true;
  leafCount_ -= merged - 1;
}

bool TColorQuantizer::ProcessImage(TDIBReader& reader) {
  const Bitmap& bitmap = reader.GetBitmap();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* p = reader.GetScanline(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) AddColor(p[2], p[1], p[0]);
  }
  return true;
}

void TColorQuantizer::GetPaletteColors(std::int32_t id, std::vector<TColor>& table) const {
  const TOctreeNode& node = pool_[static_cast<std::size_t>(id)];
  if (node.isLeaf) {
    const std::int64_t n = node.pixelCount;
    table.push_back(n == 0 ? 0
                           : RGBColor(static_cast<unsigned>(node.redSum / n),
                                      static_cast<unsigned>(node.greenSum / n),
                                      static_cast<unsigned>(node.blueSum / n)));
    return;
  }
  for (std::int32_t child : node.children)
    if (child != kNone) GetPaletteColors(child, table);
}

std::vector<TColor> TColorQuantizer::GetColorTable() const {
  std::vector<TColor> table;
  if (root_ != kNone) GetPaletteColors(root_, table);
  return table;
}

std::vector<TColor> CreateOctreePalette(TDIBReader& reader, int colors, int colorBits,
                                        bool withSystemColors) {
  std::vector<TColor> palette;
  std::size_t first = 0;
  if (withSystemColors) {
    const auto& statics = StaticColors20();
    palette.assign(256, 0);
    std::copy(statics.begin(), statics.begin() + 10, palette.begin());
    std::copy(statics.begin() + 10, statics.end(), palette.begin() + 246);
    colors = 236;
    first = 10;
  } else {
    palette.assign(static_cast<std::size_t>(std::max(colors, 0)), 0);
  }
  TColorQuantizer quantizer(colors, colorBits);
  quantizer.ProcessImage(reader);
  const std::vector<TColor> table = quantizer.GetColorTable();
  std::copy(table.begin(), table.end(), palette.begin() + static_cast<std::ptrdiff_t>(first));
  return palette;
}

std::vector<TColor> CreateOctreePaletteForBitmap(Bitmap& bitmap, int colors, int colorBits,
                                                 bool withSystemColors) {
  TDIBReader reader(bitmap, PixelFormat::pf24bit);
  return CreateOctreePalette(reader, colors, colorBits, withSystemColors);
}

}  // namespace kestrova
