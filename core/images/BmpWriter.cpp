#include "core/images/BmpWriter.h"

#include <cstring>
#include <stdexcept>

#include "core/images/ImageFileError.h"
#include "rendering/DibHeader.h"
#include "rendering/PackedColor.h"

namespace kestrova {

namespace {

// Each picture is stored in its own format: 15 bits as plain 16-bit pixels
// (which are 5-5-5), 16 bits as bit fields with the 5-6-5 masks.
DibInfo InfoOf(const Bitmap& b, std::uint64_t bitsSize) {
  DibInfo info;
  info.width = b.Width();
  info.height = b.Height();
  info.bitsPerPixel = BitsPerPixel(b.Format());
  if (IsIndexed(b.Format())) {
    const std::size_t full = std::size_t{1} << info.bitsPerPixel;
    info.colors = b.Palette();
    // A short table is stored as it is and counted; no table at all becomes a black one.
    info.tableEntries = info.colors.empty() ? full : info.colors.size();
    info.colorsUsed = info.tableEntries == full ? 0 : static_cast<std::uint32_t>(info.tableEntries);
  }
  if (b.Format() == PixelFormat::pf16bit) {
    info.compression = kDibBitFields;
    info.masks = kChannelMasks565;
    info.imageSize = static_cast<std::uint32_t>(bitsSize);
  }
  return info;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
  if (bitmap.Empty()) throw ImageFileError("The picture is empty");
  std::vector<std::uint8_t> info, file;
  const std::size_t stride = static_cast<std::size_t>(bitmap.Stride());
  const std::uint64_t bitsSize = static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(bitmap.Height());
  try {
    info = SerializeDibInfo(InfoOf(bitmap, bitsSize));
    file = SerializeBmpFileHeader(info.size(), bitsSize);
  } catch (const std::invalid_argument& e) {
    throw ImageFileError(e.what());
  }
  file.insert(file.end(), info.begin(), info.end());
  const std::size_t pixels = file.size();
  file.resize(pixels + static_cast<std::size_t>(bitsSize));
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(file.data() + pixels + static_cast<std::size_t>(bitmap.Height() - 1 - y) * stride,
                bitmap.ScanLine(y), stride);
  return file;
}

}  // namespace kestrova
