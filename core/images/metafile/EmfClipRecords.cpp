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
  const auto region = [&](std::size_t at) { return dc.LogicalRectsRegion(RegionRects(r, at, size)); };
  switch (type) {
    case kFillRgn:
      if (const auto brush = dc.BrushAt(r.U32(28))) dc.FillRegion(region(32), *brush);
      break;
    case kFrameRgn:
      if (const auto brush = dc.BrushAt(r.U32(28))) dc.FrameRegion(region(40), *brush, r.I32(32), r.I32(36));
      break;
    case kInvertRgn: dc.InvertRegion(region(28)); break;
    case kPaintRgn: dc.PaintRegion(region(28)); break;
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
