#include "core/images/metafile/EmfRecords.h"

#include <cmath>
#include <cstring>

namespace kestrova::emf {

namespace {

// The miter limit is written as a whole number by some programs and as a
// 32-bit float by others; a float's bits read as a number are far larger.
double MiterLimit(std::uint32_t bits) {
  if (bits < 0x10000) return bits;
  float f = 0;
  std::memcpy(&f, &bits, sizeof f);
  return std::isfinite(f) ? f : 10.0;
}

}  // namespace

bool PlayStateRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  switch (type) {
    case kSetMapMode: dc.SetMapMode(r.I32(8)); break;
    case kSetWindowExtEx: dc.SetWindowExt(r.I32(8), r.I32(12)); break;
    case kSetWindowOrgEx: dc.SetWindowOrg(r.I32(8), r.I32(12)); break;
    case kSetViewportExtEx: dc.SetViewportExt(r.I32(8), r.I32(12)); break;
    case kSetViewportOrgEx: dc.SetViewportOrg(r.I32(8), r.I32(12)); break;
    case kScaleViewportExtEx: dc.ScaleViewportExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); break;
    case kScaleWindowExtEx: dc.ScaleWindowExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); break;
    case kSetWorldTransform:
      if (const auto t = Transform(r, 8)) dc.SetWorldTransform(*t);
      break;
    case kModifyWorldTransform:
      if (const auto t = Transform(r, 8)) dc.ModifyWorldTransform(*t, r.I32(32));
      break;
    case kSetBkMode: dc.SetBkMode(r.I32(8)); break;
    case kSetTextAlign: dc.SetTextAlign(r.U32(8)); break;
    case kSetTextColor: dc.SetTextColor(r.U32(8)); break;
    case kSetBkColor: dc.SetBkColor(r.U32(8)); break;
    case kSetRop2: dc.SetRop2(r.I32(8)); break;
    case kSetBrushOrgEx: dc.SetBrushOrg(r.I32(8), r.I32(12)); break;
    case kSetMiterLimit: dc.SetMiterLimit(MiterLimit(r.U32(8))); break;
    case kSetArcDirection: dc.SetArcDirection(r.I32(8)); break;
    case kSetPolyFillMode: dc.SetPolyFillMode(r.I32(8)); break;
    case kSaveDC: dc.SaveDC(); break;
    case kRestoreDC: dc.RestoreDC(r.I32(8)); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::emf
