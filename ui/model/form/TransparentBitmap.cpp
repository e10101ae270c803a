#include "ui/model/form/TransparentBitmap.h"

namespace kestrova {

namespace {

// A 24-bit copy of the bitmap with its `transparent` pixels replaced by `fill`.
Bitmap KeyedCopy(const Bitmap& bitmap, TColor transparent, TColor fill) {
  const TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
  Bitmap copy(bitmap.Width(), bitmap.Height(), PixelFormat::pf24bit);
  TCanvas canvas(copy);
  canvas.Brush.color = fill;
  canvas.Brush.style = BrushStyle::bsSolid;
  canvas.BrushCopy(whole, bitmap, whole, transparent);
  return copy;
}

}  // namespace

void DrawTransparentBitmap(TCanvas& canvas, int x, int y, const Bitmap& bitmap, TColor transparent, TColor back) {
  if (bitmap.Empty()) return;
  const TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
  const TRect target{x, y, x + bitmap.Width(), y + bitmap.Height()};
  const Bitmap blackKeyed = KeyedCopy(bitmap, transparent, clBlack);
  const Bitmap backKeyed = KeyedCopy(bitmap, transparent, back);
  canvas.CopyRect(target, backKeyed, whole, CopyMode::cmSrcAnd);
  canvas.CopyRect(target, blackKeyed, whole, CopyMode::cmSrcPaint);
}

}  // namespace kestrova
