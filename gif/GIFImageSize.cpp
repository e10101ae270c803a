// Setting the size of a GIF image's logical screen.

#include "gif/GIFImage.h"
#include "gif/GIFSupport.h"

namespace kestrova {

void TGIFImage::SetWidth(int value) {
  for (const auto& frame : images_)
    if (frame->Left() + frame->Width() > value) RaiseGIFError("Image width too small for contained frames");
  if (value == Width()) return;
  header_.SetLogicalScreenWidth(CheckedDimension(value));
  Changed();
}

void TGIFImage::SetHeight(int value) {
  for (const auto& frame : images_)
    if (frame->Top() + frame->Height() > value) RaiseGIFError("Image height too small for contained frames");
  if (value == Height()) return;
  header_.SetLogicalScreenHeight(CheckedDimension(value));
  Changed();
}

}  // namespace kestrova
