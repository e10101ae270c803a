#include "core/images/metafile/EmfRecords.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/images/metafile/PictureBrush.h"
#include "core/images/metafile/RecordLeftOut.h"

namespace kestrova::emf {

namespace {

MetaFont Font(const LittleEndianView& r) {
  MetaFont f;
  f.height = r.I32(12);
  f.width = r.I32(16);
  f.escapement = r.I32(20);
  f.orientation = r.I32(24);
  f.weight = r.I32(28);
  f.italic = r.U8(32) != 0;
  f.underline = r.U8(33) != 0;
  f.strikeout = r.U8(34) != 0;
  f.charset = r.U8(35);
  f.quality = r.U8(38);
  f.face = Utf16Text(r, 40, 32);
  return f;
}

// The platform makes no pen of more dash and gap lengths than this.
constexpr std::uint32_t kMaxDashEntries = 16;

// None for a pen the platform does not make.
std::optional<MetaPen> ExtPen(const LittleEndianView& r) {
  const std::uint32_t style = r.U32(28);
  const bool geometric = style & gdi::PS_GEOMETRIC;
  const bool hollowBrush = r.U32(36) == gdi::BS_NULL;
  MetaPen pen{(style & gdi::PS_STYLE_MASK) != gdi::PS_NULL && !hollowBrush, geometric ? r.I32(32) : 0, r.U32(40), style};
  if ((style & gdi::PS_STYLE_MASK) == gdi::PS_USERSTYLE) {
    const std::uint64_t entries = r.U32(48);
    if (entries > kMaxDashEntries) return std::nullopt;
    r.Require(52, entries * 4);
    for (std::size_t i = 0; i < entries; ++i) pen.dashes.push_back(r.U32(52 + 4 * i));
  }
  return pen;
}

// A brush from its style, colour and hatch.
MetaBrush LogBrush(std::uint32_t style, TColor color, std::uint32_t hatch) {
  MetaBrush brush{style == gdi::BS_SOLID || style == gdi::BS_HATCHED, color};
  if (style == gdi::BS_HATCHED && hatch <= static_cast<std::uint32_t>(HatchStyle::DiagonalCross))
    brush.hatch = static_cast<HatchStyle>(hatch);
  return brush;
}

// Makes a pattern brush in its slot. One a bound leaves out leaves the slot
// empty, as the platform's failed brush does.
void CreatePatternBrush(MetafileDevice& dc, const LittleEndianView& r, bool twoColor) {
  try {
    dc.CreateObjectAt(r.U32(8), PictureBrush(twoColor ? MonoPicture(r, 16) : Picture(r, 16), twoColor));
  } catch (const RecordLeftOut&) {
    dc.DeleteObject(r.U32(8));
    throw;
  }
}

}  // namespace

bool PlayObjectRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  switch (type) {
    case kCreatePen:
      dc.CreateObjectAt(r.U32(8), MetaPen{(r.U32(12) & gdi::PS_STYLE_MASK) != gdi::PS_NULL, r.I32(16), r.U32(24),
                                          r.U32(12) & ~gdi::PS_GEOMETRIC});
      break;
    case kExtCreatePen:
      if (auto pen = ExtPen(r))
        dc.CreateObjectAt(r.U32(8), std::move(*pen));
      else
        dc.DeleteObject(r.U32(8));  // the slot holds no pen, as on the platform
      break;
    case kCreateBrushIndirect: dc.CreateObjectAt(r.U32(8), LogBrush(r.U32(12), r.U32(16), r.U32(20))); break;
    case kCreateMonoBrush: CreatePatternBrush(dc, r, true); break;
    case kCreateDibPatternBrushPt: CreatePatternBrush(dc, r, false); break;
    case kExtCreateFontIndirectW: dc.CreateObjectAt(r.U32(8), Font(r)); break;
    case kCreatePalette: dc.CreateObjectAt(r.U32(8), MetaOtherObject{}); break;
    case kSelectObject: {
      const std::uint32_t index = r.U32(8);
      if (index & kStockObject)
        dc.SelectStockObject(index & ~kStockObject);
      else
        dc.SelectObject(index);
      break;
    }
    case kDeleteObject: dc.DeleteObject(r.U32(8)); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::emf
