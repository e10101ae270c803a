#include "core/images/metafile/WmfRecords.h"

#include <algorithm>
#include <cstring>

#include "core/images/metafile/RecordBitmap.h"
#include "core/support/TextEncoding.h"
#include "rendering/SystemPalettes.h"

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

namespace {

std::optional<PixelFormat> DeviceFormat(int bitsPixel) {
  switch (bitsPixel) {
    case 1: return PixelFormat::pf1bit;
    case 4: return PixelFormat::pf4bit;
    case 8: return PixelFormat::pf8bit;
    case 16: return PixelFormat::pf16bit;
    case 24: return PixelFormat::pf24bit;
    case 32: return PixelFormat::pf32bit;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<Bitmap> DeviceBitmap(const LittleEndianView& p, std::size_t header, std::size_t bits,
                                   const std::array<TColor, 2>& twoColours) {
  if (!p.Holds(header, 10)) return std::nullopt;
  const int width = p.I16(header + 2), height = p.I16(header + 4), rowBytes = p.I16(header + 6);
  const auto format = DeviceFormat(p.U8(header + 9));
  if (p.U8(header + 8) != 1 || !format || width <= 0 || height <= 0) return std::nullopt;
  const std::size_t used = (static_cast<std::size_t>(width) * BitsPerPixel(*format) + 7) / 8;
  if (static_cast<std::size_t>(rowBytes) < used) return std::nullopt;
  const auto rows = p.Sub(bits, std::uint64_t(rowBytes) * height);
  Bitmap picture(width, height, *format);
  if (*format == PixelFormat::pf1bit) picture.SetPalette({twoColours[0], twoColours[1]});
  if (*format == PixelFormat::pf4bit) picture.SetPalette(VgaPalette16());
  if (*format == PixelFormat::pf8bit) picture.SetPalette(HalftonePalette256());
  for (int y = 0; y < height; ++y)
    std::memcpy(picture.ScanLine(y), rows.data() + static_cast<std::size_t>(y) * rowBytes, used);
  return picture;
}

}  // namespace kestrova::wmf
