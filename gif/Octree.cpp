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

namespace {

// Bit k of v moved to bit 3k.
constexpr std::array<std::uint32_t, 256> kSpread = [] {
  std::array<std::uint32_t, 256> spread{};
  for (std::uint32_t v = 0; v < 256; ++v)
    for (int bit = 0; bit < 8; ++bit) spread[v] |= ((v >> bit) & 1u) << (3 * bit);
  return spread;
}();

// The child indexes of a colour's way down, three bits per level with the
// root's in bits 21..23: red bit x 4 + green bit x 2 + blue bit.
std::uint32_t PathOf(std::uint32_t rgb) {
  return kSpread[rgb >> 16] << 2 | kSpread[(rgb >> 8) & 0xFF] << 1 | kSpread[rgb & 0xFF];
}

std::uint32_t Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 | blue;
}

}  // namespace

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

void TColorQuantizer::AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int64_t count) {
  Add(Rgb(red, green, blue), count);
}

void TColorQuantizer::Add(std::uint32_t rgb, std::int64_t count) {
  TOctreeNode& leaf = pool_[static_cast<std::size_t>(FindLeaf(rgb))];
  leaf.pixelCount += count;
  leaf.redSum += static_cast<std::int64_t>(rgb >> 16) * count;
  leaf.greenSum += static_cast<std::int64_t>((rgb >> 8) & 0xFF) * count;
  leaf.blueSum += static_cast<std::int64_t>(rgb & 0xFF) * count;
  while (leafCount_ > maxColors_) ReduceTree();
}

// The leaf the colour reaches, making the missing nodes on its way. A leaf
// never gains children and only a merge frees one, so the leaf found for a
// colour stays its leaf until the next merge.
std::int32_t TColorQuantizer::FindLeaf(std::uint32_t rgb) {
  TRecentLeaf& recent = recent_[(rgb * 0x9E3779B1u) >> (32 - kRecentBits)];
  const std::uint64_t stamp = merges_ << 24 | rgb;
  if (recent.stamp == stamp) return recent.leaf;
  if (pool_.empty()) NewNode(0);
  std::uint32_t path = PathOf(rgb);
  std::int32_t id = kRoot;
  for (int level = 0;; ++level, path <<= 3) {
    const std::size_t index = (path >> 21) & 7;
    std::int32_t child = pool_[static_cast<std::size_t>(id)].children[index];
    if (child == kNone) {
      if (pool_[static_cast<std::size_t>(id)].isLeaf) break;
      child = NewNode(level + 1);  // may move the pool
      pool_[static_cast<std::size_t>(id)].children[index] = child;
    }
    id = child;
  }
  recent = {stamp, id};
  return id;
}

void TColorQuantizer::ReduceTree() {
  int level = colorBits_ - 1;
  while (level > 0 && reducible_[static_cast<std::size_t>(level)] == kEndOfList) --level;
  const std::int32_t id = reducible_[static_cast<std::size_t>(level)];
  if (id == kEndOfList) return;  // every node is a leaf already
  ++merges_;
  TOctreeNode& node = pool_[static_cast<std::size_t>(id)];
  reducible_[static_cast<std::size_t>(level)] = node.next;
  node.next = kEndOfList;
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

// Runs of one colour, also across row ends, are added at once.
bool TColorQuantizer::ProcessImage(TDIBReader& reader) {
  const int width = reader.GetBitmap().Width(), height = reader.GetBitmap().Height();
  std::uint32_t runColor = 0;
  std::int64_t runLength = 0;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* p = reader.GetScanline(y);
    for (int x = 0; x < width; ++x, p += 3) {
      const std::uint32_t rgb = Rgb(p[2], p[1], p[0]);
      if (rgb == runColor && runLength > 0) {
        ++runLength;
        continue;
      }
      if (runLength > 0) Add(runColor, runLength);
      runColor = rgb;
      runLength = 1;
    }
  }
  if (runLength > 0) Add(runColor, runLength);
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
  if (!pool_.empty()) GetPaletteColors(kRoot, table);
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
