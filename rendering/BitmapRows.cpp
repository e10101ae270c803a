#include "rendering/BitmapRows.h"

#include "rendering/PackedColor.h"

namespace kestrova {

namespace {

// A key no plain colour has (plain colours keep the high byte 0).
constexpr TColor kNoKey = 0xFF000000;

std::size_t SlotOf(TColor c) { return (c * 0x9E3779B1u) >> 20; }

// The colours of pixels [x0, x1) of a row of `Bytes` bytes a pixel, each read by `decode`.
template <std::size_t Bytes, TColor (*decode)(const std::uint8_t*)>
void ReadRun(const std::uint8_t* row, int x0, int x1, TColor* out) {
  for (const std::uint8_t* p = row + Bytes * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += Bytes)
    *out++ = decode(p);
}

// Stores in[0 .. x1-x0) in pixels [x0, x1) of such a row, each with `encode`.
template <std::size_t Bytes, void (*encode)(std::uint8_t*, TColor)>
void WriteRun(std::uint8_t* row, int x0, int x1, const TColor* in) {
  for (std::uint8_t* p = row + Bytes * static_cast<std::size_t>(x0); x0 < x1; ++x0, p += Bytes) encode(p, *in++);
}

TColor LoadBgr(const std::uint8_t* p) { return RGBColor(p[2], p[1], p[0]); }
TColor Load555(const std::uint8_t* p) { return Unpack555(LoadWord(p)); }
TColor Load565(const std::uint8_t* p) { return Unpack565(LoadWord(p)); }
std::uint32_t LoadByte(const std::uint8_t* p) { return *p; }
std::uint32_t LoadWord555(const std::uint8_t* p) { return LoadWord(p) & kMask555; }
std::uint32_t LoadWord565(const std::uint8_t* p) { return LoadWord(p); }

void StoreBgr(std::uint8_t* p, TColor c) {
  p[0] = BlueOf(c);
  p[1] = GreenOf(c);
  p[2] = RedOf(c);
}
void StoreBgr0(std::uint8_t* p, TColor c) {
  StoreBgr(p, c);
  p[3] = 0;
}
void Store555(std::uint8_t* p, TColor c) { StoreWord(p, Pack555(c)); }
void Store565(std::uint8_t* p, TColor c) { StoreWord(p, Pack565(c)); }

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
    case PixelFormat::pf24bit: ReadRun<3, LoadBgr>(row, x0, x1, out); return;
    case PixelFormat::pf32bit: ReadRun<4, LoadBgr>(row, x0, x1, out); return;
    case PixelFormat::pf15bit: ReadRun<2, Load555>(row, x0, x1, out); return;
    case PixelFormat::pf16bit: ReadRun<2, Load565>(row, x0, x1, out); return;
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

void ReadRawRow(const Bitmap& bitmap, int y, int x0, int x1, std::uint32_t* out) {
  const std::uint8_t* row = bitmap.ScanLine(y);
  switch (bitmap.Format()) {
    case PixelFormat::pf24bit: ReadRun<3, LoadBgr>(row, x0, x1, out); return;
    case PixelFormat::pf32bit: ReadRun<4, LoadBgr>(row, x0, x1, out); return;
    case PixelFormat::pf15bit: ReadRun<2, LoadWord555>(row, x0, x1, out); return;
    case PixelFormat::pf16bit: ReadRun<2, LoadWord565>(row, x0, x1, out); return;
    case PixelFormat::pf8bit: ReadRun<1, LoadByte>(row, x0, x1, out); return;
    case PixelFormat::pf1bit:
    case PixelFormat::pf4bit:
      for (; x0 < x1; ++x0) *out++ = bitmap.RawPixel(x0, y);
      return;
  }
}

void WriteColorRow(Bitmap& bitmap, int y, int x0, int x1, const TColor* in, RawValueEncoder& encoder) {
  std::uint8_t* row = bitmap.ScanLine(y);
  switch (bitmap.Format()) {
    case PixelFormat::pf24bit: WriteRun<3, StoreBgr>(row, x0, x1, in); return;
    case PixelFormat::pf32bit: WriteRun<4, StoreBgr0>(row, x0, x1, in); return;
    case PixelFormat::pf15bit: WriteRun<2, Store555>(row, x0, x1, in); return;
    case PixelFormat::pf16bit: WriteRun<2, Store565>(row, x0, x1, in); return;
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
