#include "rendering/Canvas.h"

#include <algorithm>
#include <cstring>

#include "rendering/PackedColor.h"

namespace kestrova {

namespace {

// Repeats the `unit` bytes at the start of p until `total` bytes are filled.
void RepeatPattern(std::uint8_t* p, std::size_t unit, std::size_t total) {
  for (std::size_t done = unit; done < total;) {
    const std::size_t n = std::min(done, total - done);
    std::memcpy(p + done, p, n);
    done += n;
  }
}

}  // namespace

// ---------------------------------------------------------------- primitives

bool TCanvas::IsVisible(int x, int y) const {
  if (x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height()) return false;
  return !clip_ || clip_->Contains(x, y);
}

void TCanvas::PaintRawSpan(int y, int x0, int x1, std::uint32_t raw) {
  ForEachVisibleSpan(y, x0, x1, [&](int a, int b) { PaintVisibleRawSpan(y, a, b, raw); }, work::kPlainPixel);
}

void TCanvas::PaintVisibleRawSpan(int y, int x0, int x1, std::uint32_t raw) {
  std::uint8_t* row = target_->ScanLine(y);
  const auto count = static_cast<std::size_t>(x1 - x0);
  switch (target_->Format()) {
    case PixelFormat::pf24bit: {
      std::uint8_t* p = row + 3 * static_cast<std::size_t>(x0);
      p[0] = BlueOf(raw);
      p[1] = GreenOf(raw);
      p[2] = RedOf(raw);
      RepeatPattern(p, 3, 3 * count);
      break;
    }
    case PixelFormat::pf32bit: {
      std::uint8_t* p = row + 4 * static_cast<std::size_t>(x0);
      p[0] = BlueOf(raw);
      p[1] = GreenOf(raw);
      p[2] = RedOf(raw);
      p[3] = 0;
      RepeatPattern(p, 4, 4 * count);
      break;
    }
    case PixelFormat::pf15bit:
    case PixelFormat::pf16bit: {
      std::uint8_t* p = row + 2 * static_cast<std::size_t>(x0);
      StoreWord(p, raw);
      RepeatPattern(p, 2, 2 * count);
      break;
    }
    case PixelFormat::pf8bit: std::memset(row + x0, static_cast<int>(raw), count); break;
    case PixelFormat::pf1bit:
    case PixelFormat::pf4bit:
      for (int x = x0; x < x1; ++x) target_->SetRawPixel(x, y, raw);
      break;
  }
}

void TCanvas::PaintSpan(int y, int x0, int x1, TColor c) { PaintRawSpan(y, x0, x1, target_->RawValueOf(c)); }

void TCanvas::PaintPixel(int x, int y, TColor c) {
  if (IsVisible(x, y)) target_->SetRawPixel(x, y, target_->RawValueOf(c));
}

void TCanvas::SetPixel(int x, int y, TColor c) { PaintPixel(x, y, c); }

SpanSink TCanvas::Ink(TColor c) {
  const std::uint32_t raw = target_->RawValueOf(c);
  return [this, raw](int y, int x0, int x1) { PaintRawSpan(y, x0, x1, raw); };
}

void TCanvas::SelectClipRegion(const ClipRegion* region) {
  if (region)
    clip_ = *region;
  else
    clip_.reset();
}

// ---------------------------------------------------------------- fills

void TCanvas::FillRect(const TRect& r) {
  if (!BrushVisible()) return;
  if (Brush.pattern || Rop2 != kRop2CopyPen) {
    const SpanSink ink = BrushInk();
    for (int y = std::max(r.top, 0), last = std::min(r.bottom, target_->Height()); y < last; ++y) ink(y, r.left, r.right);
    return;
  }
  const std::uint32_t raw = target_->RawValueOf(Brush.color);
  const int first = std::max(r.top, 0), last = std::min(r.bottom, target_->Height());
  for (int y = first; y < last; ++y) PaintRawSpan(y, r.left, r.right, raw);
}

}  // namespace kestrova
