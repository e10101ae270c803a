#include "core/images/metafile/EmfRecords.h"

#include <bit>
#include <climits>
#include <cmath>

#include "core/images/ImageFileError.h"
#include "core/images/metafile/RecordBitmap.h"
#include "core/support/TextEncoding.h"
#include "rendering/DibHeader.h"
#include "rendering/Utf8.h"

namespace kestrova::emf {

int Checked(std::int64_t v) {
  if (v < INT_MIN || v > INT_MAX) throw ImageFileError(kMetafileOutOfRange);
  return static_cast<int>(v);
}

int Checked(double v) {
  if (!(v >= INT_MIN && v <= INT_MAX)) throw ImageFileError(kMetafileOutOfRange);
  return static_cast<int>(std::lrint(v));
}

TRect SizedRect(int x, int y, std::int64_t cx, std::int64_t cy) {
  return TRect{x, y, Checked(x + cx), Checked(y + cy)};
}

TPoint Point32(const LittleEndianView& r, std::size_t at) { return TPoint{r.I32(at), r.I32(at + 4)}; }

TRect Rect32(const LittleEndianView& r, std::size_t at) {
  return TRect{r.I32(at), r.I32(at + 4), r.I32(at + 8), r.I32(at + 12)};
}

float F32(const LittleEndianView& r, std::size_t at) { return std::bit_cast<float>(r.U32(at)); }

std::vector<TPoint> Points(const LittleEndianView& r, std::size_t at, std::uint64_t count, bool small) {
  const std::size_t step = small ? 4 : 8;
  r.Require(at, count * step);
  std::vector<TPoint> points;
  points.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t p = at + i * step;
    points.push_back(small ? TPoint{r.I16(p), r.I16(p + 2)} : Point32(r, p));
  }
  return points;
}

std::vector<TPoint> PolyPoints(const LittleEndianView& r, bool small) { return Points(r, 28, r.U32(24), small); }

std::vector<std::vector<TPoint>> PolyPolyPoints(const LittleEndianView& r, bool small) {
  const std::uint64_t polygons = r.U32(24);
  r.Require(32, polygons * 4);
  std::vector<std::vector<TPoint>> out;
  std::size_t at = 32 + static_cast<std::size_t>(polygons) * 4;
  for (std::size_t i = 0; i < polygons; ++i) {
    const std::uint32_t n = r.U32(32 + 4 * i);
    out.push_back(Points(r, at, n, small));
    at += static_cast<std::size_t>(n) * (small ? 4 : 8);
  }
  return out;
}

std::string Utf16Text(const LittleEndianView& r, std::size_t at, std::uint64_t units) {
  r.Require(at, units * 2);
  std::string out;
  for (std::size_t i = 0; i < units; ++i) {
    char32_t c = r.U16(at + 2 * i);
    if (c == 0) break;
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
      const char32_t low = r.U16(at + 2 * (i + 1));
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
    AppendUtf8(out, c);
  }
  return out;
}

std::string AnsiText(const LittleEndianView& r, std::size_t at, std::uint64_t count) {
  const auto bytes = r.Sub(at, count);
  return DecodeTextFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<AffineTransform> Transform(const LittleEndianView& r, std::size_t at) {
  double v[6];
  for (std::size_t i = 0; i < 6; ++i) {
    v[i] = F32(r, at + 4 * i);
    if (!std::isfinite(v[i])) return std::nullopt;
  }
  return AffineTransform{v[0], v[1], v[2], v[3], v[4], v[5]};
}

std::vector<TRect> RegionRects(const LittleEndianView& r, std::size_t at, std::uint64_t size) {
  if (size < 32) return {};
  const std::uint64_t count = std::min<std::uint64_t>(r.U32(at + 8), (size - 32) / 16);
  r.Require(at + 32, count * 16);
  std::vector<TRect> rects;
  rects.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < count; ++i) rects.push_back(Rect32(r, at + 32 + 16 * i));
  return rects;
}

std::optional<Bitmap> Picture(const LittleEndianView& r, std::size_t offsetsAt) {
  const std::uint32_t offBmi = r.U32(offsetsAt), cbBmi = r.U32(offsetsAt + 4);
  const std::uint32_t offBits = r.U32(offsetsAt + 8), cbBits = r.U32(offsetsAt + 12);
  if (cbBmi == 0) return std::nullopt;
  return RecordBitmap(r.Sub(offBmi, cbBmi), r.Sub(offBits, cbBits));
}

std::optional<Bitmap> MonoPicture(const LittleEndianView& r, std::size_t offsetsAt) {
  const std::uint32_t offBmi = r.U32(offsetsAt), cbBmi = r.U32(offsetsAt + 4);
  if (cbBmi < kDibInfoHeaderSize || r.U32(offBmi) != cbBmi || r.U16(offBmi + 14) != 1) return Picture(r, offsetsAt);
  // The header alone: it gets a table of two entries, black and white.
  const auto header = r.Sub(offBmi, cbBmi);
  std::vector<std::uint8_t> info(header.begin(), header.end());
  info[32] = 2;
  info[33] = info[34] = info[35] = 0;
  info.insert(info.end(), {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
  return RecordBitmap(info, r.Sub(r.U32(offsetsAt + 8), r.U32(offsetsAt + 12)));
}

}  // namespace kestrova::emf
