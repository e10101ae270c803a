#include "core/images/metafile/WmfPlayer.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/images/BmpReader.h"
#include "core/images/ImageFileError.h"
#include "core/images/LittleEndian.h"
#include "core/images/metafile/MetafileDevice.h"
#include "core/support/TextEncoding.h"

namespace kestrova {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;  // nine 16-bit words

const char* const kTruncated = kMetafileTruncated;
const char* const kBadRecord = kMetafileBadRecord;

// Record functions.
enum : std::uint16_t {
  kSaveDC = 0x001E,
  kRealizePalette = 0x0035,
  kSetPalEntries = 0x0037,
  kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetRop2 = 0x0104,
  kSetRelAbs = 0x0105,
  kSetPolyFillMode = 0x0106,
  kSetStretchBltMode = 0x0107,
  kSetTextCharExtra = 0x0108,
  kRestoreDC = 0x0127,
  kInvertRegion = 0x012A,
  kPaintRegion = 0x012B,
  kSelectClipRegion = 0x012C,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kResizePalette = 0x0139,
  kDibCreatePatternBrush = 0x0142,
  kSetLayout = 0x0149,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetTextJustification = 0x020A,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kOffsetClipRgn = 0x0220,
  kFillRegion = 0x0228,
  kSetMapperFlags = 0x0231,
  kSelectPalette = 0x0234,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
  kExcludeClipRect = 0x0415,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kSetPixel = 0x041F,
  kFrameRegion = 0x0429,
  kAnimatePalette = 0x0436,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kEscape = 0x0626,
  kRoundRect = 0x061C,
  kPatBlt = 0x061D,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kDibBitBlt = 0x0940,
  kExtTextOut = 0x0A32,
  kDibStretchBlt = 0x0B41,
  kSetDibToDev = 0x0D33,
  kStretchDib = 0x0F43,
};

// The records played; others are read past or counted as left out.
constexpr std::uint16_t kPlayed[] = {
    kSaveDC,          kCreatePalette,     kSetBkMode,         kSetMapMode,         kSetPolyFillMode,
    kRestoreDC,       kInvertRegion,      kPaintRegion,       kSelectClipRegion,   kSelectObject,
    kSetTextAlign,    kDibCreatePatternBrush, kDeleteObject,  kCreatePatternBrush, kSetBkColor,
    kSetTextColor,    kSetWindowOrg,      kSetWindowExt,      kSetViewportOrg,     kSetViewportExt,
    kOffsetWindowOrg, kOffsetViewportOrg, kLineTo,            kMoveTo,             kOffsetClipRgn,
    kFillRegion,      kCreatePenIndirect, kCreateFontIndirect, kCreateBrushIndirect, kPolygon,
    kPolyline,        kScaleWindowExt,    kScaleViewportExt,  kExcludeClipRect,    kIntersectClipRect,
    kEllipse,         kRectangle,         kSetPixel,          kFrameRegion,        kTextOut,
    kPolyPolygon,     kRoundRect,         kCreateRegion,      kArc,                kPie,
    kChord,           kDibBitBlt,         kExtTextOut,        kDibStretchBlt,      kSetDibToDev,
    kStretchDib,      kSetRop2,           kSetTextCharExtra,  kSetTextJustification, kPatBlt,
};

// Records that draw nothing here.
constexpr std::uint16_t kReadPast[] = {
    kRealizePalette, kSetPalEntries, kSetRelAbs,     kSetStretchBltMode, kResizePalette, kSetLayout,
    kSetMapperFlags, kSelectPalette, kAnimatePalette, kEscape,
};

template <std::size_t N>
bool Listed(const std::uint16_t (&list)[N], std::uint16_t function) {
  return std::find(std::begin(list), std::end(list), function) != std::end(list);
}

// --- parameter helpers; words are 16-bit and counted from the first parameter

int I16(const LittleEndianView& p, std::size_t word) { return p.I16(2 * word); }

// The rectangle stored as bottom, right, top, left from `word` on.
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

MetaPen Pen(const LittleEndianView& p) {
  const std::uint32_t style = p.U16(0);
  return MetaPen{(style & gdi::PS_STYLE_MASK) != gdi::PS_NULL, I16(p, 1), p.U32(6), style & ~gdi::PS_GEOMETRIC};
}

MetaBrush Brush(const LittleEndianView& p) {
  const unsigned style = p.U16(0), hatch = p.U16(6);
  MetaBrush brush{style == gdi::BS_SOLID || style == gdi::BS_HATCHED, p.U32(2)};
  if (style == gdi::BS_HATCHED && hatch <= static_cast<unsigned>(HatchStyle::DiagonalCross))
    brush.hatch = static_cast<HatchStyle>(hatch);
  return brush;
}

MetaBrush PictureBrush(std::optional<Bitmap> picture, bool twoColor) {
  MetaBrush brush;
  brush.visible = picture.has_value();
  if (picture) brush.picture = std::make_shared<const Bitmap>(std::move(*picture));
  brush.twoColor = twoColor;
  return brush;
}

// A device-dependent bitmap's header (type, width, height, bytes per row,
// planes, bits per pixel), 18 reserved bytes, then the rows top down. Only
// one-plane monochrome patterns are read; they draw in the text and background colours.
MetaBrush OldPatternBrush(const LittleEndianView& p) {
  const int width = p.I16(2), height = p.I16(4), rowBytes = p.I16(6);
  if (p.U8(8) != 1 || p.U8(9) != 1 || width <= 0 || height <= 0 || rowBytes * 8 < width) return PictureBrush({}, true);
  p.Require(32, std::uint64_t(rowBytes) * height);
  Bitmap picture(width, height, PixelFormat::pf1bit);
  picture.SetPalette({clBlack, clWhite});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetRawPixel(x, y, (p.U8(32 + std::size_t(y) * rowBytes + x / 8) >> (7 - x % 8)) & 1);
  return PictureBrush(std::move(picture), true);
}

MetaFont Font(const LittleEndianView& p) {
  MetaFont f;
  f.height = I16(p, 0);
  f.width = I16(p, 1);
  f.escapement = I16(p, 2);
  f.weight = I16(p, 4);
  f.italic = p.U8(10) != 0;
  f.underline = p.U8(11) != 0;
  f.strikeout = p.U8(12) != 0;
  f.charset = p.U8(13);
  f.quality = p.U8(16);
  std::size_t length = 0;
  while (length < 32 && p.Holds(18 + length, 1) && p.U8(18 + length) != 0) ++length;
  f.face = Text(p, 18, length);
  return f;
}

void PolyPolygon(MetafileDevice& dc, const LittleEndianView& p) {
  const std::size_t count = p.U16(0);
  std::vector<std::vector<TPoint>> polygons;
  std::size_t word = 1 + count;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t n = p.U16(2 * (1 + i));
    polygons.push_back(Points(p, word, n));
    word += 2 * n;
  }
  dc.PolyPolygon(polygons);
}

