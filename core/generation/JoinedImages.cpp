#include "core/generation/JoinedImages.h"

#include <algorithm>
#include <climits>

#include "core/generation/GenerationError.h"
#include "rendering/Canvas.h"

namespace kestrova {

namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

// Extent of k buttons of size `size` in a line, with the gaps between them and the margins.
std::int64_t Span(std::int64_t k, std::int64_t size, const JoinLayout& layout) {
  return k * size + 2 * std::int64_t{layout.margin} + (k - 1) * layout.gap;
}

int GridColumns(const JoinLayout& layout) { return std::max(layout.columns, 1); }

int ToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

}  // namespace

JoinedSize JoinedImageSize(const JoinLayout& layout, TSize button, int slots) {
  const std::int64_t k = slots;
  switch (layout.mode) {
    case jlRow: return {Span(k, button.cx, layout), Span(1, button.cy, layout)};
    case jlGrid: {
      const int c = GridColumns(layout);
      return {Span(c, button.cx, layout), Span(CeilDiv(k, c), button.cy, layout)};
    }
    default: return {Span(1, button.cx, layout), Span(k, button.cy, layout)};
  }
}

void CheckJoinedImageSize(const JoinLayout& layout, TSize button, int slots) {
  const JoinedSize size = JoinedImageSize(layout, button, slots);
  const bool fits = size.width >= 0 && size.height >= 0 && size.width <= INT_MAX && size.height <= INT_MAX &&
                    (size.width == 0 || size.height <= Bitmap::kMaxPixels / size.width);
  if (fits) return;
  throw GenerationError("The joined image would be " + std::to_string(size.width) + " x " +
                        std::to_string(size.height) + " pixels, more than one image may hold.");
}

Bitmap NewJoinedImage(const JoinLayout& layout, TSize button, int slots) {
  CheckJoinedImageSize(layout, button, slots);
  const JoinedSize size = JoinedImageSize(layout, button, slots);
  Bitmap joined(static_cast<int>(size.width), static_cast<int>(size.height), PixelFormat::pf24bit);
  joined.Fill(layout.background);
  return joined;
}

TPoint SlotPosition(const JoinLayout& layout, TSize button, int slot) {
  const std::int64_t s = slot, m = layout.margin, g = layout.gap;
  switch (layout.mode) {
    case jlRow: return TPoint{ToInt(m + s * (button.cx + g)), ToInt(m)};
    case jlGrid: {
      const int c = GridColumns(layout);
      return TPoint{ToInt(m + (s % c) * (button.cx + g)), ToInt(m + (s / c) * (button.cy + g))};
    }
    default: return TPoint{ToInt(m), ToInt(m + s * (button.cy + g))};
  }
}

std::string MapRectText(TPoint topLeft, TSize button) {
  const std::int64_t right = std::int64_t{topLeft.x} + button.cx, bottom = std::int64_t{topLeft.y} + button.cy;
  return std::to_string(topLeft.x) + "," + std::to_string(topLeft.y) + "," + std::to_string(right) + "," +
         std::to_string(bottom);
}

std::string PlaceButton(Bitmap& joined, const JoinLayout& layout, int slot, const Bitmap& button) {
  const TSize size{button.Width(), button.Height()};
  const TPoint p = SlotPosition(layout, size, slot);
  TCanvas canvas(joined);
  canvas.Draw(p.x, p.y, button);
  return MapRectText(p, size);
}

}  // namespace kestrova
