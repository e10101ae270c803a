#include "core/images/metafile/EmfPlayer.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/images/ImageFileError.h"
#include "core/images/LittleEndian.h"
#include "core/images/metafile/EmfRecords.h"
#include "core/images/metafile/MetafileDevice.h"
#include "core/images/metafile/RecordLeftOut.h"

namespace kestrova {

using namespace emf;

namespace {

constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"

const char* const kTruncated = kMetafileTruncated;
const char* const kBadRecord = kMetafileBadRecord;

// What playing does with a record: reads and plays it, reads past it (it
// draws nothing, here or anywhere), or counts it as left out.
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
    // Drawn by the platform, not here.
    case kGlsRecord:
    case kGlsBoundedRecord: return Handling::LeftOut;
    default: break;
  }
  // Every other record from the first drawing record to the parallelogram
  // copies, from the device-independent copies to the text of several
  // strings, and the later copies, blends, gradients and text. Any other
  // number is no record's: it draws nothing, here or anywhere.
  const bool later = type == kSmallTextOut || type == kAlphaBlend || type == kTransparentBlt || type == kGradientFill;
  return (type >= kPolyBezier && type <= kPlgBlt && type != kNoRecord69) ||
                 (type >= kSetDIBitsToDevice && type <= kPolyTextOutW) || later
             ? Handling::Play
             : Handling::ReadPast;
}

// Each record type belongs to one family, which plays it; one no family
// plays, or one a bound leaves out, is counted as not drawn.
void PlayRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  try {
    if (PlayStateRecord(dc, type, r) || PlayObjectRecord(dc, type, r) || PlayDrawingRecord(dc, type, r) ||
        PlayClipRecord(dc, type, r) || PlayTextRecord(dc, type, r) || PlayBitmapRecord(dc, type, r))
      return;
  } catch (const RecordLeftOut&) {
  }
  dc.CountNotDrawn();
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
        dc.Play([&] {
          const std::vector<std::uint8_t> record = records.Read();
          PlayRecord(dc, head->type, LittleEndianView(record, kBadRecord));
        });
        break;
      }
      case Handling::ReadPast: break;
      case Handling::LeftOut: dc.CountNotDrawn(); break;
    }
  }
  return dc.NotDrawn();
}

}  // namespace kestrova
