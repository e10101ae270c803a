#include "ui/model/lists/IconPictures.h"

#include "core/images/ImageFiles.h"
#include "rendering/Canvas.h"

namespace kestrova {

namespace {

bool TooLarge(TSize size) { return size.cx > kMaxIconSide || size.cy > kMaxIconSide; }

}  // namespace

TIconPicture LoadIconPicture(const std::string& fileName) {
  TIconPicture icon;
  std::string error;
  if (!LoadPictureOfWantedSize(fileName, [](TSize size) { return !TooLarge(size); }, icon.size, icon.picture, error))
    return icon;
  if (TooLarge(icon.size)) {
    icon.result = TIconLoad::TooLarge;
    return icon;
  }
  // A header may leave the size to the picture (a GIF screen of 0 x 0).
  icon.size = {icon.picture.Width(), icon.picture.Height()};
  icon.result = TooLarge(icon.size) ? TIconLoad::TooLarge : TIconLoad::Loaded;
  if (icon.result == TIconLoad::TooLarge) icon.picture = Bitmap();
  return icon;
}

bool IconTooLargeToUse(const std::string& fileName, TSize& size) {
  std::string error;
  return ReadPictureSize(fileName, size, error) && TooLarge(size);
}

Bitmap IconThumbnail(Bitmap picture, int cellSize) {
  if (cellSize <= 0 || (picture.Width() <= cellSize && picture.Height() <= cellSize)) return picture;
  Bitmap thumbnail(cellSize, cellSize, PixelFormat::pf24bit);
  TCanvas(thumbnail).CopyRect(TRect{0, 0, cellSize, cellSize}, picture,
                              TRect{0, 0, picture.Width(), picture.Height()});
  return thumbnail;
}

std::string IconSizeText(TSize size) { return std::to_string(size.cx) + " x " + std::to_string(size.cy); }

}  // namespace kestrova
