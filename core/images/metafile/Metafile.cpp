#include "core/images/metafile/Metafile.h"

#include <optional>

#include "core/images/metafile/EmfPlayer.h"
#include "core/images/ImageFileError.h"
#include "core/images/metafile/MetafileRecordReader.h"
#include "core/images/metafile/WmfPlayer.h"
#include "core/support/InputStreams.h"

namespace kestrova {

namespace {

// How many first bytes tell a metafile (enhanced or 16-bit).
constexpr std::size_t kSignatureSize = 44;

}  // namespace

struct MetafileReader::Parts {
  std::optional<MetafileRecordReader> records;
  bool enhanced = false;
  EmfLayout emf;
  WmfLayout wmf;
};

MetafileReader::MetafileReader(std::istream& file) : parts_(std::make_unique<Parts>()) {
  const std::istream::pos_type start = file.tellg();
  const std::vector<std::uint8_t> first = ReadUpTo(file, kSignatureSize);
  Parts& p = *parts_;
  p.enhanced = LooksLikeEmf(first);
  if (!p.enhanced && !LooksLikeWmf(first)) throw ImageFileError("Not a metafile");
  if (!file.seekg(start)) throw ImageFileError("Not a metafile");
  if (p.enhanced) {
    p.records.emplace(file, MetafileRecordReader::Kind::Enhanced);
    p.emf = ReadEmfHeader(*p.records);
    width_ = p.emf.width;
    height_ = p.emf.height;
    return;
  }
  const std::vector<std::uint8_t> headers = ReadUpTo(file, WmfHeadersSize(first));
  p.wmf = ReadWmfHeaders(headers);
  p.records.emplace(file, MetafileRecordReader::Kind::Windows16);
  if (p.wmf.width == 0) FindWmfSize(*p.records, p.wmf);
  width_ = p.wmf.width;
  height_ = p.wmf.height;
}

MetafileReader::~MetafileReader() = default;

std::size_t MetafileReader::Draw(TCanvas& canvas) {
  Parts& p = *parts_;
  return p.enhanced ? PlayEmf(*p.records, p.emf, canvas) : PlayWmf(*p.records, p.wmf, canvas);
}

MetafilePicture MetafilePicture::Load(std::vector<std::uint8_t> bytes) {
  MetafilePicture m;
  MemoryInputStream in(bytes);
  const MetafileReader reader(in);
  m.width_ = reader.Width();
  m.height_ = reader.Height();
  m.bytes_ = std::move(bytes);
  return m;
}

std::size_t MetafilePicture::Draw(TCanvas& canvas) const {
  MemoryInputStream in(bytes_);
  MetafileReader reader(in);
  return reader.Draw(canvas);
}

Bitmap RenderMetafile(std::istream& file, std::size_t* notDrawn) {
  MetafileReader metafile(file);
  Bitmap picture(metafile.Width(), metafile.Height());
  picture.Fill(clWhite);
  TCanvas canvas(picture);
  const std::size_t leftOut = metafile.Draw(canvas);
  if (notDrawn) *notDrawn = leftOut;
  return picture;
}

Bitmap RenderMetafile(const std::vector<std::uint8_t>& bytes) {
  MemoryInputStream in(bytes);
  return RenderMetafile(in);
}

TSize MetafileSize(std::istream& file) {
  const MetafileReader metafile(file);
  return {metafile.Width(), metafile.Height()};
}

std::string NotDrawnWarning(std::size_t notDrawn) {
  const bool one = notDrawn == 1;
  return std::to_string(notDrawn) + (one ? " record" : " records") + " of the metafile could not be drawn and " +
         (one ? "is" : "are") + " missing from the picture";
}

}  // namespace kestrova
