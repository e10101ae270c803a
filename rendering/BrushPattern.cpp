#include "rendering/BrushPattern.h"

#include <algorithm>

namespace kestrova {

namespace {

constexpr int kHatchSize = 8;

// Whether cell (x, y) of the 8 x 8 hatch cell lies on one of its lines.
bool OnHatchLine(HatchStyle style, int x, int y) {
  const bool horizontal = y == kHatchSize - 1, vertical = x == kHatchSize - 1;
  const bool forward = x == y, backward = x + y == kHatchSize - 1;
  switch (style) {
    case HatchStyle::Horizontal: return horizontal;
    case HatchStyle::Vertical: return vertical;
    case HatchStyle::ForwardDiagonal: return forward;
    case HatchStyle::BackwardDiagonal: return backward;
    case HatchStyle::Cross: return horizontal || vertical;
    case HatchStyle::DiagonalCross: return forward || backward;
  }
  return false;
}

// n mod m in [0, m) for any sign of n.
int Wrap(long long n, int m) {
  const long long r = n % m;
  return static_cast<int>(r < 0 ? r + m : r);
}

}  // namespace

BrushPattern BrushPattern::Hatch(HatchStyle style, TColor lines, std::optional<TColor> gaps) {
  BrushPattern p(kHatchSize, kHatchSize);
  p.colors_.resize(kHatchSize * kHatchSize);
  p.painted_.resize(kHatchSize * kHatchSize);
  for (int y = 0; y < kHatchSize; ++y)
    for (int x = 0; x < kHatchSize; ++x) {
      const std::size_t i = std::size_t(y) * kHatchSize + x;
      const bool line = OnHatchLine(style, x, y);
      p.colors_[i] = PlainRGB(line ? lines : gaps.value_or(0));
      p.painted_[i] = line || gaps.has_value();
    }
  return p;
}

BrushPattern BrushPattern::TwoColor(const Bitmap& picture, TColor zero, TColor one) {
  BrushPattern p(picture.Width(), picture.Height());
  auto ones = std::make_shared<std::vector<std::uint8_t>>(std::size_t(p.width_) * p.height_);
  const bool indexed = !picture.Palette().empty();
  for (int y = 0; y < p.height_; ++y)
    for (int x = 0; x < p.width_; ++x) {
      // A picture without a palette counts its black pixels as index 0.
      const bool isZero = indexed ? picture.RawPixel(x, y) == 0 : PlainRGB(picture.GetPixel(x, y)) == clBlack;
      (*ones)[std::size_t(y) * p.width_ + x] = !isZero;
    }
  p.ones_ = std::move(ones);
  return p.InColors(zero, one);
}

BrushPattern BrushPattern::Picture(const Bitmap& picture) {
  BrushPattern p(picture.Width(), picture.Height());
  p.colors_.resize(std::size_t(p.width_) * p.height_);
  for (int y = 0; y < p.height_; ++y)
    for (int x = 0; x < p.width_; ++x) p.colors_[std::size_t(y) * p.width_ + x] = PlainRGB(picture.GetPixel(x, y));
  return p;
}

BrushPattern BrushPattern::InColors(TColor zero, TColor one) const {
  BrushPattern p = ones_ ? BrushPattern(width_, height_) : *this;
  if (ones_) {
    p.ones_ = ones_;
    p.zero_ = PlainRGB(zero);
    p.one_ = PlainRGB(one);
  }
  return p;
}

void BrushPattern::Row(TPoint origin, int y, int x0, int x1, TColor* colors, std::uint8_t* painted) const {
  const std::size_t row = std::size_t(Wrap(std::int64_t{y} - origin.y, height_)) * width_;
  int px = Wrap(std::int64_t{x0} - origin.x, width_);
  for (int x = x0; x < x1; ++x) {
    const std::size_t cell = row + px;
    colors[x - x0] = ones_ ? ((*ones_)[cell] ? one_ : zero_) : colors_[cell];
    painted[x - x0] = painted_.empty() ? 1 : painted_[cell];
    if (++px == width_) px = 0;
  }
}

}  // namespace kestrova
