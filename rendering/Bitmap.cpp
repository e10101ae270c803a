#include "rendering/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "rendering/BitmapRows.h"
#include "rendering/PackedColor.h"
#include "rendering/SystemPalettes.h"

namespace kestrova {

int BitsPerPixel(PixelFormat format) {
  switch (format) {
    case PixelFormat::pf1bit: return 1;
    case PixelFormat::pf4bit: return 4;
    case PixelFormat::pf8bit: return 8;
    case PixelFormat::pf15bit:
    case PixelFormat::pf16bit: return 16;
    case PixelFormat::pf24bit: return 24;
    case PixelFormat::pf32bit: return 32;
  }
  return 24;
}

bool IsIndexed(PixelFormat format) { return BitsPerPixel(format) <= 8; }

void CheckBitmapSize(std::int64_t width, std::int64_t height) {
  if (width < 0 || height < 0) throw BitmapError("Invalid image size");
  if (width * height > Bitmap::kMaxPixels || width > Bitmap::kMaxPixels ||
      height > Bitmap::kMaxPixels)
    throw BitmapError("Image too large");
}

int Bitmap::StrideFor(int width, PixelFormat format) {
  const std::int64_t bits = static_cast<std::int64_t>(width) * BitsPerPixel(format);
  return static_cast<int>(((bits + 31) / 32) * 4);
}

Bitmap::Bitmap(int width, int height, PixelFormat format) { Allocate(width, height, format); }

void Bitmap::Allocate(int width, int height, PixelFormat format) {
  CheckBitmapSize(width, height);
  const int stride = StrideFor(width, format);
  std::vector<std::uint8_t> data;
  try {
    data.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
  } catch (const std::bad_alloc&) {
    throw BitmapError("Out of memory for a bitmap");
  }
  width_ = width;
  height_ = height;
  format_ = format;
  stride_ = stride;
  data_ = std::move(data);
  if (!IsIndexed(format)) {
    palette_.clear();
  } else if (palette_.empty()) {
    switch (format) {
      case PixelFormat::pf1bit: palette_ = MonochromePalette(); break;
      case PixelFormat::pf4bit: palette_ = VgaPalette16(); break;
      default: palette_ = HalftonePalette256(); break;
    }
  } else {
    SetPalette(palette_);
  }
}

void Bitmap::SetPalette(std::vector<TColor> palette) {
  if (!IsIndexed(format_)) return;
  const std::size_t limit = std::size_t{1} << BitsPerPixel(format_);
  if (palette.size() > limit) palette.resize(limit);
  for (auto& c : palette) c = PlainRGB(c);
  palette_ = std::move(palette);
}

int Bitmap::NearestIndex(TColor c) const {
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  int best = 0;
  long bestDistance = -1;
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const int dr = r - RedOf(palette_[i]);
    const int dg = g - GreenOf(palette_[i]);
    const int db = b - BlueOf(palette_[i]);
    const long d = static_cast<long>(dr) * dr + static_cast<long>(dg) * dg + static_cast<long>(db) * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
      if (d == 0) break;
    }
  }
  return best;
}

std::uint32_t Bitmap::RawPixel(int x, int y) const {
  const std::uint8_t* row = ScanLine(y);
  switch (format_) {
    case PixelFormat::pf1bit: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case PixelFormat::pf4bit: return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    case PixelFormat::pf8bit: return row[x];
    case PixelFormat::pf15bit: return LoadWord(row + 2 * x) & kMask555;
    case PixelFormat::pf16bit: return LoadWord(row + 2 * x);
    case PixelFormat::pf24bit: {
      const std::uint8_t* p = row + 3 * x;
      return RGBColor(p[2], p[1], p[0]);
    }
    case PixelFormat::pf32bit: {
      const std::uint8_t* p = row + 4 * x;
      return RGBColor(p[2], p[1], p[0]);
    }
  }
  return 0;
}

