#include "gif/ColorLookup.h"

#include <algorithm>

namespace kestrova {

namespace {

// |a - b| of two channel values, kept in 16 bits.
std::int16_t AbsDiff(std::int16_t a, std::int16_t b) {
  return static_cast<std::int16_t>(std::max(a, b) - std::min(a, b));
}

}  // namespace

TFastColorLookup::TFastColorLookup(const std::vector<TColor>& palette)
    : colors_(static_cast<int>(std::min<std::size_t>(palette.size(), 256))),
      cache_(std::make_unique_for_overwrite<std::array<std::uint16_t, 32768>>()) {
  cache_->fill(kEmpty);
  for (int i = 0; i < colors_; ++i) {
    const TColor c = palette[static_cast<std::size_t>(i)];
    red_[static_cast<std::size_t>(i)] = RedOf(c);
    green_[static_cast<std::size_t>(i)] = GreenOf(c);
    blue_[static_cast<std::size_t>(i)] = BlueOf(c);
    std::uint16_t& slot = (*cache_)[Key(RedOf(c), GreenOf(c), BlueOf(c))];
    if (slot == kEmpty) slot = static_cast<std::uint16_t>(i);
  }
}

std::uint16_t TFastColorLookup::Search(int red, int green, int blue) const {
  // Sum of the channel differences to every entry (at most 765), then the
  // first entry at the smallest sum: the lowest index wins a tie.
  std::array<std::int16_t, 256> distance;
  const auto r = static_cast<std::int16_t>(red), g = static_cast<std::int16_t>(green),
             b = static_cast<std::int16_t>(blue);
  std::int16_t best = 0x7FFF;
  for (int i = 0; i < colors_; ++i) {
    const auto d = static_cast<std::int16_t>(AbsDiff(r, red_[i]) + AbsDiff(g, green_[i]) +
                                             AbsDiff(b, blue_[i]));
    distance[static_cast<std::size_t>(i)] = d;
    best = std::min(best, d);
  }
  int index = 0;
  while (distance[static_cast<std::size_t>(index)] != best) ++index;
  return static_cast<std::uint16_t>(index);
}

}  // namespace kestrova
