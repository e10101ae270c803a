// Making a frame of a picture of another kind: an icon, a metafile or any
// picture, drawn into a bitmap first.

#include "gif/GIFGraphic.h"
#include "gif/GIFSubImage.h"

namespace kestrova {

namespace {

// The picture drawn at its own size over a background of one colour.
Bitmap DrawnOn(const TGIFGraphic& source, TColor background) {
  Bitmap picture(source.Width(), source.Height(), PixelFormat::pf24bit);
  picture.Fill(background);
  TCanvas canvas(picture);
  source.Draw(canvas);
  return picture;
}

// 1 where the mask is not black (a mask smaller than the frame masks nothing
// past its edges).
std::vector<std::uint8_t> MaskedPlaces(const Bitmap& mask, int width, int height) {
  std::vector<std::uint8_t> places(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = places.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      const TColor c = mask.GetPixel(x, y);
      row[x] = c != clBlack && c != kInvalidColor;
    }
  }
  return places;
}

// 1 where the two drawings of the picture differ: where it drew nothing and
// the background showed (white on one, black on the other).
std::vector<std::uint8_t> BackgroundPlaces(const Bitmap& onWhite, const Bitmap& onBlack) {
  const int width = onWhite.Width(), height = onWhite.Height();
  std::vector<std::uint8_t> places(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* white = onWhite.ScanLine(y);
    const std::uint8_t* black = onBlack.ScanLine(y);
    std::uint8_t* row = places.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x, white += 3, black += 3)
      row[x] = white[0] != black[0] || white[1] != black[1] || white[2] != black[2];
  }
  return places;
}

}  // namespace

void TGIFSubImage::Assign(const TGIFGraphic& source) {
  Clear();
  if (source.Empty()) return;
  const Bitmap picture = DrawnOn(source, clWhite);
  Assign(picture);
  switch (source.Kind()) {
    case TGIFGraphicKind::gkIcon:
      if (const Bitmap* mask = source.Mask()) ImportTransparent(MaskedPlaces(*mask, width_, height_));
      break;
    case TGIFGraphicKind::gkMetafile:
      ImportTransparent(BackgroundPlaces(picture, DrawnOn(source, clBlack)));
      break;
    case TGIFGraphicKind::gkPicture: break;
  }
}

}  // namespace kestrova
