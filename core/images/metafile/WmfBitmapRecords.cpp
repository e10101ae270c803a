#include "core/images/metafile/WmfRecords.h"


namespace kestrova::wmf {

namespace {

// Copies with a source given by its top-left corner, or fills when the record
// has no bitmap. The oldest records carry a device-dependent bitmap, the
// others a device-independent one.
void StretchBlt(MetafileDevice& dc, const LittleEndianView& p, std::uint16_t function) {
  const bool stretch = function == kDibStretchBlt || function == kStretchBlt;
  const bool deviceBitmap = function == kBitBlt || function == kStretchBlt;
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
  const std::size_t at = 2 * (w + 5);
  const auto picture = !withBitmap    ? std::nullopt
                       : deviceBitmap ? DeviceBitmap(p, at, at + 10, dc.TwoColours())
                                      : Picture(p, at);
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

}  // namespace

bool PlayBitmapRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
    case kPatBlt:
      dc.Blit(TRect{I16(p, 5), I16(p, 4), I16(p, 5) + I16(p, 3), I16(p, 4) + I16(p, 2)}, nullptr, TRect{}, p.U32(0));
      break;
    case kBitBlt:
    case kStretchBlt:
    case kDibBitBlt:
    case kDibStretchBlt: StretchBlt(dc, p, function); break;
    case kStretchDib:
    case kSetDibToDev: DibToDevice(dc, p, function); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::wmf
