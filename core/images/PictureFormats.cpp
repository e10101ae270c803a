#include "core/images/PictureFormats.h"

#include "core/images/BmpReader.h"
#include "core/images/GifCodec.h"
#include "core/images/JpegCodec.h"
#include "core/images/Metafile.h"
#include "core/images/PngCodec.h"
#include "core/support/FilePaths.h"
#include "core/support/StrLib.h"
#include "gif/GIFFormat.h"

namespace kestrova {

namespace {

Bitmap DecodeMetafile(std::span<const std::uint8_t> file) {
  return RenderMetafile(std::vector<std::uint8_t>(file.begin(), file.end()));
}

TSize MetafileSize(std::span<const std::uint8_t> file) {
  const MetafilePicture metafile = MetafilePicture::Load(std::vector<std::uint8_t>(file.begin(), file.end()));
  return {metafile.Width(), metafile.Height()};
}

}  // namespace

const std::vector<PictureFormat>& PictureFormats() {
  static const std::vector<PictureFormat> formats{
      {PictureKind::Gif, kGIFDescription, {kGIFFileExtension}, kGIFSignatureSize, HasGIFSignature, DecodeGif,
       GifPictureSize},
      {PictureKind::Png, "PNG images", {".PNG"}, kPngSignatureSize, HasPngSignature, DecodePng, PngPictureSize},
      {PictureKind::Jpeg, "JPG images", {".JPG", ".JPEG", ".JPE"}, kJpegSignatureSize, HasJpegSignature, DecodeJpeg,
       JpegPictureSize},
      {PictureKind::Metafile, "Metafiles", {".EMF", ".WMF"}, kMetafileSignatureSize, HasMetafileSignature,
       DecodeMetafile, MetafileSize},
      {PictureKind::WindowsBitmap, "Bitmaps", {".BMP"}, kBmpSignatureSize, HasBmpSignature, DecodeBmp,
       BmpPictureSize},
  };
  return formats;
}

const PictureFormat& PictureFormatOf(PictureKind kind) {
  for (const PictureFormat& format : PictureFormats())
    if (format.kind == kind) return format;
  return PictureFormats().back();
}

const PictureFormat& PictureFormatForReading(std::string_view fileName) {
  const std::string_view ext = TrimControls(ExtensionOf(fileName));
  for (const PictureFormat& format : PictureFormats())
    for (std::string_view known : format.extensions)
      if (SameText(ext, known)) return format;
  return PictureFormats().back();
}

}  // namespace kestrova