// Text of `count` bytes at byte `offset`, with the code units of each character.
MetaText RecordText(const LittleEndianView& p, std::size_t offset, std::size_t count) {
  MetaText t;
  t.text = Text(p, offset, count);
  const auto bytes = p.Sub(offset, count);
  t.units = SingleByteUnits(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return t;
}

// Reference point, count, options, the rectangle when the options use it, the
// text padded to whole words, then the distances when the record holds them.
void ExtTextOut(MetafileDevice& dc, const LittleEndianView& p) {
  const std::size_t count = p.U16(4);
  const std::uint32_t options = p.U16(6);
  std::size_t text = 8;
  std::optional<TRect> rect;
  if (options & (gdi::ETO_OPAQUE | gdi::ETO_CLIPPED)) {
    rect = TRect{I16(p, 4), I16(p, 5), I16(p, 6), I16(p, 7)};
    text = 16;
  }
  MetaText t = RecordText(p, text, count);
  t.reference = TPoint{I16(p, 1), I16(p, 0)};
  t.options = options & ~gdi::ETO_PDY;  // the 16-bit records carry no vertical distances
  t.rect = rect;
  const std::size_t dx = text + ((count + 1) & ~std::size_t{1});
  if (count != 0 && p.Holds(dx, 2 * std::uint64_t{count}))
    for (std::size_t i = 0; i < count; ++i) t.dx.push_back(p.I16(dx + 2 * i));
  dc.TextOut(t);
}

// A bitmap record's picture; null when it carries none or one that cannot be decoded.
std::optional<Bitmap> Picture(const LittleEndianView& p, std::size_t offset) {
  if (!p.Holds(offset, 1)) return std::nullopt;
  try {
    return DecodeDib(p.Bytes().subspan(offset), {});
  } catch (const std::exception&) {
    return std::nullopt;  // a bitmap of a kind not supported is left out
  }
}

// Copies with a source given by its top-left corner, or fills when the record has no bitmap.
void StretchBlt(MetafileDevice& dc, const LittleEndianView& p, std::uint16_t function) {
  const bool stretch = function == kDibStretchBlt;
  const bool withBitmap = p.Size() / 2 != static_cast<std::size_t>(function >> 8);
  const std::uint32_t rop = p.U32(0);
  std::size_t w = 1;
  int srcW = 0, srcH = 0;
  if (stretch) {
    srcH = I16(p, 2);
    srcW = I16(p, 3);
    w = 3;
  }
  const int ySrc = I16(p, w + 1), xSrc = I16(p, w + 2);
  w += withBitmap ? 2 : 3;  // a record without bitmap has a reserved word here
  const int destH = I16(p, w + 1), destW = I16(p, w + 2), yDest = I16(p, w + 3), xDest = I16(p, w + 4);
  if (!stretch) {
    srcW = destW;
    srcH = destH;
  }
  const auto picture = withBitmap ? Picture(p, 2 * (w + 5)) : std::nullopt;
  dc.Blit(TRect{xDest, yDest, xDest + destW, yDest + destH}, picture ? &*picture : nullptr,
          TRect{xSrc, ySrc, xSrc + srcW, ySrc + srcH}, rop);
}

// Copies whose source corner counts from the bitmap's bottom-left, as in the device-independent calls.
void DibToDevice(MetafileDevice& dc, const LittleEndianView& p, std::uint16_t function) {
  std::uint32_t rop = 0x00CC0020;  // source copy
  std::size_t w = 0;
  int srcH = 0, srcW = 0, destH = 0, destW = 0;
  if (function == kStretchDib) {
    rop = p.U32(0);
    srcH = I16(p, 3);
    srcW = I16(p, 4);
    w = 5;
  } else {
    w = 3;
  }
  const int ySrc = I16(p, w), xSrc = I16(p, w + 1);
  if (function == kStretchDib) {
    destH = I16(p, w + 2);
    destW = I16(p, w + 3);
  } else {
    destH = srcH = I16(p, w + 2);
    destW = srcW = I16(p, w + 3);
  }
  const int yDest = I16(p, w + 4), xDest = I16(p, w + 5);
  const auto picture = Picture(p, 2 * (w + 6));
  if (!picture) return;
  const int top = picture->Height() - (ySrc + srcH);
  dc.Blit(TRect{xDest, yDest, xDest + destW, yDest + destH}, &*picture, TRect{xSrc, top, xSrc + srcW, top + srcH},
          rop);
}

// A region object: its header, then scans of rows, each with pairs of columns.
MetaRegion Region(const LittleEndianView& p) {
  const std::size_t scans = p.U16(10);
  MetaRegion region;
  std::size_t at = 22;
  for (std::size_t i = 0; i < scans; ++i) {
    const std::size_t count = p.U16(at);
    const int top = p.I16(at + 2), bottom = p.I16(at + 4);
    for (std::size_t j = 0; j + 1 < count; j += 2)
      region.rects.push_back(TRect{p.I16(at + 6 + 2 * j), top, p.I16(at + 8 + 2 * j), bottom});
    at += 6 + 2 * count + 2;
  }
  return region;
}

void RegionRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  const MetaRegion* region = dc.RegionAt(p.U16(0));
  if (!region) return;
  const auto brush = function == kFillRegion || function == kFrameRegion ? dc.BrushAt(p.U16(2)) : std::nullopt;
  switch (function) {
    case kFillRegion:
      if (brush) dc.FillRegion(region->rects, *brush);
      break;
    case kFrameRegion:
      if (brush) dc.FrameRegion(region->rects, *brush, I16(p, 3), I16(p, 2));
      break;
    case kPaintRegion: dc.PaintRegion(region->rects); break;
    case kInvertRegion: dc.InvertRegion(region->rects); break;
    default: break;
  }
}

