#include "rendering/BitmapRows.h"

#include "rendering/PackedColor.h"

namespace kestrova {

namespace {

// A key no plain colour has (plain colours keep the high byte 0).
constexpr TColor kNoKey = 0xFF000000;

std::size_t SlotOf(TColor c) { return (c * 0x9E3779B1u) >> 20; }

}  // namespace

RawValueEncoder::RawValueEncoder(const Bitmap& bitmap)
    : bitmap_(bitmap), indexed_(IsIndexed(bitmap.Format())) {
  if (indexed_) keys_.fill(kNoKey);
}

std::uint32_t RawValueEncoder::operator()(TColor c) {
  c = PlainRGB(c);
  if (!indexed_) return bitmap_.RawValueOf(c);
  const std::size_t slot = SlotOf(c) % kSlots;
  if (keys_[slot] != c) {
    keys_[slot] = c;
    values_[slot] = static_cast<std::uint8_t>(bitmap_.NearestIndex(c));
  }
  return values_[slot];
}

void ReadColorRow(const Bitmap& bitmap, int y, int x0, int x1, TColor* out) {
  const std::uint8_t* row = bitmap.ScanLine(y);
  switch (bitmap.Format()) {
    case PixelFormat::pf24bit:
      for (const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 3)
        *out++ = RGBColor(p[2], p[1], p[0]);
      return;
    case PixelFormat::pf32bit:
      for (const std::uint8_t* p = row + 4 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 4)
        *out++ = RGBColor(p[2], p[1], p[0]);
      return;
    case PixelFormat::pf15bit:
      for (const std::uint8_t* p = row + 2 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 2)
        *out++ = Unpack555(LoadWord(p));
      return;
    case PixelFormat::pf16bit:
      for (const std::uint8_t* p = row + 2 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 2)
        *out++ = Unpack565(LoadWord(p));
      return;
    case PixelFormat::pf1bit:
    case PixelFormat::pf4bit:
    case PixelFormat::pf8bit: {
      const auto& palette = bitmap.Palette();
      for (; x0 < x1; ++x0) {
        const std::uint32_t index = bitmap.Format() == PixelFormat::pf8bit ? row[x0] : bitmap.RawPixel(x0, y);
        *out++ = index < palette.size() ? palette[index] : clBlack;
      }
      return;
    }
  }
}

void WriteColorRow(Bitmap& bitmap, int y, int x0, int x1, const TColor* in, RawValueEncoder& encoder) {
  std::uint8_t* row = bitmap.ScanLine(y);
  switch (bitmap.Format()) {
    case PixelFormat::pf24bit:
      for (std::uint8_t* p = row + 3 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 3, ++in) {
        p[0] = BlueOf(*in);
        p[1] = GreenOf(*in);
        p[2] = RedOf(*in);
      }
      return;
    case PixelFormat::pf32bit:
      for (std::uint8_t* p = row + 4 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 4, ++in) {
        p[0] = BlueOf(*in);
        p[1] = GreenOf(*in);
        p[2] = RedOf(*in);
        p[3] = 0;
      }
      return;
    case PixelFormat::pf15bit:
      for (std::uint8_t* p = row + 2 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 2) StoreWord(p, Pack555(*in++));
      return;
    case PixelFormat::pf16bit:
      for (std::uint8_t* p = row + 2 * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += 2) StoreWord(p, Pack565(*in++));
      return;
    case PixelFormat::pf8bit:
      for (; x0 < x1; ++x0) row[x0] = static_cast<std::uint8_t>(encoder(*in++));
      return;
    case PixelFormat::pf1bit:
    case PixelFormat::pf4bit:
      for (; x0 < x1; ++x0) bitmap.SetRawPixel(x0, y, encoder(*in++));
      return;
  }
}

}  // namespace kestrova
