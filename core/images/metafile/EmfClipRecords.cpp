#include "core/images/metafile/EmfRecords.h"

#include <vector>

namespace kestrova::emf {

namespace {

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

}  // namespace

bool PlayClipRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  switch (type) {
    case kOffsetClipRgn: dc.OffsetClipRgn(r.I32(8), r.I32(12)); break;
    case kSetMetaRgn: dc.SetMetaRgn(); break;
    case kExcludeClipRect: dc.ExcludeClipRect(Rect32(r, 8)); break;
    case kIntersectClipRect: dc.IntersectClipRect(Rect32(r, 8)); break;
    case kExtSelectClipRgn: ExtSelectClipRgn(dc, r); break;
    case kSelectClipPath: dc.SelectClipPath(r.I32(8)); break;
    case kFillRgn:
    case kFrameRgn:
    case kInvertRgn:
    case kPaintRgn: RegionRecord(dc, type, r); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::emf