// Records of clipping, regions and mapping.
bool PlayGeometryRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
    case kSetPolyFillMode: dc.SetPolyFillMode(p.U16(0)); break;
    case kExcludeClipRect: dc.ExcludeClipRect(Box(p, 0)); break;
    case kIntersectClipRect: dc.IntersectClipRect(Box(p, 0)); break;
    case kOffsetClipRgn: dc.OffsetClipRgn(I16(p, 1), I16(p, 0)); break;
    case kSelectClipRegion: dc.SelectClipRegionObject(p.U16(0)); break;
    case kFillRegion:
    case kFrameRegion:
    case kPaintRegion:
    case kInvertRegion: RegionRecord(dc, function, p); break;
    case kCreateRegion: dc.CreateObject(Region(p)); break;
    case kScaleWindowExt: dc.ScaleWindowExt(I16(p, 3), I16(p, 2), I16(p, 1), I16(p, 0)); break;
    case kScaleViewportExt: dc.ScaleViewportExt(I16(p, 3), I16(p, 2), I16(p, 1), I16(p, 0)); break;
    case kOffsetWindowOrg: dc.OffsetWindowOrg(I16(p, 1), I16(p, 0)); break;
    case kOffsetViewportOrg: dc.OffsetViewportOrg(I16(p, 1), I16(p, 0)); break;
    default: return false;
  }
  return true;
}

void PlayRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  if (PlayGeometryRecord(dc, function, p)) return;
  switch (function) {
    case kSetMapMode:
      // The picture's window always fills the destination; only the isotropic
      // mode (equal scales) changes how.
      dc.SetMapMode(p.U16(0) == gdi::MM_ISOTROPIC ? gdi::MM_ISOTROPIC : gdi::MM_ANISOTROPIC);
      break;
    case kSetBkMode: dc.SetBkMode(p.U16(0)); break;
    case kSetBkColor: dc.SetBkColor(p.U32(0)); break;
    case kSetTextColor: dc.SetTextColor(p.U32(0)); break;
    case kSetTextAlign: dc.SetTextAlign(p.U16(0)); break;
    case kSetWindowOrg: dc.SetWindowOrg(I16(p, 1), I16(p, 0)); break;
    case kSetWindowExt: dc.SetWindowExt(I16(p, 1), I16(p, 0)); break;
    case kSetViewportOrg: dc.SetViewportOrg(I16(p, 1), I16(p, 0)); break;
    case kSetViewportExt: dc.SetViewportExt(I16(p, 1), I16(p, 0)); break;
    case kSaveDC: dc.SaveDC(); break;
    case kRestoreDC: dc.RestoreDC(I16(p, 0)); break;
    case kCreatePenIndirect: dc.CreateObject(Pen(p)); break;
    case kCreateBrushIndirect: dc.CreateObject(Brush(p)); break;
    case kCreateFontIndirect: dc.CreateObject(Font(p)); break;
    case kCreatePatternBrush: dc.CreateObject(OldPatternBrush(p)); break;
    case kDibCreatePatternBrush: dc.CreateObject(PictureBrush(Picture(p, 4), false)); break;
    case kSetRop2: dc.SetRop2(p.U16(0)); break;
    case kPatBlt:
      dc.Blit(TRect{I16(p, 5), I16(p, 4), I16(p, 5) + I16(p, 3), I16(p, 4) + I16(p, 2)}, nullptr, TRect{}, p.U32(0));
      break;
    case kCreatePalette: dc.CreateObject(MetaOtherObject{}); break;
    case kSelectObject: dc.SelectObject(p.U16(0)); break;
    case kDeleteObject: dc.DeleteObject(p.U16(0)); break;
    case kMoveTo: dc.MoveTo(I16(p, 1), I16(p, 0)); break;
    case kLineTo: dc.LineTo(I16(p, 1), I16(p, 0)); break;
    case kPolyline: dc.Polyline(Points(p, 1, p.U16(0))); break;
    case kPolygon: dc.Polygon(Points(p, 1, p.U16(0))); break;
    case kPolyPolygon: PolyPolygon(dc, p); break;
    case kRectangle: dc.Rectangle(Box(p, 0)); break;
    case kEllipse: dc.Ellipse(Box(p, 0)); break;
    case kRoundRect: dc.RoundRect(Box(p, 2), I16(p, 1), I16(p, 0)); break;
    case kArc:
    case kChord:
    case kPie: {
      const auto shape = function == kArc ? MetafileDevice::ArcShape::Arc
                         : function == kChord ? MetafileDevice::ArcShape::Chord
                                              : MetafileDevice::ArcShape::Pie;
      dc.ArcShaped(shape, Box(p, 4), TPoint{I16(p, 3), I16(p, 2)}, TPoint{I16(p, 1), I16(p, 0)});
      break;
    }
    case kSetPixel: dc.SetPixel(I16(p, 3), I16(p, 2), p.U32(0)); break;
    case kTextOut: {
      const std::size_t count = p.U16(0);
      const std::size_t after = 2 + ((count + 1) & ~std::size_t{1});
      MetaText t = RecordText(p, 2, count);
      t.reference = TPoint{p.I16(after + 2), p.I16(after)};
      dc.TextOut(t);
      break;
    }
    case kSetTextCharExtra: dc.SetTextCharacterExtra(I16(p, 0)); break;
    case kSetTextJustification: dc.SetTextJustification(I16(p, 1), I16(p, 0)); break;
    case kExtTextOut: ExtTextOut(dc, p); break;
    case kDibBitBlt:
    case kDibStretchBlt: StretchBlt(dc, p, function); break;
    case kStretchDib:
    case kSetDibToDev: DibToDevice(dc, p, function); break;
    default: dc.CountNotDrawn(); break;
  }
}

}  // namespace

