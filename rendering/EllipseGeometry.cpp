#include "rendering/EllipseGeometry.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

bool EllipseRowSpan(const TRect& box, int y, int& x0, int& x1) {
  const int l = std::min(box.left, box.right), r = std::max(box.left, box.right);
  const int t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
  if (r - l < 1 || b - t < 1 || y < t || y >= b) return false;
  // Pixel centres lie at +0.5; the ellipse fills the box's continuous area.
  const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
  const double a = (r - l) / 2.0, bb = (b - t) / 2.0;
  const double dy = (y + 0.5 - cy) / bb;
  const double q = 1.0 - dy * dy;
  if (q < 0) return false;
  const double half = a * std::sqrt(q);
  x0 = std::max(l, static_cast<int>(std::ceil(cx - half - 0.5)));
  x1 = std::min(r, static_cast<int>(std::floor(cx + half - 0.5)) + 1);
  return x0 < x1;
}

bool RoundRectRowSpan(const TRect& box, int w, int h, int y, int& x0, int& x1) {
  const int l = std::min(box.left, box.right), r = std::max(box.left, box.right);
  const int t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
  if (r - l < 1 || b - t < 1 || y < t || y >= b) return false;
  w = std::clamp(std::abs(w), 0, r - l);
  h = std::clamp(std::abs(h), 0, b - t);
  if (w < 2 || h < 2) {
    x0 = l;
    x1 = r;
    return true;
  }
  // Rows inside the straight part of the sides cover the whole width.
  const int topCorner = t + h / 2, bottomCorner = b - (h - h / 2);
  if (y >= topCorner && y < bottomCorner) {
    x0 = l;
    x1 = r;
    return true;
  }
  // Corner rows: the span of the corner ellipse, widened by the straight part.
  const int ey = y < topCorner ? t : b - h;
  int e0 = 0, e1 = 0;
  if (!EllipseRowSpan(TRect{l, ey, l + w, ey + h}, y, e0, e1)) return false;
  x0 = e0;
  x1 = r - (e0 - l);
  return x0 < x1;
}

}  // namespace kestrova
