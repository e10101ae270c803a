#pragma once
// A picture of another kind that a frame can be made from: it knows its size
// and draws itself onto a canvas. What it leaves transparent depends on its
// kind: an icon brings a mask of its own, a metafile leaves the background
// showing wherever it draws nothing, any other picture is opaque.

#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"

namespace kestrova {

enum class TGIFGraphicKind { gkPicture, gkIcon, gkMetafile };

class TGIFGraphic {
 public:
  virtual ~TGIFGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  virtual TGIFGraphicKind Kind() const { return TGIFGraphicKind::gkPicture; }

  // Draws the picture at its own size with its top-left corner at (0, 0),
  // over what the canvas holds.
  virtual void Draw(TCanvas& canvas) const = 0;
  // An icon's mask: a picture of the icon's size, white (any colour but
  // black) where the icon is transparent. Null when it has none.
  virtual const Bitmap* Mask() const { return nullptr; }
};

}  // namespace kestrova