bool LooksLikeWmf(std::span<const std::uint8_t> file) {
  const LittleEndianView f(file, kTruncated);
  if (f.Holds(0, 4) && f.U32(0) == kPlaceableKey) return true;
  return f.Holds(0, 4) && (f.U16(0) == 1 || f.U16(0) == 2) && f.U16(2) == kHeaderSize / 2;
}

std::size_t WmfHeadersSize(std::span<const std::uint8_t> file) {
  const bool placeable = LittleEndianView(file, kTruncated).U32(0) == kPlaceableKey;
  return (placeable ? kPlaceableSize : 0) + kHeaderSize;
}

WmfLayout ReadWmfHeaders(std::span<const std::uint8_t> headers) {
  const LittleEndianView f(headers, kTruncated);
  WmfLayout layout;
  const std::size_t header = WmfHeadersSize(headers) - kHeaderSize;
  if (header != 0) {
    // The placeable header's box, in units of which `inch` make an inch.
    const TRect box{f.I16(6), f.I16(8), f.I16(10), f.I16(12)};
    const int inch = f.U16(14);
    if (inch == 0 || box.Width() == 0 || box.Height() == 0) throw ImageFileError("Invalid metafile header");
    layout.window = box;
    layout.width = static_cast<int>(std::lrint(std::abs(box.Width()) * 96.0 / inch));
    layout.height = static_cast<int>(std::lrint(std::abs(box.Height()) * 96.0 / inch));
    if (layout.width <= 0 || layout.height <= 0) throw ImageFileError("Metafile has no size");
  }
  if ((f.U16(header) != 1 && f.U16(header) != 2) || f.U16(header + 2) != kHeaderSize / 2)
    throw ImageFileError("Invalid metafile header");
  return layout;
}

namespace {

// How long a played record may be: longer for those that carry a bitmap.
std::uint64_t MaxPlayedLength(std::uint16_t function) {
  constexpr std::uint16_t kWithBitmaps[] = {kDibBitBlt, kDibStretchBlt, kSetDibToDev, kStretchDib,
                                            kDibCreatePatternBrush, kCreatePatternBrush};
  return Listed(kWithBitmaps, function) ? kMaxPlayedBitmapRecord : kMaxPlayedRecord;
}

}  // namespace

void FindWmfSize(MetafileRecordReader& records, WmfLayout& layout) {
  const std::uint64_t start = records.Position();
  while (const auto head = records.Next()) {
    if (head->type != kSetWindowExt) continue;
    // Its two words, however long the record says it is.
    const std::vector<std::uint8_t> record = records.Read(kWmfRecordHeadSize + 4);
    const LittleEndianView p(std::span<const std::uint8_t>(record).subspan(kWmfRecordHeadSize), kBadRecord);
    layout.width = std::abs(I16(p, 1));
    layout.height = std::abs(I16(p, 0));
    layout.window = TRect{0, 0, layout.width, layout.height};
    break;
  }
  if (layout.width <= 0 || layout.height <= 0) throw ImageFileError("Metafile has no size");
  records.Rewind(start);
}

std::size_t PlayWmf(MetafileRecordReader& records, const WmfLayout& layout, TCanvas& canvas) {
  MetafileDevice dc(canvas, DeviceToCanvas{});
  dc.SetMapMode(gdi::MM_ANISOTROPIC);
  dc.SetWindowOrg(layout.window.left, layout.window.top);
  dc.SetWindowExt(layout.window.Width(), layout.window.Height());
  dc.SetViewportExt(layout.width, layout.height);
  while (const auto head = records.Next()) {
    const auto function = static_cast<std::uint16_t>(head->type);
    if (Listed(kPlayed, function) && head->length > MaxPlayedLength(function)) {
      dc.CountNotDrawn();
    } else if (Listed(kPlayed, function)) {
      const std::vector<std::uint8_t> record = records.Read();
      PlayRecord(dc, function, LittleEndianView(std::span<const std::uint8_t>(record).subspan(kWmfRecordHeadSize), kBadRecord));
    } else if (!Listed(kReadPast, function)) {
      dc.CountNotDrawn();
    }
  }
  return dc.NotDrawn();
}

}  // namespace kestrova
