#include "rendering/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace kestrova {

// ---------------------------------------------------------------- primitives

bool TCanvas::VisibleSpan(int y, int& x0, int& x1) const {
  if (y < 0 || y >= target_->Height()) return false;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, target_->Width());
  if (clip_) {
    int c0 = 0, c1 = 0;
    if (!clip_->Span(y, c0, c1)) return false;
    x0 = std::max(x0, c0);
    x1 = std::min(x1, c1);
  }
  return x0 < x1;
}

bool TCanvas::IsVisible(int x, int y) const {
  if (x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height()) return false;
  return !clip_ || clip_->Contains(x, y);
}

void TCanvas::PaintSpan(int y, int x0, int x1, TColor c) {
  if (!VisibleSpan(y, x0, x1)) return;
  const std::uint32_t raw = target_->RawValueOf(c);
  std::uint8_t* row = target_->ScanLine(y);
  switch (target_->Format()) {
    case PixelFormat::pf24bit: {
      std::uint8_t* p = row + 3 * x0;
      for (int x = x0; x < x1; ++x, p += 3) {
        p[0] = BlueOf(raw);
        p[1] = GreenOf(raw);
        p[2] = RedOf(raw);
      }
      break;
    }
    case PixelFormat::pf8bit: std::memset(row + x0, static_cast<int>(raw), x1 - x0); break;
    default:
      for (int x = x0; x < x1; ++x) target_->SetRawPixel(x, y, raw);
      break;
  }
}

void TCanvas::PaintPixel(int x, int y, TColor c) {
  if (IsVisible(x, y)) target_->SetRawPixel(x, y, target_->RawValueOf(c));
}

void TCanvas::SetPixel(int x, int y, TColor c) { PaintPixel(x, y, c); }

void TCanvas::SelectClipRegion(const ClipRegion* region) {
  if (region)
    clip_ = *region;
  else
    clip_.reset();
}

// ---------------------------------------------------------------- fills and lines

void TCanvas::FillRect(const TRect& r) {
  if (Brush.style == BrushStyle::bsClear) return;
  for (int y = r.top; y < r.bottom; ++y) PaintSpan(y, r.left, r.right, Brush.color);
}

void TCanvas::MoveTo(int x, int y) { PenPos = TPoint{x, y}; }

void TCanvas::LineTo(int x, int y) {
  const TPoint from = PenPos;
  PenPos = TPoint{x, y};
  if (Pen.style == PenStyle::psClear) return;
  // Bresenham from `from` towards (x, y), the end point left out.
  int dx = std::abs(x - from.x), dy = -std::abs(y - from.y);
  const int sx = from.x < x ? 1 : -1, sy = from.y < y ? 1 : -1;
  int err = dx + dy;
  int cx = from.x, cy = from.y;
  while (cx != x || cy != y) {
    PaintPixel(cx, cy, Pen.color);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      cx += sx;
    }
    if (e2 <= dx) {
      err += dx;
      cy += sy;
    }
  }
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  MoveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
}

// ---------------------------------------------------------------- copies

namespace {

TColor Combine(TColor dst, TColor src, CopyMode mode) {
  switch (mode) {
    case CopyMode::cmSrcAnd: return dst & src;
    case CopyMode::cmSrcPaint: return dst | src;
    case CopyMode::cmSrcCopy: break;
  }
  return src;
}

}  // namespace

// Pixel-for-pixel copy between 24-bit bitmaps, row by row.
void TCanvas::CopyRows24(const TRect& dst, const Bitmap& src, const TRect& srcRect) {
  for (int j = 0; j < dst.Height(); ++j) {
    const int ty = dst.top + j, sy = srcRect.top + j;
    if (sy < 0 || sy >= src.Height()) continue;
    int x0 = std::max(dst.left, dst.left + (0 - srcRect.left));
    int x1 = std::min(dst.right, dst.left + (src.Width() - srcRect.left));
    if (!VisibleSpan(ty, x0, x1)) continue;
    std::memcpy(target_->ScanLine(ty) + 3 * x0, src.ScanLine(sy) + 3 * (srcRect.left + x0 - dst.left),
                static_cast<std::size_t>(x1 - x0) * 3);
  }
}

void TCanvas::CopyRect(const TRect& dst, const Bitmap& src, const TRect& srcRect, CopyMode mode) {
  const int dw = dst.Width(), dh = dst.Height();
  const int sw = srcRect.Width(), sh = srcRect.Height();
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0 || src.Empty()) return;
  // Copying a bitmap onto itself reads from a snapshot.
  const Bitmap* source = &src;
  Bitmap snapshot;
  if (&src == target_) {
    if (dst == srcRect && mode == CopyMode::cmSrcCopy) return;  // onto itself unchanged
    snapshot = src;
    source = &snapshot;
  }
  if (dw == sw && dh == sh && dw > 0 && dh > 0 && mode == CopyMode::cmSrcCopy &&
      source->Format() == PixelFormat::pf24bit && target_->Format() == PixelFormat::pf24bit) {
    CopyRows24(dst, *source, srcRect);
    return;
  }
  for (int j = 0; j < std::abs(dh); ++j) {
    const int ty = dh > 0 ? dst.top + j : dst.top - 1 - j;
    const int sy = srcRect.top + static_cast<int>((static_cast<long long>(j) * std::abs(sh)) / std::abs(dh)) *
                                     (sh > 0 ? 1 : -1) - (sh < 0 ? 1 : 0);
    int x0 = std::min(dst.left, dst.right), x1 = std::max(dst.left, dst.right);
    if (!VisibleSpan(ty, x0, x1)) continue;
    for (int tx = x0; tx < x1; ++tx) {
      const int i = dw > 0 ? tx - dst.left : dst.left - 1 - tx;
      const int sx = srcRect.left +
                     static_cast<int>((static_cast<long long>(i) * std::abs(sw)) / std::abs(dw)) * (sw > 0 ? 1 : -1) -
                     (sw < 0 ? 1 : 0);
      const TColor s = source->GetPixel(sx, sy);
      if (s == kInvalidColor) continue;
      const TColor value = mode == CopyMode::cmSrcCopy ? s : Combine(target_->GetPixel(tx, ty), s, mode);
      target_->SetRawPixel(tx, ty, target_->RawValueOf(value));
    }
  }
}

void TCanvas::Draw(int x, int y, const Bitmap& picture) {
  CopyRect(TRect{x, y, x + picture.Width(), y + picture.Height()}, picture,
           TRect{0, 0, picture.Width(), picture.Height()});
}

void TCanvas::StretchDraw(const TRect& dst, const Bitmap& picture) {
  CopyRect(dst, picture, TRect{0, 0, picture.Width(), picture.Height()});
}

}  // namespace kestrova
