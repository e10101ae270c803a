#include "core/Metafile.h"

#include "core/ImageFileError.h"

namespace kestrova {

TMetafile TMetafile::Load(std::vector<std::uint8_t> bytes) {
  TMetafile m;
  if (LooksLikeEmf(bytes)) {
    m.enhanced_ = true;
    m.emf_ = ReadEmfLayout(bytes);
  } else if (LooksLikeWmf(bytes)) {
    m.wmf_ = ReadWmfLayout(bytes);
  } else {
    throw ImageFileError("Not a metafile");
  }
  m.bytes_ = std::move(bytes);
  return m;
}

void TMetafile::Draw(TCanvas& canvas) const {
  if (enhanced_)
    PlayEmf(bytes_, emf_, canvas);
  else
    PlayWmf(bytes_, wmf_, canvas);
}

Bitmap RenderMetafile(std::vector<std::uint8_t> bytes) {
  const TMetafile metafile = TMetafile::Load(std::move(bytes));
  Bitmap picture(metafile.Width(), metafile.Height());
  picture.Fill(clWhite);
  TCanvas canvas(picture);
  metafile.Draw(canvas);
  return picture;
}

}  // namespace kestrova
