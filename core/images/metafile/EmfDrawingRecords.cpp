#include "core/images/metafile/EmfRecords.h"

#include <vector>

namespace kestrova::emf {

namespace {

// Points with a kind byte each after them.
void PolyDraw(MetafileDevice& dc, const LittleEndianView& r, bool small) {
  const std::uint32_t count = r.U32(24);
  const std::vector<TPoint> points = Points(r, 28, count, small);
  const auto kinds = r.Sub(28 + std::uint64_t{count} * (small ? 4 : 8), count);
  dc.PolyDraw(points, std::vector<std::uint8_t>(kinds.begin(), kinds.end()));
}

}  // namespace

bool PlayDrawingRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  using Shape = MetafileDevice::ArcShape;
  switch (type) {
    case kMoveToEx: dc.MoveTo(r.I32(8), r.I32(12)); break;
    case kLineTo: dc.LineTo(r.I32(8), r.I32(12)); break;
    case kPolyline:
    case kPolyline16: dc.Polyline(PolyPoints(r, type == kPolyline16)); break;
    case kPolylineTo:
    case kPolylineTo16: dc.PolylineTo(PolyPoints(r, type == kPolylineTo16)); break;
    case kPolygon:
    case kPolygon16: dc.Polygon(PolyPoints(r, type == kPolygon16)); break;
    case kPolyPolyline:
    case kPolyPolyline16:
      for (const auto& line : PolyPolyPoints(r, type == kPolyPolyline16)) dc.Polyline(line);
      break;
    case kPolyPolygon:
    case kPolyPolygon16: dc.PolyPolygon(PolyPolyPoints(r, type == kPolyPolygon16)); break;
    case kPolyBezier:
    case kPolyBezier16: dc.PolyBezier(PolyPoints(r, type == kPolyBezier16)); break;
    case kPolyBezierTo:
    case kPolyBezierTo16: dc.PolyBezierTo(PolyPoints(r, type == kPolyBezierTo16)); break;
    case kPolyDraw:
    case kPolyDraw16: PolyDraw(dc, r, type == kPolyDraw16); break;
    case kAngleArc: dc.AngleArc(Point32(r, 8), r.U32(16), F32(r, 20), F32(r, 24)); break;
    case kArcTo: dc.ArcTo(Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kArc: dc.ArcShaped(Shape::Arc, Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kChord: dc.ArcShaped(Shape::Chord, Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kPie: dc.ArcShaped(Shape::Pie, Rect32(r, 8), Point32(r, 24), Point32(r, 32)); break;
    case kRectangle: dc.Rectangle(Rect32(r, 8)); break;
    case kEllipse: dc.Ellipse(Rect32(r, 8)); break;
    case kRoundRect: dc.RoundRect(Rect32(r, 8), r.I32(24), r.I32(28)); break;
    case kExtFloodFill: dc.FloodFill(Point32(r, 8), r.U32(16), r.U32(20)); break;
    case kSetPixelV: dc.SetPixel(r.I32(8), r.I32(12), r.U32(16)); break;
    case kBeginPath: dc.BeginPath(); break;
    case kEndPath: dc.EndPath(); break;
    case kCloseFigure: dc.CloseFigure(); break;
    case kFillPath: dc.FillPath(); break;
    case kStrokeAndFillPath: dc.StrokeAndFillPath(); break;
    case kStrokePath: dc.StrokePath(); break;
    case kFlattenPath: dc.FlattenPath(); break;
    case kWidenPath: dc.WidenPath(); break;
    case kAbortPath: dc.AbortPath(); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::emf
