#include "core/images/ImageFiles.h"

#include <exception>

#include "core/images/BmpWriter.h"
#include "core/images/GifCodec.h"
#include "core/images/ImageFileError.h"
#include "core/images/JpegCodec.h"
#include "core/images/PngCodec.h"
#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "core/support/InputStreams.h"
#include "core/support/Messages.h"
#include "core/support/StrLib.h"

namespace kestrova {

namespace {

// Gives the staged file its name.
void CommitFile(const std::string& fileName, StagedFile& file) {
  std::string reason;
  if (!file.Commit(&reason)) throw ImageFileError("Cannot write file: " + fileName + " (" + reason + ")");
}

// Runs `read` on the file opened as a stream: the reader takes from the file
// only what it asks for. A file that cannot be opened, or whose reading fails
// on the way, raises ImageFileError with the system's reason.
template <typename Read>
auto ReadPictureFile(const std::string& fileName, Read read) {
  FileInputStream file;
  std::string reason;
  switch (file.Open(fileName, &reason)) {
    case ReadStatus::Ok: break;
    case ReadStatus::Missing: throw ImageFileError("File not found: " + fileName + " (" + reason + ")");
    case ReadStatus::Failed: throw ImageFileError("Cannot read file: " + fileName + " (" + reason + ")");
  }
  try {
    return read(file);
  } catch (const std::exception&) {
    if (file.ReadFailed(&reason)) throw ImageFileError("Cannot read file: " + fileName + " (" + reason + ")");
    throw;
  }
}

Bitmap ReadPictureAs(const PictureFormat& format, const std::string& fileName, std::string& warning) {
  return ReadPictureFile(fileName, [&](std::istream& file) { return format.decode(file, warning); });
}

// Runs a reader or writer step; false with the error's message when it fails.
template <typename Step>
bool Guarded(std::string& errorText, Step step) {
  errorText.clear();
  try {
    step();
    return true;
  } catch (const std::exception& e) {
    errorText = e.what();
  }
  return false;
}

bool SavePicture(PictureKind kind, const std::string& fileName, const Bitmap* bitmap,
                 const ImageWriteOptions& options, std::string& errorText) {
  if (!bitmap) return false;
  return WriteEncodedPicture(fileName, EncodePicture(kind, *bitmap, options), errorText);
}

}  // namespace

void ShowErrorBox(const std::string& text) {
  if (MessageBoxFunction)
    MessageBoxFunction(text, mtError, mbOK, 0);
  else
    ShowMessageOrLog(text, mtError, mbOK);
}

void ShowWarningMessage(const std::string& text) { ShowMessageOrLog(text, mtWarning, mbOK); }

ImageWriteOptions ImageWriteOptionsOf(const TSettings& s) {
  return ImageWriteOptions{s.GIFColorReduc, s.GIFDither,          s.GIFCompr,           s.jpg_qual,
                           s.PNGCompressionLevel, s.PNGTransparent, s.PNGTransparentColor};
}

PictureKind PictureKindForReading(std::string_view fileName) { return PictureFormatForReading(fileName).kind; }

PictureKind PictureKindForSaving(std::string_view fileName) {
  const std::string_view ext = ExtensionOf(fileName);
  if (SameText(ext, ".GIF")) return PictureKind::Gif;
  if (SameText(ext, ".JPG")) return PictureKind::Jpeg;
  if (SameText(ext, ".PNG")) return PictureKind::Png;
  return PictureKind::WindowsBitmap;
}

bool LoadPictureInto(const std::string& fileName, Bitmap* image, std::string& errorText, std::string* warningText) {
  if (!image) return false;
  std::string warning;
  const bool loaded =
      Guarded(errorText, [&] { *image = ReadPictureAs(PictureFormatForReading(fileName), fileName, warning); });
  if (warningText) *warningText = loaded ? warning : std::string();
  return loaded;
}

bool ReadPictureSize(const std::string& fileName, TSize& size, std::string& errorText) {
  return Guarded(errorText, [&] { size = ReadPictureFile(fileName, PictureFormatForReading(fileName).size); });
}

bool LoadPictureOfWantedSize(const std::string& fileName, const std::function<bool(TSize)>& wanted, TSize& size,
                             Bitmap& image, std::string& errorText) {
  return Guarded(errorText, [&] {
    const PictureFormat& format = PictureFormatForReading(fileName);
    ReadPictureFile(fileName, [&](std::istream& file) {
      size = format.size(file);
      if (!wanted(size)) return;
      // The picture from the file's start again: its header is read twice, the rest once.
      file.clear();
      file.seekg(0);
      std::string warning;  // an icon's picture is shown as it could be read
      image = format.decode(file, warning);
    });
  });
}

bool LoadBaseImage(BaseImageHost& host, const std::string& fileName, std::string& errorText) {
  bool loaded = false;
  std::string warning;
  if (host.image) {
    loaded = LoadPictureInto(fileName, host.image, errorText, &warning);
  } else {
    errorText = "No base image";
  }
  if (loaded && host.settings) host.settings->image_file = fileName;
  if (host.updateImageInfo) host.updateImageInfo();
  if (!warning.empty() && host.showWarning) host.showWarning(fileName + ": " + warning);
  return loaded;
}

bool LoadGif(const std::string& fileName, Bitmap* target, std::string& errorText) {
  if (!target) return false;
  std::string warning;
  return Guarded(errorText, [&] { *target = ReadPictureAs(PictureFormatOf(PictureKind::Gif), fileName, warning); });
}

EncodedPicture EncodePicture(PictureKind kind, const Bitmap& bitmap, const ImageWriteOptions& options) {
  EncodedPicture picture;
  picture.ok = Guarded(picture.errorText, [&] {
    switch (kind) {
      case PictureKind::Gif: {
        TGIFImage gif;
        AssignGif(gif, bitmap, options);
        picture.bytes = GifBytes(gif);
        return;
      }
      case PictureKind::Jpeg: picture.bytes = EncodeJpeg(bitmap, options.jpegQuality); return;
      case PictureKind::Png:
        picture.bytes =
            EncodePng(bitmap, PngWriteOptions{options.pngCompressionLevel, options.pngTransparent,
                                              options.pngTransparentColor});
        return;
      default: picture.bytes = EncodeBmp(bitmap); return;
    }
  });
  return picture;
}

void StageEncodedPicture(const std::string& fileName, EncodedPicture& picture, LinkAtName link, StagingArea* area) {
  if (!picture.ok || picture.staged) return;
  const std::string_view bytes(reinterpret_cast<const char*>(picture.bytes.data()), picture.bytes.size());
  if (area) {
    picture.staged.emplace(fileName, bytes, link, *area);
  } else {
    picture.staged.emplace(fileName, bytes, link);
  }
  picture.bytes = {};  // the staged file holds them now
}

bool WriteEncodedPicture(const std::string& fileName, EncodedPicture picture, std::string& errorText,
                         LinkAtName link) {
  if (!picture.ok) {
    errorText = picture.errorText;
    return false;
  }
  StageEncodedPicture(fileName, picture, link);
  return Guarded(errorText, [&] { CommitFile(fileName, *picture.staged); });
}

void AssignGif(TGIFImage& gif, const Bitmap& bitmap, const ImageWriteOptions& options) {
  AssignGif(gif, bitmap, ColorReductionForIndex(options.gifColorReduction), DitherModeForIndex(options.gifDither),
            CompressionForIndex(options.gifCompression));
}

void SetGifDefaults(const ImageWriteOptions& options) {
  GIFDefaultColorReduction = ColorReductionForIndex(options.gifColorReduction);
}

bool SaveGif(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
             std::string& errorText) {
  if (!bitmap) return false;
  SetGifDefaults(options);
  return SavePicture(PictureKind::Gif, fileName, bitmap, options, errorText);
}

bool SaveBmp(const std::string& fileName, const Bitmap* bitmap, std::string& errorText) {
  return SavePicture(PictureKind::WindowsBitmap, fileName, bitmap, ImageWriteOptions(), errorText);
}

bool SaveJpeg(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
              std::string& errorText) {
  return SavePicture(PictureKind::Jpeg, fileName, bitmap, options, errorText);
}

bool SavePng(const std::string& fileName, const Bitmap* bitmap, const ImageWriteOptions& options,
             std::string& errorText) {
  return SavePicture(PictureKind::Png, fileName, bitmap, options, errorText);
}

void SaveBaseImage(BaseImageHost& host, const ImageWriteOptions& options, const std::string& fileName) {
  auto show = [&](const std::string& text) {
    if (host.showErrorBox) host.showErrorBox(text);
  };
  std::string errorText;
  auto saveAs = [&](auto writer, const char* tag) {
    if (!writer(fileName, host.image, options, errorText))
      show(host.errorSavingText + tag + fileName + "\r\n" + errorText);
  };
  switch (PictureKindForSaving(fileName)) {
    case PictureKind::Gif: return saveAs(SaveGif, " gif: ");
    case PictureKind::Jpeg: return saveAs(SaveJpeg, " jpg: ");
    case PictureKind::Png: return saveAs(SavePng, " png: ");
    default: break;
  }
  if (!SaveBmp(fileName, host.image, errorText))
    return show(host.errorSavingText + " bmp: " + fileName + "\r\n" + errorText);
  if (host.settings) host.settings->image_file = fileName;
}

}  // namespace kestrova
