#include "core/images/SavableSize.h"

#include <algorithm>

#include "core/images/JpegCodec.h"
#include "gif/GIFSupport.h"
#include "rendering/Bitmap.h"

namespace kestrova {

namespace {

std::string FormatName(PictureKind kind) {
  switch (kind) {
    case PictureKind::Gif: return "GIF";
    case PictureKind::Jpeg: return "JPEG";
    case PictureKind::Png: return "PNG";
    default: return "BMP";
  }
}

}  // namespace

std::int64_t MaxSavedSide(PictureKind kind) {
  switch (kind) {
    case PictureKind::Gif: return kMaxGifDimension;
    case PictureKind::Jpeg: return kMaxJpegDimension;
    default: return Bitmap::kMaxPixels;
  }
}

std::string PictureTooLargeText(PictureKind kind, TSize size) {
  const std::int64_t most = MaxSavedSide(kind);
  if (std::max(size.cx, size.cy) <= most) return {};
  const std::string sizeText = std::to_string(size.cx) + " x " + std::to_string(size.cy);
  return "Image too large for " + FormatName(kind) + ": " + sizeText + " pixels, at most " + std::to_string(most) +
         " on a side";
}

}  // namespace kestrova
