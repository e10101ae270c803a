#include "core/images/Metafile.h"

#include <algorithm>

#include "core/images/ImageFileError.h"
#include "core/support/InputStreams.h"

namespace kestrova {

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

std::vector<std::uint8_t> ReadMetafileBytes(std::istream& file) {
  std::vector<std::uint8_t> bytes;
  // True when the file held that many bytes; read a piece at a time, so that
  // a length no file holds takes no memory.
  const auto readTo = [&](std::uint64_t size) {
    constexpr std::uint64_t kPiece = 1 << 20;
    while (bytes.size() < size) {
      const auto piece = static_cast<std::size_t>(std::min(size - bytes.size(), kPiece));
      const std::vector<std::uint8_t> more = ReadUpTo(file, piece);
      bytes.insert(bytes.end(), more.begin(), more.end());
      if (more.size() < piece) return false;
    }
    return true;
  };
  readTo(kMetafileSignatureSize);
  const bool enhanced = LooksLikeEmf(bytes);
  if (!enhanced && !LooksLikeWmf(bytes)) return bytes;
  std::uint64_t pos = enhanced ? 0 : WmfRecordsStart(bytes);
  const std::size_t head = enhanced ? kEmfRecordHeadSize : kWmfRecordHeadSize;
  if (!readTo(enhanced ? kEmfHeaderSize : pos)) return bytes;
  for (;;) {
    if (!readTo(pos + head)) return bytes;
    bool last = false;
    const std::span<const std::uint8_t> record(bytes.data() + pos, head);
    const std::uint64_t length = enhanced ? EmfRecordLength(record, last) : WmfRecordLength(record, last);
    if (length == 0 || !readTo(pos + length) || last) return bytes;
    pos += length;
  }
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
