#include "core/images/Metafile.h"

#include "core/images/ImageFileError.h"

namespace kestrova {

bool HasMetafileSignature(std::span<const std::uint8_t> head) { return LooksLikeEmf(head) || LooksLikeWmf(head); }

MetafilePicture MetafilePicture::Load(std::vector<std::uint8_t> bytes) {
  MetafilePicture m;
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

void MetafilePicture::Draw(TCanvas& canvas) const {
  if (enhanced_)
    PlayEmf(bytes_, emf_, canvas);
  else
    PlayWmf(bytes_, wmf_, canvas);
}

Bitmap RenderMetafile(std::vector<std::uint8_t> bytes) {
  const MetafilePicture metafile = MetafilePicture::Load(std::move(bytes));
  Bitmap picture(metafile.Width(), metafile.Height());
  picture.Fill(clWhite);
  TCanvas canvas(picture);
  metafile.Draw(canvas);
  return picture;
}

}  // namespace kestrova
