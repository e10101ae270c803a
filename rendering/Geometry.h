#pragma once
// Points, sizes and rectangles in pixels; x grows to the right, y downwards.
// A rectangle covers left..right-1 and top..bottom-1.

#include <climits>
#include <cstdint>

namespace kestrova {

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// The value held at the ends of the int range.
constexpr int SaturatedInt(std::int64_t v) {
  return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  // Exact sizes: the edges may lie anywhere in the int range.
  std::int64_t Width64() const { return std::int64_t{right} - left; }
  std::int64_t Height64() const { return std::int64_t{bottom} - top; }
  // The sizes as int, held at the int range's ends for a rectangle larger than
  // it (ask Width64 and Height64 where edges come from a file).
  int Width() const { return SaturatedInt(Width64()); }
  int Height() const { return SaturatedInt(Height64()); }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }

inline TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
          a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  if (r.IsEmpty()) return TRect{};
  return r;
}

}  // namespace kestrova
