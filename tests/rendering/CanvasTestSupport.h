#pragma once
// Helpers for pixel-exact canvas tests.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"

namespace kestrova::testing {

constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;

inline Bitmap Filled(int w, int h, TColor c, PixelFormat f = PixelFormat::pf24bit) {
  Bitmap b(w, h, f);
  b.Fill(c);
  return b;
}

// One character per pixel and a line per row: '.' white, '#' black, 'r' red,
// 'g' green, 'b' blue, '?' anything else.
inline std::string Art(const Bitmap& b) {
  std::string s;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.GetPixel(x, y);
      s += c == clWhite ? '.' : c == clBlack ? '#' : c == clRed ? 'r' : c == kGreen ? 'g' : c == kBlue ? 'b' : '?';
    }
    s += '\n';
  }
  return s;
}

// The art of a white w x h bitmap after `draw` ran on its canvas (brush red).
inline std::string Drawn(int w, int h, const std::function<void(TCanvas&)>& draw) {
  Bitmap b = Filled(w, h, clWhite);
  TCanvas c(b);
  c.Brush.color = clRed;
  draw(c);
  return Art(b);
}

// Pixels of colour c.
inline std::vector<std::pair<int, int>> PixelsOf(const Bitmap& b, TColor c) {
  std::vector<std::pair<int, int>> found;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.GetPixel(x, y) == c) found.emplace_back(x, y);
  return found;
}

// A white w x h bitmap, `ink` where the predicate holds.
inline Bitmap Mask(int w, int h, const std::function<bool(int x, int y)>& inside, TColor ink = clBlack) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, inside(x, y) ? ink : clWhite);
  return b;
}

// How many times the closed polygon winds round (px, py), counter-clockwise
// as the picture lies counting positive: a reckoning of its own, beside the
// scan converter's.
template <typename Point>
int WindingNumber(const std::vector<Point>& poly, double px, double py) {
  int wn = 0;
  for (std::size_t i = 0; i < poly.size(); ++i) {
    const Point a = poly[i], b = poly[(i + 1) % poly.size()];
    const double cross = (double(b.x) - a.x) * (py - a.y) - (px - a.x) * (double(b.y) - a.y);
    if (a.y <= py && b.y > py && cross > 0) ++wn;
    if (a.y > py && b.y <= py && cross < 0) --wn;
  }
  return wn;
}

}  // namespace kestrova::testing
