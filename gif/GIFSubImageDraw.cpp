// Drawing a frame on a canvas: stretched or tiled, opaque or through its
// transparency mask.

#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFSupport.h"

namespace kestrova {

std::vector<TPoint> TilePositions(const TRect& area, TPoint first, TSize step) {
  std::vector<TPoint> positions;
  if (step.cx <= 0 || step.cy <= 0) return positions;
  for (std::int64_t y = first.y; y < area.bottom; y += step.cy)
    for (std::int64_t x = first.x; x < area.right; x += step.cx)
      positions.push_back(TPoint{static_cast<int>(x), static_cast<int>(y)});
  return positions;
}

TRect TGIFSubImage::ScaleRect(const TRect& r) const {
  // A screen without a size is taken to end where the frame ends.
  const int right = left_ + width_, bottom = top_ + height_;
  const int screenWidth = Image() != nullptr && Image()->Width() > 0 ? Image()->Width() : right;
  const int screenHeight = Image() != nullptr && Image()->Height() > 0 ? Image()->Height() : bottom;
  const auto across = [&](int x) { return static_cast<int>(r.left + MulDiv(x, r.Width(), screenWidth)); };
  const auto down = [&](int y) { return static_cast<int>(r.top + MulDiv(y, r.Height(), screenHeight)); };
  return TRect{across(left_), down(top_), across(right), down(bottom)};
}

void TGIFSubImage::Draw(TCanvas& canvas, const TRect& rect, bool transparent, bool tile) {
  StretchDraw(canvas, tile ? rect : ScaleRect(rect), transparent, tile);
}

void TGIFSubImage::StretchDraw(TCanvas& canvas, const TRect& rect, bool transparent, bool tile) {
  const Bitmap& picture = GetBitmap();
  if (picture.Empty()) return;
  const Bitmap* mask = transparent && Transparent() ? Mask() : nullptr;
  const TRect whole{0, 0, width_, height_};
  const auto paint = [&](const TRect& to) {
    if (mask == nullptr) {
      canvas.CopyRect(to, picture, whole);
      return;
    }
    // Where the mask is white the canvas stays; elsewhere it is first
    // blackened, then takes the frame's colour.
    canvas.CopyRect(to, *mask, whole, CopyMode::cmSrcAnd);
    canvas.CopyRect(to, MaskedSource(), whole, CopyMode::cmSrcPaint);
  };
  if (!tile) {
    paint(rect);
    return;
  }
  const TSize screen{Image() != nullptr ? Image()->Width() : 0, Image() != nullptr ? Image()->Height() : 0};
  for (const TPoint& p : TilePositions(rect, TPoint{rect.left + left_, rect.top + top_}, screen))
    paint(TRect{p.x, p.y, p.x + width_, p.y + height_});
}

const Bitmap& TGIFSubImage::MaskedSource() {
  if (maskedSource_ != nullptr) return *maskedSource_;
  const Bitmap& picture = GetBitmap();
  auto source = std::make_unique<Bitmap>(picture.Converted(PixelFormat::pf24bit));
  if (mask_ != nullptr) {
    for (int y = 0; y < height_; ++y) {
      const std::uint8_t* bits = mask_->ScanLine(y);
      std::uint8_t* row = source->ScanLine(y);
      for (int x = 0; x < width_; ++x)
        if (bits[x >> 3] & (0x80 >> (x & 7))) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
    }
  }
  maskedSource_ = std::move(source);
  return *maskedSource_;
}

}  // namespace kestrova
