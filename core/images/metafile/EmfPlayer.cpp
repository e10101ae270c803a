#include "core/images/metafile/EmfPlayer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/images/BmpReader.h"
#include "core/images/ImageFileError.h"
#include "core/images/LittleEndian.h"
#include "core/images/metafile/MetafileDevice.h"
#include "core/support/TextEncoding.h"
#include "rendering/Utf8.h"

namespace kestrova {

namespace {

constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kStockObject = 0x80000000;

const char* const kTruncated = kMetafileTruncated;
const char* const kBadRecord = kMetafileBadRecord;

// Record types.
enum : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kSetBrushOrgEx = 13,
  kSetPixelV = 15,
  kSetMapperFlags = 16,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetStretchBltMode = 21,
  kSetTextAlign = 22,
  kSetColorAdjustment = 23,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kOffsetClipRgn = 26,
  kMoveToEx = 27,
  kSetMetaRgn = 28,
  kExcludeClipRect = 29,
  kIntersectClipRect = 30,
  kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32,
  kSaveDC = 33,
  kRestoreDC = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kAngleArc = 41,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kSelectPalette = 48,
  kCreatePalette = 49,
  kSetPaletteEntries = 50,
  kResizePalette = 51,
  kRealizePalette = 52,
  kExtFloodFill = 53,
  kLineTo = 54,
  kArcTo = 55,
  kPolyDraw = 56,
  kSetArcDirection = 57,
  kSetMiterLimit = 58,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kFlattenPath = 65,
  kWidenPath = 66,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kGdiComment = 70,
  kFillRgn = 71,
  kFrameRgn = 72,
  kInvertRgn = 73,
  kPaintRgn = 74,
  kExtSelectClipRgn = 75,
  kBitBlt = 76,
  kStretchBlt = 77,
  kMaskBlt = 78,
  kPlgBlt = 79,
  kSetDIBitsToDevice = 80,
  kStretchDIBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kPolyDraw16 = 92,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrushPt = 94,
  kExtCreatePen = 95,
  kPolyTextOutA = 96,
  kPolyTextOutW = 97,
  kSetIcmMode = 98,
  kCreateColorSpace = 99,
  kSetColorSpace = 100,
  kDeleteColorSpace = 101,
  kPixelFormat = 104,
  kDrawEscape = 105,
  kExtEscape = 106,
  kForceUfiMapping = 109,
  kNamedEscape = 110,
  kColorCorrectPalette = 111,
  kSetIcmProfileA = 112,
  kSetIcmProfileW = 113,
  kAlphaBlend = 114,
  kSetLayout = 115,
  kSmallTextOut = 108,
  kTransparentBlt = 116,
  kGradientFill = 118,
  kSetLinkedUfis = 119,
  kSetTextJustification = 120,
  kColorMatchToTargetW = 121,
  kCreateColorSpaceW = 122,
};

// What playing does with a record: reads and plays it, reads past it (it
// draws nothing here), or counts it as left out.
enum class Handling { Play, ReadPast, LeftOut };

Handling HandlingOf(std::uint32_t type) {
  switch (type) {
    case kHeader:
    case kSetMapperFlags:
    case kSetStretchBltMode:
    case kSetColorAdjustment:
    case kSelectPalette:
    case kSetPaletteEntries:
    case kResizePalette:
    case kRealizePalette:
    case kGdiComment:  // also where the newer records of dual files travel
    case kSetIcmMode:
    case kCreateColorSpace:
    case kSetColorSpace:
    case kDeleteColorSpace:
    case kPixelFormat:
    case kDrawEscape:
    case kExtEscape:
    case kForceUfiMapping:
    case kNamedEscape:
    case kColorCorrectPalette:
    case kSetIcmProfileA:
    case kSetIcmProfileW:
    case kSetLayout:
    case kSetLinkedUfis:
    case kSetTextJustification:
    case kColorMatchToTargetW:
    case kCreateColorSpaceW: return Handling::ReadPast;
    default: break;
  }
  // Every other record from the first drawing record to the parallelogram
  // copies (flood fills aside), from the device-independent copies to the
  // text of several strings, and the later copies, blends, gradients and text.
  const bool later = type == kSmallTextOut || type == kAlphaBlend || type == kTransparentBlt || type == kGradientFill;
  return (type >= kPolyBezier && type <= kPlgBlt && type != kExtFloodFill) ||
                 (type >= kSetDIBitsToDevice && type <= kPolyTextOutW) || later
             ? Handling::Play
             : Handling::LeftOut;
}

// A value computed from record fields, refused when it leaves the int range.
int Checked(std::int64_t v) {
  if (v < INT_MIN || v > INT_MAX) throw ImageFileError(kMetafileOutOfRange);
  return static_cast<int>(v);
}

int Checked(double v) {
  if (!(v >= INT_MIN && v <= INT_MAX)) throw ImageFileError(kMetafileOutOfRange);
  return static_cast<int>(std::lrint(v));
}

// The rectangle of a corner and a size.
TRect SizedRect(int x, int y, std::int64_t cx, std::int64_t cy) {
  return TRect{x, y, Checked(x + cx), Checked(y + cy)};
}

TPoint Point32(const LittleEndianView& r, std::size_t at) { return TPoint{r.I32(at), r.I32(at + 4)}; }

TRect Rect32(const LittleEndianView& r, std::size_t at) {
  return TRect{r.I32(at), r.I32(at + 4), r.I32(at + 8), r.I32(at + 12)};
}

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

// Polylines and polygons: bounds, count, points.
std::vector<TPoint> PolyPoints(const LittleEndianView& r, bool small) { return Points(r, 28, r.U32(24), small); }

// Bounds, number of polygons, number of points, the counts, then the points.
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

// UTF-16 text; a lone surrogate becomes U+FFFD, a NUL ends the text.
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

// Single-byte text, read like the program's other single-byte text.
std::string AnsiText(const LittleEndianView& r, std::size_t at, std::uint64_t count) {
  const auto bytes = r.Sub(at, count);
  return DecodeTextFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

MetaFont Font(const LittleEndianView& r) {
  MetaFont f;
  f.height = r.I32(12);
  f.width = r.I32(16);
  f.escapement = r.I32(20);
  f.weight = r.I32(28);
  f.italic = r.U8(32) != 0;
  f.underline = r.U8(33) != 0;
  f.strikeout = r.U8(34) != 0;
  f.charset = r.U8(35);
  f.quality = r.U8(38);
  f.face = Utf16Text(r, 40, 32);
  return f;
}

// The code units of each character of UTF-16 text: two for a surrogate pair.
std::vector<int> Utf16Units(const std::string& text) {
  std::vector<int> units;
  for (const char32_t c : DecodeUtf8(text)) units.push_back(c >= 0x10000 ? 2 : 1);
  return units;
}

// Text at `at`: reference point, count, offsets (from the record's start)
// of the string and of the distances, options, rectangle.
void TextRecord(MetafileDevice& dc, const LittleEndianView& r, std::size_t at, bool wide) {
  MetaText t;
  t.reference = Point32(r, at);
  const std::uint32_t count = r.U32(at + 8), offset = r.U32(at + 12), offDx = r.U32(at + 36);
  t.options = r.U32(at + 16);
  t.rect = Rect32(r, at + 20);
  if (wide && (t.options & gdi::ETO_GLYPH_INDEX)) {
    r.Require(offset, std::uint64_t{count} * 2);
    for (std::size_t i = 0; i < count; ++i) t.glyphs.push_back(r.U16(offset + 2 * i));
  } else if (wide) {
    t.text = Utf16Text(r, offset, count);
    t.units = Utf16Units(t.text);
  } else {
    t.text = AnsiText(r, offset, count);
    t.units = SingleByteUnits(std::string_view(reinterpret_cast<const char*>(r.Sub(offset, count).data()), count));
  }
  const std::uint64_t values = std::uint64_t{count} * ((t.options & gdi::ETO_PDY) ? 2 : 1);
  // A record whose distances lie outside it draws with the font's advances.
  if (offDx != 0 && count != 0 && r.Holds(offDx, values * 4)) {
    t.dx.reserve(static_cast<std::size_t>(values));
    for (std::size_t i = 0; i < values; ++i) t.dx.push_back(r.I32(offDx + 4 * i));
  }
  dc.TextOut(t);
}

// Bounds, graphics mode, scales, then the text.
void ExtTextOut(MetafileDevice& dc, const LittleEndianView& r, bool wide) { TextRecord(dc, r, 36, wide); }

// Bounds, graphics mode, scales, the number of strings, then the text of each.
void PolyTextOut(MetafileDevice& dc, const LittleEndianView& r, bool wide) {
  const std::uint64_t strings = r.U32(36);
  r.Require(40, strings * 40);
  for (std::size_t i = 0; i < strings; ++i) TextRecord(dc, r, 40 + 40 * i, wide);
}

// The reference point, count, options, graphics mode, scales, the clipping
// rectangle unless ETO_NO_RECT, then the characters: bytes with
// ETO_SMALL_CHARS, else UTF-16.
void SmallTextOut(MetafileDevice& dc, const LittleEndianView& r) {
  constexpr std::uint32_t kNoRect = 0x100, kSmallChars = 0x200;
  MetaText t;
  t.reference = Point32(r, 8);
  const std::uint32_t count = r.U32(16);
  t.options = r.U32(20) & ~(kNoRect | kSmallChars);
  std::size_t at = 36;
  if (!(r.U32(20) & kNoRect)) {
    t.rect = Rect32(r, at);
    at += 16;
  }
  if (r.U32(20) & kSmallChars) {
    t.text = AnsiText(r, at, count);
    t.units = SingleByteUnits(std::string_view(reinterpret_cast<const char*>(r.Sub(at, count).data()), count));
  } else {
    t.text = Utf16Text(r, at, count);
    t.units = Utf16Units(t.text);
  }
  dc.TextOut(t);
}

// The bitmap a record carries at the given offsets; null when it has none or
// one of a kind not supported.
std::optional<Bitmap> Picture(const LittleEndianView& r, std::size_t offsetsAt) {
  const std::uint32_t offBmi = r.U32(offsetsAt), cbBmi = r.U32(offsetsAt + 4);
  const std::uint32_t offBits = r.U32(offsetsAt + 8), cbBits = r.U32(offsetsAt + 12);
  if (cbBmi == 0) return std::nullopt;
  const auto info = r.Sub(offBmi, cbBmi);
  const auto bits = r.Sub(offBits, cbBits);
  try {
    return DecodeDib(info, bits);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

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

MetaPen ExtPen(const LittleEndianView& r) {
  const std::uint32_t style = r.U32(28);
  const bool geometric = style & gdi::PS_GEOMETRIC;
  const bool hollowBrush = r.U32(36) == gdi::BS_NULL;
  MetaPen pen{(style & gdi::PS_STYLE_MASK) != gdi::PS_NULL && !hollowBrush, geometric ? r.I32(32) : 0, r.U32(40), style};
  if ((style & gdi::PS_STYLE_MASK) == gdi::PS_USERSTYLE) {
    const std::uint64_t entries = r.U32(48);
    r.Require(52, entries * 4);
    for (std::size_t i = 0; i < entries; ++i) pen.dashes.push_back(r.U32(52 + 4 * i));
  }
  return pen;
}

// A brush from its style, colour and hatch.
MetaBrush LogBrush(std::uint32_t style, TColor color, std::uint32_t hatch) {
  MetaBrush brush{style == gdi::BS_SOLID || style == gdi::BS_HATCHED, color};
  if (style == gdi::BS_HATCHED && hatch <= static_cast<std::uint32_t>(HatchStyle::DiagonalCross))
    brush.hatch = static_cast<HatchStyle>(hatch);
  return brush;
}

// A pattern brush: a two-colour picture takes the text and background colours.
MetaBrush PatternBrush(const LittleEndianView& r, bool twoColor) {
  MetaBrush brush;
  if (auto picture = Picture(r, 16)) {
    brush.twoColor = twoColor;
    brush.picture = std::make_shared<const Bitmap>(std::move(*picture));
  }
  brush.visible = brush.picture != nullptr;
  return brush;
}

// A bitmap with its own alpha: the fourth byte of each 32-bit pixel, kept
// beside the colours (the bitmap reader leaves it out).
std::optional<Bitmap> PictureWithAlpha(const LittleEndianView& r, std::size_t offsetsAt) {
  auto picture = Picture(r, offsetsAt);
  if (!picture || picture->Format() != PixelFormat::pf32bit) return picture;
  const LittleEndianView info(r.Sub(r.U32(offsetsAt), r.U32(offsetsAt + 4)), kBadRecord);
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

// The miter limit is written as a whole number by some programs and as a
// 32-bit float by others; a float's bits read as a number are far larger.
double MiterLimit(std::uint32_t bits) {
  if (bits < 0x10000) return bits;
  float f = 0;
  std::memcpy(&f, &bits, sizeof f);
  return std::isfinite(f) ? f : 10.0;
}

float F32(const LittleEndianView& r, std::size_t at) { return std::bit_cast<float>(r.U32(at)); }

// A transform of six floats; none when one of them is not a number.
std::optional<AffineTransform> Transform(const LittleEndianView& r, std::size_t at) {
  double v[6];
  for (std::size_t i = 0; i < 6; ++i) {
    v[i] = F32(r, at + 4 * i);
    if (!std::isfinite(v[i])) return std::nullopt;
  }
  return AffineTransform{v[0], v[1], v[2], v[3], v[4], v[5]};
}

// The rectangles of region data of `size` bytes: a 32-byte header (its
// rectangle count at 8), then the rectangles.
std::vector<TRect> RegionRects(const LittleEndianView& r, std::size_t at, std::uint64_t size) {
  if (size < 32) return {};
  const std::uint64_t count = std::min<std::uint64_t>(r.U32(at + 8), (size - 32) / 16);
  r.Require(at + 32, count * 16);
  std::vector<TRect> rects;
  rects.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < count; ++i) rects.push_back(Rect32(r, at + 32 + 16 * i));
  return rects;
}

void ExtSelectClipRgn(MetafileDevice& dc, const LittleEndianView& r) {
  const std::uint32_t size = r.U32(8);
  const int mode = r.I32(12);
  if (size == 0) {
    dc.SelectClipRects(nullptr, mode);
    return;
  }
  const std::vector<TRect> rects = RegionRects(r, 16, size);
  dc.SelectClipRects(&rects, mode);
}

void RegionRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  const std::uint32_t size = r.U32(24);
  switch (type) {
    case kFillRgn:
      if (const auto brush = dc.BrushAt(r.U32(28))) dc.FillRegion(RegionRects(r, 32, size), *brush);
      break;
    case kFrameRgn:
      if (const auto brush = dc.BrushAt(r.U32(28)))
        dc.FrameRegion(RegionRects(r, 40, size), *brush, r.I32(32), r.I32(36));
      break;
    case kInvertRgn: dc.InvertRegion(RegionRects(r, 28, size)); break;
    case kPaintRgn: dc.PaintRegion(RegionRects(r, 28, size)); break;
    default: break;
  }
}

// Points with a kind byte each after them.
void PolyDraw(MetafileDevice& dc, const LittleEndianView& r, bool small) {
  const std::uint32_t count = r.U32(24);
  const std::vector<TPoint> points = Points(r, 28, count, small);
  const auto kinds = r.Sub(28 + std::uint64_t{count} * (small ? 4 : 8), count);
  dc.PolyDraw(points, std::vector<std::uint8_t>(kinds.begin(), kinds.end()));
}

// Records of curves, paths, clipping and transforms.
bool PlayGeometryRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  using Shape = MetafileDevice::ArcShape;
  switch (type) {
    case kPolyBezier:
    case kPolyBezier16: dc.PolyBezier(PolyPoints(r, type == kPolyBezier16)); break;
    case kPolyBezierTo:
    case kPolyBezierTo16: dc.PolyBezierTo(PolyPoints(r, type == kPolyBezierTo16)); break;
    case kPolyDraw:
    case kPolyDraw16: PolyDraw(dc, r, type == kPolyDraw16); break;
    case kAngleArc: dc.AngleArc(Point32(r, 8), r.U32(16), F32(r, 20), F32(r, 24)); break;
    case kArcTo: dc.ArcTo(Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kSetArcDirection: dc.SetArcDirection(r.I32(8)); break;
    case kSetPolyFillMode: dc.SetPolyFillMode(r.I32(8)); break;
    case kBeginPath: dc.BeginPath(); break;
    case kEndPath: dc.EndPath(); break;
    case kCloseFigure: dc.CloseFigure(); break;
    case kFillPath: dc.FillPath(); break;
    case kStrokeAndFillPath: dc.StrokeAndFillPath(); break;
    case kStrokePath: dc.StrokePath(); break;
    case kFlattenPath: dc.FlattenPath(); break;
    case kWidenPath: dc.WidenPath(); break;
    case kSelectClipPath: dc.SelectClipPath(r.I32(8)); break;
    case kAbortPath: dc.AbortPath(); break;
    case kOffsetClipRgn: dc.OffsetClipRgn(r.I32(8), r.I32(12)); break;
    case kSetMetaRgn: dc.SetMetaRgn(); break;
    case kExcludeClipRect: dc.ExcludeClipRect(Rect32(r, 8)); break;
    case kIntersectClipRect: dc.IntersectClipRect(Rect32(r, 8)); break;
    case kExtSelectClipRgn: ExtSelectClipRgn(dc, r); break;
    case kFillRgn:
    case kFrameRgn:
    case kInvertRgn:
    case kPaintRgn: RegionRecord(dc, type, r); break;
    case kScaleViewportExtEx: dc.ScaleViewportExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); break;
    case kScaleWindowExtEx: dc.ScaleWindowExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); break;
    case kSetWorldTransform:
      if (const auto t = Transform(r, 8)) dc.SetWorldTransform(*t);
      break;
    case kModifyWorldTransform:
      if (const auto t = Transform(r, 8)) dc.ModifyWorldTransform(*t, r.I32(32));
      break;
    case kArc: dc.ArcShaped(Shape::Arc, Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kChord: dc.ArcShaped(Shape::Chord, Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kPie: dc.ArcShaped(Shape::Pie, Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    default: return false;
  }
  return true;
}

void PlayRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  if (PlayGeometryRecord(dc, type, r)) return;
  switch (type) {
    case kSetMapMode: dc.SetMapMode(r.I32(8)); break;
    case kSetWindowExtEx: dc.SetWindowExt(r.I32(8), r.I32(12)); break;
    case kSetWindowOrgEx: dc.SetWindowOrg(r.I32(8), r.I32(12)); break;
    case kSetViewportExtEx: dc.SetViewportExt(r.I32(8), r.I32(12)); break;
    case kSetViewportOrgEx: dc.SetViewportOrg(r.I32(8), r.I32(12)); break;
    case kSetBkMode: dc.SetBkMode(r.I32(8)); break;
    case kSetTextAlign: dc.SetTextAlign(r.U32(8)); break;
    case kSetTextColor: dc.SetTextColor(r.U32(8)); break;
    case kSetBkColor: dc.SetBkColor(r.U32(8)); break;
    case kSaveDC: dc.SaveDC(); break;
    case kRestoreDC: dc.RestoreDC(r.I32(8)); break;
    case kCreatePen:
      dc.CreateObjectAt(r.U32(8), MetaPen{(r.U32(12) & gdi::PS_STYLE_MASK) != gdi::PS_NULL, r.I32(16), r.U32(24),
                                          r.U32(12) & ~gdi::PS_GEOMETRIC});
      break;
    case kExtCreatePen: dc.CreateObjectAt(r.U32(8), ExtPen(r)); break;
    case kCreateBrushIndirect: dc.CreateObjectAt(r.U32(8), LogBrush(r.U32(12), r.U32(16), r.U32(20))); break;
    case kCreateMonoBrush: dc.CreateObjectAt(r.U32(8), PatternBrush(r, true)); break;
    case kCreateDibPatternBrushPt: dc.CreateObjectAt(r.U32(8), PatternBrush(r, false)); break;
    case kSetRop2: dc.SetRop2(r.I32(8)); break;
    case kSetBrushOrgEx: dc.SetBrushOrg(r.I32(8), r.I32(12)); break;
    case kSetMiterLimit: dc.SetMiterLimit(MiterLimit(r.U32(8))); break;
    case kAlphaBlend: AlphaBlend(dc, r); break;
    case kExtCreateFontIndirectW: dc.CreateObjectAt(r.U32(8), Font(r)); break;
    case kCreatePalette: dc.CreateObjectAt(r.U32(8), MetaOtherObject{}); break;
    case kSelectObject: {
      const std::uint32_t index = r.U32(8);
      if (index & kStockObject)
        dc.SelectStockObject(index & ~kStockObject);
      else
        dc.SelectObject(index);
      break;
    }
    case kDeleteObject: dc.DeleteObject(r.U32(8)); break;
    case kMoveToEx: dc.MoveTo(r.I32(8), r.I32(12)); break;
    case kLineTo: dc.LineTo(r.I32(8), r.I32(12)); break;
    case kPolyline:
    case kPolyline16: dc.Polyline(PolyPoints(r, type == kPolyline16)); break;
    case kPolylineTo:
    case kPolylineTo16: dc.PolylineTo(PolyPoints(r, type == kPolylineTo16)); break;
    case kPolygon:
    case kPolygon16: dc.Polygon(PolyPoints(r, type == kPolygon16)); break;
    case kPolyPolyline:
    case kPolyPolyline16:
      for (const auto& line : PolyPolyPoints(r, type == kPolyPolyline16)) dc.Polyline(line);
      break;
    case kPolyPolygon:
    case kPolyPolygon16: dc.PolyPolygon(PolyPolyPoints(r, type == kPolyPolygon16)); break;
    case kRectangle: dc.Rectangle(Rect32(r, 8)); break;
    case kEllipse: dc.Ellipse(Rect32(r, 8)); break;
    case kRoundRect: dc.RoundRect(Rect32(r, 8), r.I32(24), r.I32(28)); break;
    case kSetPixelV: dc.SetPixel(r.I32(8), r.I32(12), r.U32(16)); break;
    case kExtTextOutA:
    case kExtTextOutW: ExtTextOut(dc, r, type == kExtTextOutW); break;
    case kBitBlt:
    case kStretchBlt: BitBlt(dc, r, type == kStretchBlt); break;
    case kMaskBlt: MaskBlt(dc, r); break;
    case kPlgBlt: PlgBlt(dc, r); break;
    case kTransparentBlt: TransparentBlt(dc, r); break;
    case kGradientFill: GradientFill(dc, r); break;
    case kPolyTextOutA:
    case kPolyTextOutW: PolyTextOut(dc, r, type == kPolyTextOutW); break;
    case kSmallTextOut: SmallTextOut(dc, r); break;
    case kSetDIBitsToDevice:
    case kStretchDIBits: DibToDevice(dc, r, type == kStretchDIBits); break;
    default: dc.CountNotDrawn(); break;
  }
}

// How long a played record may be: longer for those that carry a bitmap.
std::uint64_t MaxPlayedLength(std::uint32_t type) {
  switch (type) {
    case kBitBlt:
    case kStretchBlt:
    case kMaskBlt:
    case kPlgBlt:
    case kSetDIBitsToDevice:
    case kStretchDIBits:
    case kCreateMonoBrush:
    case kCreateDibPatternBrushPt:
    case kAlphaBlend:
    case kTransparentBlt: return kMaxPlayedBitmapRecord;
    default: return kMaxPlayedRecord;
  }
}

// Device pixels per millimetre of the reference device (96 DPI when the header gives none).
double PixelsPerMm(int pixels, int mm) { return pixels > 0 && mm > 0 ? static_cast<double>(pixels) / mm : 96 / 25.4; }

}  // namespace

bool LooksLikeEmf(std::span<const std::uint8_t> file) {
  const LittleEndianView f(file, kTruncated);
  return f.Holds(0, 44) && f.U32(0) == kHeader && f.U32(40) == kSignature;
}

EmfLayout ReadEmfHeader(MetafileRecordReader& records) {
  const auto head = records.Next();
  if (!head || head->type != kHeader || head->length < kEmfHeaderSize) throw ImageFileError("Invalid metafile header");
  const std::vector<std::uint8_t> header = records.Read(kEmfHeaderSize);
  const LittleEndianView f(header, kTruncated);
  EmfLayout layout;
  const TRect bounds = Rect32(f, 8);
  layout.frame = Rect32(f, 24);
  layout.devicePixels = TSize{f.I32(72), f.I32(76)};
  layout.deviceMm = TSize{f.I32(80), f.I32(84)};
  const double ppmX = PixelsPerMm(layout.devicePixels.cx, layout.deviceMm.cx);
  const double ppmY = PixelsPerMm(layout.devicePixels.cy, layout.deviceMm.cy);
  if (layout.frame.Width64() <= 0 || layout.frame.Height64() <= 0) {
    // No frame: the bounds (device pixels, both edges included) in 0.01 mm.
    layout.frame = TRect{Checked(bounds.left * 100.0 / ppmX), Checked(bounds.top * 100.0 / ppmY),
                         Checked((bounds.right + 1.0) * 100 / ppmX), Checked((bounds.bottom + 1.0) * 100 / ppmY)};
  }
  // At most 2^32 hundredths of a millimetre: some 160 million pixels, which an int holds.
  layout.width = static_cast<int>(std::lrint(static_cast<double>(layout.frame.Width64()) * 96 / 2540));
  layout.height = static_cast<int>(std::lrint(static_cast<double>(layout.frame.Height64()) * 96 / 2540));
  if (layout.width <= 0 || layout.height <= 0) throw ImageFileError("Metafile has no size");
  return layout;
}

std::size_t PlayEmf(MetafileRecordReader& records, const EmfLayout& layout, TCanvas& canvas) {
  DeviceToCanvas base;
  base.pixelsPerMmX = PixelsPerMm(layout.devicePixels.cx, layout.deviceMm.cx);
  base.pixelsPerMmY = PixelsPerMm(layout.devicePixels.cy, layout.deviceMm.cy);
  // The frame, in reference-device pixels, is stretched over the picture.
  const double frameLeft = layout.frame.left / 100.0 * base.pixelsPerMmX;
  const double frameTop = layout.frame.top / 100.0 * base.pixelsPerMmY;
  base.scaleX = layout.width / (static_cast<double>(layout.frame.Width64()) / 100 * base.pixelsPerMmX);
  base.scaleY = layout.height / (static_cast<double>(layout.frame.Height64()) / 100 * base.pixelsPerMmY);
  base.offsetX = -frameLeft * base.scaleX;
  base.offsetY = -frameTop * base.scaleY;
  MetafileDevice dc(canvas, base);
  while (const auto head = records.Next()) {
    switch (HandlingOf(head->type)) {
      case Handling::Play: {
        if (head->length > MaxPlayedLength(head->type)) {
          dc.CountNotDrawn();
          break;
        }
        const std::vector<std::uint8_t> record = records.Read();
        PlayRecord(dc, head->type, LittleEndianView(record, kBadRecord));
        break;
      }
      case Handling::ReadPast: break;
      case Handling::LeftOut: dc.CountNotDrawn(); break;
    }
  }
  return dc.NotDrawn();
}

}  // namespace kestrova
