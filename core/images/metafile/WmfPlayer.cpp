#include "core/images/metafile/WmfPlayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/images/ImageFileError.h"
#include "core/images/LittleEndian.h"
#include "core/images/metafile/MetafileDevice.h"
#include "core/images/metafile/RecordLeftOut.h"
#include "core/images/metafile/WmfRecords.h"

namespace kestrova {

using namespace wmf;

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;  // nine 16-bit words

const char* const kTruncated = kMetafileTruncated;
const char* const kBadRecord = kMetafileBadRecord;

// The records played; every other record draws nothing, here or anywhere
// (palettes, modes of no use here, escapes, numbers no record has), and is
// read past.
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
    kFloodFill,       kExtFloodFill,      kBitBlt,            kStretchBlt,
};

template <std::size_t N>
bool Listed(const std::uint16_t (&list)[N], std::uint16_t function) {
  return std::find(std::begin(list), std::end(list), function) != std::end(list);
}

// Each record function belongs to one family, which plays it; one no family
// plays, or one a bound leaves out, is counted as not drawn.
void PlayRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  try {
    if (PlayStateRecord(dc, function, p) || PlayObjectRecord(dc, function, p) ||
        PlayDrawingRecord(dc, function, p) || PlayClipRecord(dc, function, p) || PlayTextRecord(dc, function, p) ||
        PlayBitmapRecord(dc, function, p))
      return;
  } catch (const RecordLeftOut&) {
  }
  dc.CountNotDrawn();
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
  constexpr std::uint16_t kWithBitmaps[] = {kDibBitBlt,  kDibStretchBlt,         kSetDibToDev,        kStretchDib,
                                            kBitBlt,     kStretchBlt,            kDibCreatePatternBrush,
                                            kCreatePatternBrush};
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
      dc.Play([&] {
        const std::vector<std::uint8_t> record = records.Read();
        const auto fields = std::span<const std::uint8_t>(record).subspan(kWmfRecordHeadSize);
        PlayRecord(dc, function, LittleEndianView(fields, kBadRecord));
      });
    }
  }
  return dc.NotDrawn();
}

}  // namespace kestrova
