#include "core/images/metafile/EmfRecords.h"

#include <array>
#include <optional>
#include <vector>

namespace kestrova::emf {

namespace {

void BitBlt(MetafileDevice& dc, const LittleEndianView& r, bool stretch) {
  const int x = r.I32(24), y = r.I32(28), cx = r.I32(32), cy = r.I32(36);
  const std::uint32_t rop = r.U32(40);
  const int xSrc = r.I32(44), ySrc = r.I32(48);
  const int cxSrc = stretch ? r.I32(100) : cx, cySrc = stretch ? r.I32(104) : cy;
  const auto picture = Picture(r, 84);
  dc.Blit(SizedRect(x, y, cx, cy), picture ? &*picture : nullptr, SizedRect(xSrc, ySrc, cxSrc, cySrc), rop);
}

// A bit-block copy through a mask: the copy's fields, the source's bitmap,
// then the mask's corner, colour usage and bitmap. Without a mask it is a
// plain copy with the foreground operation.
void MaskBlt(MetafileDevice& dc, const LittleEndianView& r) {
  const auto mask = Picture(r, 112);
  if (!mask) {
    BitBlt(dc, r, false);
    return;
  }
  const int x = r.I32(24), y = r.I32(28), cx = r.I32(32), cy = r.I32(36);
  const std::uint32_t rop = r.U32(40);
  const int xSrc = r.I32(44), ySrc = r.I32(48);
  const auto picture = Picture(r, 84);
  dc.MaskBlit(SizedRect(x, y, cx, cy), picture ? &*picture : nullptr, SizedRect(xSrc, ySrc, cx, cy), *mask,
              Point32(r, 100), rop);
}

// The copy's fields with the transparent colour where the operation would
// be, then the source's bitmap and size.
void TransparentBlt(MetafileDevice& dc, const LittleEndianView& r) {
  const int x = r.I32(24), y = r.I32(28), cx = r.I32(32), cy = r.I32(36);
  const int xSrc = r.I32(44), ySrc = r.I32(48), cxSrc = r.I32(100), cySrc = r.I32(104);
  const auto picture = Picture(r, 84);
  if (picture) dc.TransparentBlit(SizedRect(x, y, cx, cy), *picture, SizedRect(xSrc, ySrc, cxSrc, cySrc), r.U32(40));
}

// Bounds, the three corners, the source rectangle, its transform, colour,
// usage and bitmap, then the mask's corner, usage and bitmap.
void PlgBlt(MetafileDevice& dc, const LittleEndianView& r) {
  const auto picture = Picture(r, 96);
  if (!picture) return;
  const auto mask = Picture(r, 124);
  dc.ParallelogramBlit({Point32(r, 24), Point32(r, 32), Point32(r, 40)}, *picture,
                       SizedRect(r.I32(48), r.I32(52), r.I32(56), r.I32(60)), mask ? &*mask : nullptr,
                       Point32(r, 112));
}

// Bounds, the numbers of vertices and of pieces, the mode, the vertices
// (point and 16-bit colours), then the pieces: pairs of vertex numbers for
// rectangles, triples for triangles.
void GradientFill(MetafileDevice& dc, const LittleEndianView& r) {
  const std::uint64_t count = r.U32(24), pieces = r.U32(28);
  const int mode = r.I32(32);
  const std::size_t corners = mode == gdi::GRADIENT_FILL_TRIANGLE ? 3 : 2;
  r.Require(36, count * 16 + pieces * corners * 4);
  std::vector<GradientVertex> vertices;
  vertices.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t v = 36 + 16 * i;
    vertices.push_back(GradientVertex{Point32(r, v), RGBColor(r.U16(v + 8) >> 8, r.U16(v + 10) >> 8, r.U16(v + 12) >> 8)});
  }
  std::vector<std::array<std::uint32_t, 3>> shapes;
  shapes.reserve(static_cast<std::size_t>(pieces));
  for (std::size_t i = 0; i < pieces; ++i) {
    const std::size_t p = 36 + 16 * static_cast<std::size_t>(count) + corners * 4 * i;
    shapes.push_back({r.U32(p), r.U32(p + 4), corners == 3 ? r.U32(p + 8) : 0});
  }
  dc.GradientFill(vertices, shapes, mode);
}

// The device-independent calls count the source corner from the bitmap's bottom-left.
void DibToDevice(MetafileDevice& dc, const LittleEndianView& r, bool stretch) {
  const int x = r.I32(24), y = r.I32(28), xSrc = r.I32(32), ySrc = r.I32(36);
  const int cxSrc = r.I32(40), cySrc = r.I32(44);
  const std::uint32_t rop = stretch ? r.U32(68) : 0x00CC0020;
  const int cx = stretch ? r.I32(72) : cxSrc, cy = stretch ? r.I32(76) : cySrc;
  const auto picture = Picture(r, 48);
  if (!picture) return;
  const int top = Checked(std::int64_t{picture->Height()} - ySrc - cySrc);
  dc.Blit(SizedRect(x, y, cx, cy), &*picture, SizedRect(xSrc, top, cxSrc, cySrc), rop);
}

// A bitmap with its own alpha: the fourth byte of each 32-bit pixel, kept
// beside the colours (the bitmap reader leaves it out).
std::optional<Bitmap> PictureWithAlpha(const LittleEndianView& r, std::size_t offsetsAt) {
  auto picture = Picture(r, offsetsAt);
  if (!picture || picture->Format() != PixelFormat::pf32bit) return picture;
  const LittleEndianView info(r.Sub(r.U32(offsetsAt), r.U32(offsetsAt + 4)), kMetafileBadRecord);
  if (info.U32(16) != 0) return picture;  // only plain 32-bit rows
  const auto bits = r.Sub(r.U32(offsetsAt + 8), r.U32(offsetsAt + 12));
  const bool bottomUp = info.I32(8) > 0;
  const std::size_t w = static_cast<std::size_t>(picture->Width());
  for (int y = 0; y < picture->Height(); ++y) {
    const std::size_t row = static_cast<std::size_t>(bottomUp ? picture->Height() - 1 - y : y);
    if ((row + 1) * w * 4 > bits.size()) continue;
    for (std::size_t x = 0; x < w; ++x) picture->ScanLine(y)[4 * x + 3] = bits[(row * w + x) * 4 + 3];
  }
  return picture;
}

// Bounds, destination, blend function, source corner, transform, colour,
// usage, bitmap offsets and sizes, source size.
void AlphaBlend(MetafileDevice& dc, const LittleEndianView& r) {
  const int x = r.I32(24), y = r.I32(28), cx = r.I32(32), cy = r.I32(36);
  const std::uint8_t constant = r.U8(42), format = r.U8(43);
  const int xSrc = r.I32(44), ySrc = r.I32(48), cxSrc = r.I32(100), cySrc = r.I32(104);
  const auto picture = PictureWithAlpha(r, 84);
  if (picture) dc.AlphaBlend(SizedRect(x, y, cx, cy), *picture, SizedRect(xSrc, ySrc, cxSrc, cySrc), constant, format & 1);
}

}  // namespace

bool PlayBitmapRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  switch (type) {
    case kBitBlt:
    case kStretchBlt: BitBlt(dc, r, type == kStretchBlt); break;
    case kMaskBlt: MaskBlt(dc, r); break;
    case kPlgBlt: PlgBlt(dc, r); break;
    case kTransparentBlt: TransparentBlt(dc, r); break;
    case kAlphaBlend: AlphaBlend(dc, r); break;
    case kGradientFill: GradientFill(dc, r); break;
    case kSetDIBitsToDevice:
    case kStretchDIBits: DibToDevice(dc, r, type == kStretchDIBits); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::emf
