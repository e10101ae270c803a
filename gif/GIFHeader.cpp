#include "gif/GIFHeader.h"

#include "gif/GIFFormat.h"
#include "gif/GIFImage.h"
#include "gif/GIFSupport.h"
#include "rendering/Bitmap.h"

namespace kestrova {

void TGIFHeader::Clear() {
  globalColorMap_.Clear();
  width_ = height_ = 0;
  packedFields_ = backgroundColorIndex_ = aspectRatio_ = 0;
}

void TGIFHeader::Assign(const TGIFHeader& source) {
  if (&source == this) return;
  globalColorMap_.Assign(source.globalColorMap_);
  width_ = source.width_;
  height_ = source.height_;
  packedFields_ = source.packedFields_;
  backgroundColorIndex_ = source.backgroundColorIndex_;
  aspectRatio_ = source.aspectRatio_;
}

TGIFVersion TGIFHeader::GetVersion() const {
  return globalColorMap_.Optimized() || aspectRatio_ != 0 ? TGIFVersion::gv89a : TGIFVersion::gv87a;
}

std::uint8_t TGIFHeader::BuildPackedFields() const {
  int packed = 0;
  if (globalColorMap_.Count() > 0) {
    packed |= 0x80;
    if (globalColorMap_.Optimized()) packed |= 0x08;
  }
  const TGIFImage* image = Image();
  const int resolution = image != nullptr ? image->GetColorResolution() : ColorResolution();
  packed |= (resolution << 4) & 0x70;
  // The size bits must describe the global table that follows; without one
  // they carry the image's largest table.
  const int bits = globalColorMap_.Count() > 0 || image == nullptr ? BitsPerPixel() : image->GetBitsPerPixel();
  packed |= (bits - 1) & 7;
  return static_cast<std::uint8_t>(packed);
}

void TGIFHeader::SaveToStream(std::ostream& stream) const {
  const TGIFVersion version = Image() != nullptr ? Image()->GetVersion() : GetVersion();
  if (version == TGIFVersion::gvUnknown) RaiseGIFError("Unsupported GIF version");
  stream.write(version == TGIFVersion::gv89a ? "GIF89a" : "GIF87a", 6);
  const std::uint8_t descriptor[7] = {
      static_cast<std::uint8_t>(width_ & 0xFF), static_cast<std::uint8_t>(width_ >> 8),
      static_cast<std::uint8_t>(height_ & 0xFF), static_cast<std::uint8_t>(height_ >> 8),
      BuildPackedFields(), backgroundColorIndex_, aspectRatio_};
  stream.write(reinterpret_cast<const char*>(descriptor), sizeof(descriptor));
  if (descriptor[4] & 0x80) globalColorMap_.SaveToStream(stream);
}

void TGIFHeader::LoadFromStream(std::istream& stream) {
  const std::istream::pos_type start = stream.tellg();
  std::uint8_t signature[6];
  ReadCheck(stream, signature, sizeof(signature));
  if (!IsGIFSignature(signature)) {
    stream.clear();
    stream.seekg(start + std::streamoff{4});
    ReadCheck(stream, signature, sizeof(signature));
    if (!IsGIFSignature(signature)) RaiseGIFError("Invalid GIF signature");
  }
  std::uint8_t descriptor[7];
  ReadCheck(stream, descriptor, sizeof(descriptor));
  width_ = static_cast<std::uint16_t>(descriptor[0] | descriptor[1] << 8);
  height_ = static_cast<std::uint16_t>(descriptor[2] | descriptor[3] << 8);
  packedFields_ = descriptor[4];
  backgroundColorIndex_ = descriptor[5];
  aspectRatio_ = descriptor[6];
  if (std::int64_t{width_} * height_ > Bitmap::kMaxPixels) RaiseGIFError("Image too large");
  if (packedFields_ & 0x80) {
    globalColorMap_.ImportFromStream(stream, 2 << (packedFields_ & 7));
  } else {
    globalColorMap_.Clear();
  }
}

}  // namespace kestrova
