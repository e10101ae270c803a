#pragma once
// What the 16-bit metafile player shares between its record families: the
// record functions, the readers of a record's parameters, and one function
// per family (state, objects, drawing, clipping, text, bitmaps) that plays
// the records of that family and says whether the function was one of them.
// Parameters are read from the record's first parameter word on.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/images/LittleEndian.h"
#include "core/images/metafile/MetafileDevice.h"
#include "rendering/Bitmap.h"

namespace kestrova::wmf {

// Record functions.
enum : std::uint16_t {
  kSaveDC = 0x001E,
  kRealizePalette = 0x0035,
  kSetPalEntries = 0x0037,
  kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetRop2 = 0x0104,
  kSetRelAbs = 0x0105,
  kSetPolyFillMode = 0x0106,
  kSetStretchBltMode = 0x0107,
  kSetTextCharExtra = 0x0108,
  kRestoreDC = 0x0127,
  kInvertRegion = 0x012A,
  kPaintRegion = 0x012B,
  kSelectClipRegion = 0x012C,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kResizePalette = 0x0139,
  kDibCreatePatternBrush = 0x0142,
  kSetLayout = 0x0149,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetTextJustification = 0x020A,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kOffsetClipRgn = 0x0220,
  kFillRegion = 0x0228,
  kSetMapperFlags = 0x0231,
  kSelectPalette = 0x0234,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
  kExcludeClipRect = 0x0415,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kFloodFill = 0x0419,
  kRectangle = 0x041B,
  kSetPixel = 0x041F,
  kFrameRegion = 0x0429,
  kAnimatePalette = 0x0436,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kExtFloodFill = 0x0548,
  kEscape = 0x0626,
  kRoundRect = 0x061C,
  kPatBlt = 0x061D,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kBitBlt = 0x0922,
  kDibBitBlt = 0x0940,
  kExtTextOut = 0x0A32,
  kStretchBlt = 0x0B23,
  kDibStretchBlt = 0x0B41,
  kSetDibToDev = 0x0D33,
  kStretchDib = 0x0F43,
};


// --- parameters (WmfFields.cpp); words are 16-bit and counted from the first parameter

inline int I16(const LittleEndianView& p, std::size_t word) { return p.I16(2 * word); }
// The rectangle stored as bottom, right, top, left from `word` on.
TRect Box(const LittleEndianView& p, std::size_t word);
std::vector<TPoint> Points(const LittleEndianView& p, std::size_t word, std::size_t count);
// Single-byte text of `count` bytes at byte `offset`.
std::string Text(const LittleEndianView& p, std::size_t offset, std::size_t count);
// A bitmap record's picture at byte `offset`; none when it carries none or
// one that cannot be decoded (RecordBitmap, which may leave the record out).
std::optional<Bitmap> Picture(const LittleEndianView& p, std::size_t offset);
// A device-dependent bitmap of one plane: its header (type, width, height,
// bytes a row, planes, bits a pixel) at byte `header`, its rows top down at
// byte `bits`. One bit a pixel takes the two colours given (for 0 and 1),
// four and eight the display's fixed palettes, 16 bits 5-6-5 words, 24 and 32
// blue, green, red. None for a bitmap of another kind.
std::optional<Bitmap> DeviceBitmap(const LittleEndianView& p, std::size_t header, std::size_t bits,
                                   const std::array<TColor, 2>& twoColours);

// --- the record families; each returns false for a function not its own

// Mapping, colours, modes, saved states.
bool PlayStateRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p);
// Pens, brushes, fonts, palettes and regions made, selected and deleted.
bool PlayObjectRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p);
// Lines, figures, pixels and flood fills.
bool PlayDrawingRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p);
// The clip and the region records.
bool PlayClipRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p);
// Text.
bool PlayTextRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p);
// Pattern fills and bit-block copies.
bool PlayBitmapRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p);

}  // namespace kestrova::wmf
