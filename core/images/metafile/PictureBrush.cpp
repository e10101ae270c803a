#include "core/images/metafile/PictureBrush.h"

#include <memory>

#include "core/images/metafile/RecordLeftOut.h"

namespace kestrova {

MetaBrush PictureBrush(const std::optional<Bitmap>& picture, bool twoColor) {
  MetaBrush brush;
  brush.visible = picture.has_value();
  if (!picture) return brush;
  if (std::int64_t{picture->Width()} * picture->Height() > kMaxBrushPixels)
    throw RecordLeftOut("Brush picture larger than any pattern");
  // A two-colour pattern is made in black and white, and coloured where it fills.
  brush.pattern = std::make_shared<const BrushPattern>(twoColor ? BrushPattern::TwoColor(*picture, clBlack, clWhite)
                                                                : BrushPattern::Picture(*picture));
  brush.twoColor = twoColor;
  return brush;
}

}  // namespace kestrova
