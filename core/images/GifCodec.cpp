#include "core/images/GifCodec.h"

#include <sstream>
#include <string>

#include "core/images/ImageFileError.h"
#include "core/support/InputStreams.h"

namespace kestrova {

TColorReduction ColorReductionForIndex(int index) {
  if ((index >= 0 && index <= 6) || index == 8) return static_cast<TColorReduction>(index);
  return TColorReduction::rmQuantize;
}

TDitherMode DitherModeForIndex(int index) {
  return index >= 1 && index <= 6 ? static_cast<TDitherMode>(index) : TDitherMode::dmNearest;
}

TGIFCompression CompressionForIndex(int index) {
  return index == 1 ? TGIFCompression::gcRLE : TGIFCompression::gcLZW;
}

Bitmap DecodeGif(std::istream& file) {
  TGIFImage gif;
  // Only the first frame is used: the rest of the file is not read, and of
  // the blocks before its picture only the one that tells how to draw it is
  // kept.
  gif.LoadFromStream(file, TGIFLoadLimits{.frames = 1, .keepExtensions = false});
  const Bitmap* first = gif.GetBitmap();
  if (!first) throw ImageFileError("GIF file contains no image");
  return *first;
}

Bitmap DecodeGif(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return DecodeGif(in);
}

TSize GifPictureSize(std::istream& file) {
  TGIFHeader header(nullptr);
  header.LoadFromStream(file);
  return {header.LogicalScreenWidth(), header.LogicalScreenHeight()};
}

TSize GifPictureSize(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return GifPictureSize(in);
}

void AssignGif(TGIFImage& gif, const Bitmap& bitmap, TColorReduction reduction, TDitherMode dither,
               TGIFCompression compression) {
  gif.ColorReduction = reduction;
  gif.DitherMode = dither;
  gif.Compression = compression;
  gif.Assign(bitmap);
}

std::vector<std::uint8_t> GifBytes(const TGIFImage& gif) {
  std::ostringstream out;
  gif.SaveToStream(out);
  const std::string bytes = std::move(out).str();
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> EncodeGif(const Bitmap& bitmap, TColorReduction reduction, TDitherMode dither,
                                    TGIFCompression compression) {
  TGIFImage gif;
  AssignGif(gif, bitmap, reduction, dither, compression);
  return GifBytes(gif);
}

}  // namespace kestrova
