#include "gif/ColorLookup.h"

#include <algorithm>
#include <cstdlib>

namespace kestrova {

TFastColorLookup::TFastColorLookup(const std::vector<TColor>& palette)
    : colors_(static_cast<int>(std::min<std::size_t>(palette.size(), 256))),
      cache_(std::make_unique<std::array<std::uint16_t, 32768>>()) {
  cache_->fill(kEmpty);
  for (int i = 0; i < colors_; ++i) {
    const TColor c = palette[static_cast<std::size_t>(i)];
    entries_[static_cast<std::size_t>(i)] = {RedOf(c), GreenOf(c), BlueOf(c)};
    std::uint16_t& slot = (*cache_)[Key(RedOf(c), GreenOf(c), BlueOf(c))];
    if (slot == kEmpty) slot = static_cast<std::uint16_t>(i);
  }
}

std::uint16_t TFastColorLookup::Search(int red, int green, int blue) const {
  int best = 0;
  int bestDistance = 196608;
  for (int i = 0; i < colors_; ++i) {
    const Entry& e = entries_[static_cast<std::size_t>(i)];
    const int d = std::abs(red - e.r) + std::abs(green - e.g) + std::abs(blue - e.b);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<std::uint16_t>(best);
}

}  // namespace kestrova
