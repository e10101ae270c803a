// The palette a GIF image is shown with, when set from outside.

#include "gif/GIFImage.h"

namespace kestrova {

void TGIFImage::SetPalette(std::vector<TColor> palette) {
  if (globalPalette_ ? *globalPalette_ == palette : palette.empty()) return;
  const bool cacheDiffers = bitmap_ != nullptr && bitmap_->Palette() != palette;
  if (palette.empty()) {
    globalPalette_.reset();
  } else {
    globalPalette_ = std::move(palette);
  }
  // Frames without colours of their own are shown with the image's palette.
  for (const auto& frame : images_) frame->FreeBitmap();
  if (!cacheDiffers) return;
  PaletteModified = true;
  Changed();
}

}  // namespace kestrova
