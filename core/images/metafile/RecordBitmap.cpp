#include "core/images/metafile/RecordBitmap.h"

#include <cstdlib>
#include <exception>

#include "core/images/BmpReader.h"
#include "core/images/LittleEndian.h"
#include "core/images/metafile/RecordLeftOut.h"

namespace kestrova {

namespace {

constexpr std::uint32_t kRle8 = 1, kRle4 = 2;
constexpr std::uint32_t kCoreHeaderSize = 12;

// Whether a compressed picture declares more pixels than `codes` bytes can give.
bool DeclaresMoreThanItsCodesGive(const LittleEndianView& header, std::uint64_t codes) {
  if (!header.Holds(0, 20) || header.U32(0) == kCoreHeaderSize) return false;
  const std::uint32_t compression = header.U32(16);
  if (compression != kRle8 && compression != kRle4) return false;
  const std::int64_t pixels = std::llabs(std::int64_t{header.I32(4)}) * std::llabs(std::int64_t{header.I32(8)});
  return pixels > kFreeRecordBitmapPixels && pixels > kRecordBitmapPixelsPerByte * static_cast<std::int64_t>(codes);
}

}  // namespace

std::optional<Bitmap> RecordBitmap(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits) {
  const LittleEndianView header(info, "");
  // A packed bitmap's codes follow its header: counting the header with them allows a little more.
  if (DeclaresMoreThanItsCodesGive(header, bits.empty() ? info.size() : bits.size()))
    throw RecordLeftOut("Bitmap declares more pixels than its data gives");
  try {
    return DecodeDib(info, bits);
  } catch (const std::exception&) {
    return std::nullopt;  // a bitmap of a kind not read is left out
  }
}

}  // namespace kestrova
