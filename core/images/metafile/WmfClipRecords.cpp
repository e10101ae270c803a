#include "core/images/metafile/WmfRecords.h"


namespace kestrova::wmf {

namespace {

void RegionRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  const Region* region = dc.RegionObject(p.U16(0));
  if (!region) return;
  const auto brush = function == kFillRegion || function == kFrameRegion ? dc.BrushAt(p.U16(2)) : std::nullopt;
  switch (function) {
    case kFillRegion:
      if (brush) dc.FillRegion(*region, *brush);
      break;
    case kFrameRegion:
      if (brush) dc.FrameRegion(*region, *brush, I16(p, 3), I16(p, 2));
      break;
    case kPaintRegion: dc.PaintRegion(*region); break;
    case kInvertRegion: dc.InvertRegion(*region); break;
    default: break;
  }
}

}  // namespace

bool PlayClipRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
    case kExcludeClipRect: dc.ExcludeClipRect(Box(p, 0)); break;
    case kIntersectClipRect: dc.IntersectClipRect(Box(p, 0)); break;
    case kOffsetClipRgn: dc.OffsetClipRgn(I16(p, 1), I16(p, 0)); break;
    case kSelectClipRegion: dc.SelectClipRegionObject(p.U16(0)); break;
    case kFillRegion:
    case kFrameRegion:
    case kPaintRegion:
    case kInvertRegion: RegionRecord(dc, function, p); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::wmf
