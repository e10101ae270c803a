#include "core/images/PictureFormats.h"

#include "core/images/BmpReader.h"
#include "core/images/GifCodec.h"
#include "core/images/JpegCodec.h"
#include "core/images/metafile/Metafile.h"
#include "core/images/PngCodec.h"
#include "core/support/FilePaths.h"
#include "core/support/StrLib.h"
#include "gif/GIFFormat.h"

namespace kestrova {

namespace {

Bitmap DecodeMetafile(std::istream& file, std::string& warning) {
  std::size_t notDrawn = 0;
  Bitmap picture = RenderMetafile(file, &notDrawn);
  if (notDrawn > 0) warning = NotDrawnWarning(notDrawn);
  return picture;
}

TSize MetafilePictureSize(std::istream& file) { return MetafileSize(file); }

}  // namespace

const std::vector<PictureFormat>& PictureFormats() {
  // The stream readers of each kind (each also has one for bytes in memory);
  // only a metafile's reader has warnings to give.
  static const std::vector<PictureFormat> formats{
      {PictureKind::Gif, kGIFDescription, {kGIFFileExtension},
       [](std::istream& f, std::string&) { return DecodeGif(f); }, [](std::istream& f) { return GifPictureSize(f); }},
      {PictureKind::Png, "PNG images", {".PNG"}, [](std::istream& f, std::string&) { return DecodePng(f); },
       [](std::istream& f) { return PngPictureSize(f); }},
      {PictureKind::Jpeg, "JPG images", {".JPG", ".JPEG", ".JPE"},
       [](std::istream& f, std::string&) { return DecodeJpeg(f); }, [](std::istream& f) { return JpegPictureSize(f); }},
      {PictureKind::Metafile, "Metafiles", {".EMF", ".WMF"}, DecodeMetafile, MetafilePictureSize},
      {PictureKind::WindowsBitmap, "Bitmaps", {".BMP"}, [](std::istream& f, std::string&) { return DecodeBmp(f); },
       [](std::istream& f) { return BmpPictureSize(f); }},
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
