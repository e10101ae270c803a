#include "core/images/metafile/WmfRecords.h"

#include "core/images/metafile/RecordBitmap.h"
#include "core/support/TextEncoding.h"

namespace kestrova::wmf {

TRect Box(const LittleEndianView& p, std::size_t word) {
  return TRect{I16(p, word + 3), I16(p, word + 2), I16(p, word + 1), I16(p, word)};
}

std::vector<TPoint> Points(const LittleEndianView& p, std::size_t word, std::size_t count) {
  p.Require(2 * word, 4 * std::uint64_t{count});
  std::vector<TPoint> points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) points.push_back(TPoint{I16(p, word + 2 * i), I16(p, word + 2 * i + 1)});
  return points;
}

std::string Text(const LittleEndianView& p, std::size_t offset, std::size_t count) {
  const auto bytes = p.Sub(offset, count);
  return DecodeTextFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<Bitmap> Picture(const LittleEndianView& p, std::size_t offset) {
  if (!p.Holds(offset, 1)) return std::nullopt;
  return RecordBitmap(p.Bytes().subspan(offset), {});
}

}  // namespace kestrova::wmf
