#include "core/images/metafile/WmfRecords.h"

#include <vector>

namespace kestrova::wmf {

namespace {

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

// The fill up to a border colour: the colour and the point are the last four
// words, as some writers put a mode word in front of them.
void BorderFloodFill(MetafileDevice& dc, const LittleEndianView& p) {
  const std::size_t words = p.Size() / 2, at = words >= 4 ? words - 4 : 0;
  dc.FloodFill(TPoint{I16(p, at + 3), I16(p, at + 2)}, p.U32(2 * at), gdi::FLOODFILLBORDER);
}

}  // namespace

bool PlayDrawingRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
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
    case kFloodFill: BorderFloodFill(dc, p); break;
    case kExtFloodFill: dc.FloodFill(TPoint{I16(p, 4), I16(p, 3)}, p.U32(2), p.U16(0)); break;
    case kSetPixel: dc.SetPixel(I16(p, 3), I16(p, 2), p.U32(0)); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::wmf
