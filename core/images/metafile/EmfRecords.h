#pragma once
// What the enhanced-metafile player shares between its record families: the
// record types, the readers of a record's fields, and one function per family
// (state, objects, drawing, clipping, text, bitmaps) that plays the records
// of that family and says whether the type was one of them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/images/LittleEndian.h"
#include "core/images/metafile/MetafileDevice.h"
#include "rendering/AffineTransform.h"
#include "rendering/Bitmap.h"

namespace kestrova::emf {

// Record types.
enum : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kSetBrushOrgEx = 13,
  kSetPixelV = 15,
  kSetMapperFlags = 16,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetStretchBltMode = 21,
  kSetTextAlign = 22,
  kSetColorAdjustment = 23,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kOffsetClipRgn = 26,
  kMoveToEx = 27,
  kSetMetaRgn = 28,
  kExcludeClipRect = 29,
  kIntersectClipRect = 30,
  kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32,
  kSaveDC = 33,
  kRestoreDC = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kAngleArc = 41,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kSelectPalette = 48,
  kCreatePalette = 49,
  kSetPaletteEntries = 50,
  kResizePalette = 51,
  kRealizePalette = 52,
  kExtFloodFill = 53,
  kLineTo = 54,
  kArcTo = 55,
  kPolyDraw = 56,
  kSetArcDirection = 57,
  kSetMiterLimit = 58,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kFlattenPath = 65,
  kWidenPath = 66,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kNoRecord69 = 69,  // a number no record has
  kGdiComment = 70,
  kFillRgn = 71,
  kFrameRgn = 72,
  kInvertRgn = 73,
  kPaintRgn = 74,
  kExtSelectClipRgn = 75,
  kBitBlt = 76,
  kStretchBlt = 77,
  kMaskBlt = 78,
  kPlgBlt = 79,
  kSetDIBitsToDevice = 80,
  kStretchDIBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kPolyDraw16 = 92,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrushPt = 94,
  kExtCreatePen = 95,
  kPolyTextOutA = 96,
  kPolyTextOutW = 97,
  kSetIcmMode = 98,
  kCreateColorSpace = 99,
  kSetColorSpace = 100,
  kDeleteColorSpace = 101,
  kGlsRecord = 102,
  kGlsBoundedRecord = 103,
  kPixelFormat = 104,
  kDrawEscape = 105,
  kExtEscape = 106,
  kForceUfiMapping = 109,
  kNamedEscape = 110,
  kColorCorrectPalette = 111,
  kSetIcmProfileA = 112,
  kSetIcmProfileW = 113,
  kAlphaBlend = 114,
  kSetLayout = 115,
  kSmallTextOut = 108,
  kTransparentBlt = 116,
  kGradientFill = 118,
  kSetLinkedUfis = 119,
  kSetTextJustification = 120,
  kColorMatchToTargetW = 121,
  kCreateColorSpaceW = 122,
};

// A stock object's index has the top bit set.
constexpr std::uint32_t kStockObject = 0x80000000;

// --- fields (EmfFields.cpp)

// A value computed from record fields, refused when it leaves the int range.
int Checked(std::int64_t v);
int Checked(double v);
// The rectangle of a corner and a size.
TRect SizedRect(int x, int y, std::int64_t cx, std::int64_t cy);
TPoint Point32(const LittleEndianView& r, std::size_t at);
TRect Rect32(const LittleEndianView& r, std::size_t at);
float F32(const LittleEndianView& r, std::size_t at);
// `count` points of 32-bit or (small) 16-bit coordinates.
std::vector<TPoint> Points(const LittleEndianView& r, std::size_t at, std::uint64_t count, bool small);
// Polylines and polygons: bounds, count, points.
std::vector<TPoint> PolyPoints(const LittleEndianView& r, bool small);
// Bounds, number of polygons, number of points, the counts, then the points.
std::vector<std::vector<TPoint>> PolyPolyPoints(const LittleEndianView& r, bool small);
// UTF-16 text; a lone surrogate becomes U+FFFD, a NUL ends the text.
std::string Utf16Text(const LittleEndianView& r, std::size_t at, std::uint64_t units);
// Single-byte text, read like the program's other single-byte text.
std::string AnsiText(const LittleEndianView& r, std::size_t at, std::uint64_t count);
// A transform of six floats; none when one of them is not a number.
std::optional<AffineTransform> Transform(const LittleEndianView& r, std::size_t at);
// The rectangles of region data of `size` bytes: a 32-byte header (its
// rectangle count at 8), then the rectangles.
std::vector<TRect> RegionRects(const LittleEndianView& r, std::size_t at, std::uint64_t size);
// The bitmap a record carries at the given offsets (of its header, its
// header's size, its bits, their size); none when it has none or one of a
// kind not supported (RecordBitmap, which may leave the record out).
std::optional<Bitmap> Picture(const LittleEndianView& r, std::size_t offsetsAt);
// The same for a one-bit picture, whose colour table may be left out (index
// 0 then stands for the text colour, 1 for the background colour).
std::optional<Bitmap> MonoPicture(const LittleEndianView& r, std::size_t offsetsAt);

// --- the record families; each returns false for a type not its own

// Mapping, transforms, colours, modes, saved states.
bool PlayStateRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r);
// Pens, brushes, fonts and palettes made, selected and deleted.
bool PlayObjectRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r);
// Lines, curves, figures, pixels, flood fills and paths.
bool PlayDrawingRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r);
// The clip, the meta region and the region records.
bool PlayClipRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r);
// Text of one string, of several, and small text.
bool PlayTextRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r);
// Bit-block copies, blends, transparent and parallelogram copies, gradients.
bool PlayBitmapRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r);

}  // namespace kestrova::emf
