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
  const bool indexed = !picture.Palette().empty();
  for (int y = 0; y < p.height_; ++y)
    for (int x = 0; x < p.width_; ++x) {
      // A picture without a palette counts its black pixels as index 0.
      const bool isZero = indexed ? picture.RawPixel(x, y) == 0 : PlainRGB(picture.GetPixel(x, y)) == clBlack;
      p.colors_[std::size_t(y) * p.width_ + x] = PlainRGB(isZero ? zero : one);
    }
  return p;
}

BrushPattern BrushPattern::Picture(const Bitmap& picture) {
  BrushPattern p(picture.Width(), picture.Height());
  for (int y = 0; y < p.height_; ++y)
    for (int x = 0; x < p.width_; ++x) p.colors_[std::size_t(y) * p.width_ + x] = PlainRGB(picture.GetPixel(x, y));
  return p;
}

void BrushPattern::Row(TPoint origin, int y, int x0, int x1, TColor* colors, std::uint8_t* painted) const {
  const std::size_t row = std::size_t(Wrap(std::int64_t{y} - origin.y, height_)) * width_;
  int px = Wrap(std::int64_t{x0} - origin.x, width_);
  for (int x = x0; x < x1; ++x) {
    colors[x - x0] = colors_[row + px];
    painted[x - x0] = painted_[row + px];
    if (++px == width_) px = 0;
  }
}

}  // namespace kestrova
