#include "core/images/metafile/WmfRecords.h"


namespace kestrova::wmf {

bool PlayStateRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
    case kSetMapMode:
      // The picture's window always fills the destination; only the isotropic
      // mode (equal scales) changes how.
      dc.SetMapMode(p.U16(0) == gdi::MM_ISOTROPIC ? gdi::MM_ISOTROPIC : gdi::MM_ANISOTROPIC);
      break;
    case kSetWindowOrg: dc.SetWindowOrg(I16(p, 1), I16(p, 0)); break;
    case kSetWindowExt: dc.SetWindowExt(I16(p, 1), I16(p, 0)); break;
    case kSetViewportOrg: dc.SetViewportOrg(I16(p, 1), I16(p, 0)); break;
    case kSetViewportExt: dc.SetViewportExt(I16(p, 1), I16(p, 0)); break;
    case kScaleWindowExt: dc.ScaleWindowExt(I16(p, 3), I16(p, 2), I16(p, 1), I16(p, 0)); break;
    case kScaleViewportExt: dc.ScaleViewportExt(I16(p, 3), I16(p, 2), I16(p, 1), I16(p, 0)); break;
    case kOffsetWindowOrg: dc.OffsetWindowOrg(I16(p, 1), I16(p, 0)); break;
    case kOffsetViewportOrg: dc.OffsetViewportOrg(I16(p, 1), I16(p, 0)); break;
    case kSetBkMode: dc.SetBkMode(p.U16(0)); break;
    case kSetBkColor: dc.SetBkColor(p.U32(0)); break;
    case kSetTextColor: dc.SetTextColor(p.U32(0)); break;
    case kSetTextAlign: dc.SetTextAlign(p.U16(0)); break;
    case kSetTextCharExtra: dc.SetTextCharacterExtra(I16(p, 0)); break;
    case kSetTextJustification: dc.SetTextJustification(I16(p, 1), I16(p, 0)); break;
    case kSetRop2: dc.SetRop2(p.U16(0)); break;
    case kSetPolyFillMode: dc.SetPolyFillMode(p.U16(0)); break;
    case kSaveDC: dc.SaveDC(); break;
    case kRestoreDC: dc.RestoreDC(I16(p, 0)); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::wmf
