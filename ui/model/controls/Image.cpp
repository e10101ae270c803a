#include "ui/model/controls/Image.h"

namespace kestrova {

void TImage::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  PictureChanged();
}

void TImage::PictureChanged() {
  if (autoSize_) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Changed();
}

void TImage::SetAutoSize(bool on) {
  if (Store(autoSize_, on) && on) PictureChanged();
}

}  // namespace kestrova
