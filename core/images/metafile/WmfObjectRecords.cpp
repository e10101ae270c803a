#include "core/images/metafile/WmfRecords.h"

#include <memory>
#include <utility>

#include "core/images/metafile/PictureBrush.h"
#include "core/images/metafile/RecordLeftOut.h"

namespace kestrova::wmf {

namespace {

MetaPen Pen(const LittleEndianView& p) {
  const std::uint32_t style = p.U16(0);
  return MetaPen{(style & gdi::PS_STYLE_MASK) != gdi::PS_NULL, I16(p, 1), p.U32(6), style & ~gdi::PS_GEOMETRIC};
}

MetaBrush Brush(const LittleEndianView& p) {
  const unsigned style = p.U16(0), hatch = p.U16(6);
  MetaBrush brush{style == gdi::BS_SOLID || style == gdi::BS_HATCHED, p.U32(2)};
  if (style == gdi::BS_HATCHED && hatch <= static_cast<unsigned>(HatchStyle::DiagonalCross))
    brush.hatch = static_cast<HatchStyle>(hatch);
  return brush;
}

// A device-dependent bitmap's header (type, width, height, bytes per row,
// planes, bits per pixel), 18 reserved bytes, then the rows top down. Only
// one-plane monochrome patterns are read; they draw in the text and background colours.
MetaBrush OldPatternBrush(const LittleEndianView& p) {
  if (p.U8(9) != 1) return PictureBrush({}, true);
  return PictureBrush(DeviceBitmap(p, 0, 32, {clBlack, clWhite}), true);
}

MetaFont Font(const LittleEndianView& p) {
  MetaFont f;
  f.height = I16(p, 0);
  f.width = I16(p, 1);
  f.escapement = I16(p, 2);
  f.weight = I16(p, 4);
  f.italic = p.U8(10) != 0;
  f.underline = p.U8(11) != 0;
  f.strikeout = p.U8(12) != 0;
  f.charset = p.U8(13);
  f.quality = p.U8(16);
  std::size_t length = 0;
  while (length < 32 && p.Holds(18 + length, 1) && p.U8(18 + length) != 0) ++length;
  f.face = Text(p, 18, length);
  return f;
}

// A region object: its header, then scans of rows, each with pairs of columns.
MetaRegion Region(const LittleEndianView& p) {
  const std::size_t scans = p.U16(10);
  MetaRegion region;
  std::size_t at = 22;
  for (std::size_t i = 0; i < scans; ++i) {
    const std::size_t count = p.U16(at);
    const int top = p.I16(at + 2), bottom = p.I16(at + 4);
    for (std::size_t j = 0; j + 1 < count; j += 2)
      region.rects.push_back(TRect{p.I16(at + 6 + 2 * j), top, p.I16(at + 8 + 2 * j), bottom});
    at += 6 + 2 * count + 2;
  }
  return region;
}

// Makes a pattern brush. One a bound leaves out still takes its slot, as a
// hollow brush, so that the objects made after it keep theirs.
template <typename Make>
void CreatePatternBrush(MetafileDevice& dc, Make make) {
  try {
    dc.CreateObject(make());
  } catch (const RecordLeftOut&) {
    dc.CreateObject(MetaBrush{false, clWhite});
    throw;
  }
}

}  // namespace

bool PlayObjectRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
    case kCreatePenIndirect: dc.CreateObject(Pen(p)); break;
    case kCreateBrushIndirect: dc.CreateObject(Brush(p)); break;
    case kCreateFontIndirect: dc.CreateObject(Font(p)); break;
    case kCreatePatternBrush: CreatePatternBrush(dc, [&] { return OldPatternBrush(p); }); break;
    case kDibCreatePatternBrush: CreatePatternBrush(dc, [&] { return PictureBrush(Picture(p, 4), false); }); break;
    case kCreatePalette: dc.CreateObject(MetaOtherObject{}); break;
    case kCreateRegion: dc.CreateObject(Region(p)); break;
    case kSelectObject: dc.SelectObject(p.U16(0)); break;
    case kDeleteObject: dc.DeleteObject(p.U16(0)); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::wmf
