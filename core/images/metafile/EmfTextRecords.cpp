#include "core/images/metafile/EmfRecords.h"

#include <string>
#include <string_view>
#include <vector>
#include "rendering/Utf8.h"

namespace kestrova::emf {

namespace {

// The code units of each character of UTF-16 text: two for a surrogate pair.
std::vector<int> Utf16Units(const std::string& text) {
  std::vector<int> units;
  for (const char32_t c : DecodeUtf8(text)) units.push_back(c >= 0x10000 ? 2 : 1);
  return units;
}

// The graphics mode of the text records' headers.
bool Advanced(const LittleEndianView& r) { return r.U32(24) == 2; }

// Text at `at`: reference point, count, offsets (from the record's start)
// of the string and of the distances, options, rectangle.
void TextRecord(MetafileDevice& dc, const LittleEndianView& r, std::size_t at, bool wide) {
  MetaText t;
  t.advanced = Advanced(r);
  t.reference = Point32(r, at);
  const std::uint32_t count = r.U32(at + 8), offset = r.U32(at + 12), offDx = r.U32(at + 36);
  t.options = r.U32(at + 16);
  t.rect = Rect32(r, at + 20);
  if (wide && (t.options & gdi::ETO_GLYPH_INDEX)) {
    r.Require(offset, std::uint64_t{count} * 2);
    for (std::size_t i = 0; i < count; ++i) t.glyphs.push_back(r.U16(offset + 2 * i));
  } else if (wide) {
    t.text = Utf16Text(r, offset, count);
    t.units = Utf16Units(t.text);
  } else {
    t.text = AnsiText(r, offset, count);
    t.units = SingleByteUnits(std::string_view(reinterpret_cast<const char*>(r.Sub(offset, count).data()), count));
  }
  const std::uint64_t values = std::uint64_t{count} * ((t.options & gdi::ETO_PDY) ? 2 : 1);
  // A record whose distances lie outside it draws with the font's advances.
  if (offDx != 0 && count != 0 && r.Holds(offDx, values * 4)) {
    t.dx.reserve(static_cast<std::size_t>(values));
    for (std::size_t i = 0; i < values; ++i) t.dx.push_back(r.I32(offDx + 4 * i));
  }
  dc.TextOut(t);
}

// Bounds, graphics mode, scales, then the text.
void ExtTextOut(MetafileDevice& dc, const LittleEndianView& r, bool wide) { TextRecord(dc, r, 36, wide); }

// Bounds, graphics mode, scales, the number of strings, then the text of each.
void PolyTextOut(MetafileDevice& dc, const LittleEndianView& r, bool wide) {
  const std::uint64_t strings = r.U32(36);
  r.Require(40, strings * 40);
  for (std::size_t i = 0; i < strings; ++i) TextRecord(dc, r, 40 + 40 * i, wide);
}

// The reference point, count, options, graphics mode, scales, the clipping
// rectangle unless ETO_NO_RECT, then the characters: bytes with
// ETO_SMALL_CHARS, else UTF-16.
void SmallTextOut(MetafileDevice& dc, const LittleEndianView& r) {
  constexpr std::uint32_t kNoRect = 0x100, kSmallChars = 0x200;
  MetaText t;
  t.advanced = Advanced(r);
  t.reference = Point32(r, 8);
  const std::uint32_t count = r.U32(16);
  t.options = r.U32(20) & ~(kNoRect | kSmallChars);
  std::size_t at = 36;
  if (!(r.U32(20) & kNoRect)) {
    t.rect = Rect32(r, at);
    at += 16;
  }
  if (r.U32(20) & kSmallChars) {
    t.text = AnsiText(r, at, count);
    t.units = SingleByteUnits(std::string_view(reinterpret_cast<const char*>(r.Sub(at, count).data()), count));
  } else {
    t.text = Utf16Text(r, at, count);
    t.units = Utf16Units(t.text);
  }
  dc.TextOut(t);
}

}  // namespace

bool PlayTextRecord(MetafileDevice& dc, std::uint32_t type, const LittleEndianView& r) {
  switch (type) {
    case kExtTextOutA:
    case kExtTextOutW: ExtTextOut(dc, r, type == kExtTextOutW); break;
    case kPolyTextOutA:
    case kPolyTextOutW: PolyTextOut(dc, r, type == kPolyTextOutW); break;
    case kSmallTextOut: SmallTextOut(dc, r); break;
    default: return false;
  }
  return true;
}

}  // namespace kestrova::emf
