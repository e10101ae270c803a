// What a frame keeps beside its pixels for showing them: the palette it is
// shown with, its bitmap and its transparency mask.

#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"

namespace kestrova {

void TGIFSubImage::SetPalette(std::vector<TColor> palette) {
  if (palette_ ? *palette_ == palette : palette.empty()) return;
  if (palette.empty()) {
    palette_.reset();
  } else {
    palette_ = std::move(palette);
  }
  std::vector<TColor> shown = GetPalette();
  shown.resize(TGIFColorMap::kMaxColors, clBlack);
  if (bitmap_ != nullptr && bitmap_->Palette() == shown) return;
  FreeBitmap();
  if (Image() == nullptr) return;
  Image()->PaletteModified = true;
  Image()->Changed();
}

Bitmap& TGIFSubImage::NewBitmap() {
  bitmap_ = std::make_unique<Bitmap>();
  maskedSource_.reset();
  return *bitmap_;
}

void TGIFSubImage::FreeMask() {
  mask_.reset();
  maskedSource_.reset();
  needMask_ = true;
}

}  // namespace kestrova
