#include "ui/model/form/ScreenFit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kestrova {

namespace {

// A rectangle by its edges, in 64 bits.
struct Span2D {
  std::int64_t left, top, right, bottom;
  std::int64_t Width() const { return right - left; }
  std::int64_t Height() const { return bottom - top; }
};

std::optional<Span2D> StoredRect(const std::optional<TWindowPlacement>& stored) {
  if (!stored) return std::nullopt;
  const Span2D r{stored->left, stored->top, stored->right, stored->bottom};
  if (r.Width() <= 0 || r.Height() <= 0) return std::nullopt;
  return r;
}

// The edges of an area, the far ones kept within the int range.
Span2D Edges(const TBounds& b) {
  constexpr std::int64_t kLast = std::numeric_limits<int>::max();
  return {b.left, b.top, std::min(kLast, std::int64_t{b.left} + std::max(0, b.width)),
          std::min(kLast, std::int64_t{b.top} + std::max(0, b.height))};
}

std::int64_t OverlapArea(const Span2D& a, const Span2D& b) {
  const std::int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// A length no longer than the room, at least 1; a start that keeps it inside.
std::int64_t FitLength(std::int64_t length, std::int64_t room) { return std::clamp<std::int64_t>(length, 1, room); }
std::int64_t FitStart(std::int64_t start, std::int64_t length, std::int64_t low, std::int64_t high) {
  return std::clamp(start, low, high - length);
}

}  // namespace

std::size_t ScreenOfPlacement(const std::optional<TWindowPlacement>& stored, std::span<const TBounds> areas) {
  const std::optional<Span2D> rect = StoredRect(stored);
  std::size_t best = 0;
  std::int64_t bestArea = 0;
  for (std::size_t i = 0; rect && i < areas.size(); ++i) {
    const std::int64_t area = OverlapArea(*rect, Edges(areas[i]));
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  return best;
}

TBounds FitOnScreen(const std::optional<TWindowPlacement>& stored, const TBounds& available, int preferredWidth,
                    int preferredHeight) {
  const int w = std::max(1, preferredWidth), h = std::max(1, preferredHeight);
  Span2D area = Edges(available);
  if (area.Width() <= 0 || area.Height() <= 0) area = Span2D{0, 0, w, h};
  Span2D r;
  if (const std::optional<Span2D> kept = StoredRect(stored)) {
    r = *kept;
  } else {
    r.left = area.left + (area.Width() - std::min<std::int64_t>(w, area.Width())) / 2;
    r.top = area.top + (area.Height() - std::min<std::int64_t>(h, area.Height())) / 2;
    r.right = r.left + w;
    r.bottom = r.top + h;
  }
  const std::int64_t width = FitLength(r.Width(), area.Width());
  const std::int64_t height = FitLength(r.Height(), area.Height());
  // Every value below lies inside the area, so it fits in an int.
  return TBounds{static_cast<int>(FitStart(r.left, width, area.left, area.right)),
                 static_cast<int>(FitStart(r.top, height, area.top, area.bottom)), static_cast<int>(width),
                 static_cast<int>(height)};
}

}  // namespace kestrova
