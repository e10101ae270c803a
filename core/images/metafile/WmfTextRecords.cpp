#include "core/images/metafile/WmfRecords.h"

#include <optional>
#include <string_view>

namespace kestrova::wmf {

namespace {

// Text of `count` bytes at byte `offset`, with the code units of each character.
MetaText RecordText(const LittleEndianView& p, std::size_t offset, std::size_t count) {
  MetaText t;
  t.text = Text(p, offset, count);
  const auto bytes = p.Sub(offset, count);
  t.units = SingleByteUnits(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return t;
}

// Reference point, count, options, the rectangle when the options use it, the
// text padded to whole words, then the distances when the record holds them.
void ExtTextOut(MetafileDevice& dc, const LittleEndianView& p) {
  const std::size_t count = p.U16(4);
  const std::uint32_t options = p.U16(6);
  std::size_t text = 8;
  std::optional<TRect> rect;
  if (options & (gdi::ETO_OPAQUE | gdi::ETO_CLIPPED)) {
    rect = TRect{I16(p, 4), I16(p, 5), I16(p, 6), I16(p, 7)};
    text = 16;
  }
  MetaText t = RecordText(p, text, count);
  t.reference = TPoint{I16(p, 1), I16(p, 0)};
  t.options = options & ~gdi::ETO_PDY;  // the 16-bit records carry no vertical distances
  t.rect = rect;
  const std::size_t dx = text + ((count + 1) & ~std::size_t{1});
  if (count != 0 && p.Holds(dx, 2 * std::uint64_t{count}))
    for (std::size_t i = 0; i < count; ++i) t.dx.push_back(p.I16(dx + 2 * i));
  dc.TextOut(t);
}

}  // namespace

bool PlayTextRecord(MetafileDevice& dc, std::uint16_t function, const LittleEndianView& p) {
  switch (function) {
    case kTextOut: {
      const std::size_t count = p.U16(0);
      const std::size_t after = 2 + ((count + 1) & ~std::size_t{1});
      MetaText t = RecordText(p, 2, count);
      t.reference = TPoint{p.I16(after + 2), p.I16(after)};
      dc.TextOut(t);
      break;
    }
    case kExtTextOut: ExtTextOut(dc, p); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::wmf