void Bitmap::SetRawPixel(int x, int y, std::uint32_t v) {
  std::uint8_t* row = ScanLine(y);
  switch (format_) {
    case PixelFormat::pf1bit: {
      const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
      row[x >> 3] = static_cast<std::uint8_t>((v & 1) ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask));
      break;
    }
    case PixelFormat::pf4bit: {
      std::uint8_t& b = row[x >> 1];
      b = (x & 1) ? static_cast<std::uint8_t>((b & 0xF0) | (v & 0x0F))
                  : static_cast<std::uint8_t>((b & 0x0F) | ((v & 0x0F) << 4));
      break;
    }
    case PixelFormat::pf8bit: row[x] = static_cast<std::uint8_t>(v); break;
    case PixelFormat::pf15bit: StoreWord(row + 2 * x, v & kMask555); break;
    case PixelFormat::pf16bit: StoreWord(row + 2 * x, v); break;
    case PixelFormat::pf24bit: {
      std::uint8_t* p = row + 3 * x;
      p[0] = BlueOf(v);
      p[1] = GreenOf(v);
      p[2] = RedOf(v);
      break;
    }
    case PixelFormat::pf32bit: {
      std::uint8_t* p = row + 4 * x;
      p[0] = BlueOf(v);
      p[1] = GreenOf(v);
      p[2] = RedOf(v);
      p[3] = 0;
      break;
    }
  }
}

std::uint32_t Bitmap::RawValueOf(TColor c) const {
  switch (format_) {
    case PixelFormat::pf15bit: return Pack555(c);
    case PixelFormat::pf16bit: return Pack565(c);
    case PixelFormat::pf24bit:
    case PixelFormat::pf32bit: return PlainRGB(c);
    default: return static_cast<std::uint32_t>(NearestIndex(c));
  }
}

TColor Bitmap::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColor;
  const std::uint32_t raw = RawPixel(x, y);
  switch (format_) {
    case PixelFormat::pf15bit: return Unpack555(raw);
    case PixelFormat::pf16bit: return Unpack565(raw);
    case PixelFormat::pf24bit:
    case PixelFormat::pf32bit: return raw;
    default: return raw < palette_.size() ? palette_[raw] : clBlack;
  }
}

void Bitmap::SetPixel(int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  SetRawPixel(x, y, RawValueOf(c));
}

void Bitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  Bitmap resized;
  resized.palette_ = palette_;
  resized.Allocate(width, height, format_);
  const int rows = std::min(height, height_);
  const int bytes = std::min(resized.stride_, stride_);
  for (int y = 0; y < rows; ++y) std::memcpy(resized.ScanLine(y), ScanLine(y), bytes);
  // Pixels of the old row that lie past the new width stay in the padding; clear them.
  if (width < width_) {
    for (int y = 0; y < rows; ++y)
      for (int x = width; x * BitsPerPixel(format_) < resized.stride_ * 8; ++x) resized.SetRawPixel(x, y, 0);
  }
  *this = std::move(resized);
}

Bitmap Bitmap::Converted(PixelFormat format) const {
  Bitmap out;
  if (IsIndexed(format) && format == format_) out.palette_ = palette_;
  out.Allocate(width_, height_, format);
  if (format == format_) {
    out.data_ = data_;
    return out;
  }
  RawValueEncoder encoder(out);
  std::vector<TColor> row(static_cast<std::size_t>(width_));
  for (int y = 0; y < height_; ++y) {
    ReadColorRow(*this, y, 0, width_, row.data());
    WriteColorRow(out, y, 0, width_, row.data(), encoder);
  }
  return out;
}

void Bitmap::SetPixelFormat(PixelFormat format) {
  if (format == format_) return;
  *this = Converted(format);
}

void Bitmap::Fill(TColor c) {
  const std::uint32_t v = RawValueOf(c);
  for (int x = 0; x < width_ && height_ > 0; ++x) SetRawPixel(x, 0, v);
  for (int y = 1; y < height_; ++y) std::memcpy(ScanLine(y), ScanLine(0), stride_);
}

bool operator==(const Bitmap& a, const Bitmap& b) {
  return a.width_ == b.width_ && a.height_ == b.height_ && a.format_ == b.format_ &&
         a.palette_ == b.palette_ && a.data_ == b.data_;
}

}  // namespace kestrova
