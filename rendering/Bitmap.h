#pragma once
// A device-independent bitmap: rows top-down, each row padded to 4 bytes.
// Formats: 1, 4 and 8 bits with a palette (most significant bits first within
// a byte), 15 and 16 bits as little-endian words of 5-5-5 and 5-6-5 (see
// PackedColor.h), 24 bits as blue, green, red bytes, 32 bits as blue, green,
// red, unused.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "rendering/Color.h"

namespace kestrova {

enum class PixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// Bits each pixel takes in a row (16 for the 15-bit format too).
int BitsPerPixel(PixelFormat format);
bool IsIndexed(PixelFormat format);

// Raised for sizes that cannot be held (negative, or over MaxPixels) and for
// allocation failures; callers turn its message into their error texts.
class BitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Value returned when a pixel outside the bitmap is read.
constexpr TColor kInvalidColor = 0xFFFFFFFF;

class Bitmap {
 public:
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

  Bitmap() = default;
  Bitmap(int width, int height, PixelFormat format = PixelFormat::pf24bit);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Bytes per row, a multiple of 4.
  int Stride() const { return stride_; }

  std::uint8_t* ScanLine(int y) { return data_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* ScanLine(int y) const {
    return data_.data() + static_cast<std::size_t>(y) * stride_;
  }

  // Palette of an indexed bitmap (0x00BBGGRR entries); empty for the other formats.
  const std::vector<TColor>& Palette() const { return palette_; }
  // Sets the palette; at most 2^bits entries are kept.
  void SetPalette(std::vector<TColor> palette);
  // Index of the palette entry nearest to c (the lower index on a tie).
  int NearestIndex(TColor c) const;

  // Colour of a pixel; kInvalidColor outside the bitmap.
  TColor GetPixel(int x, int y) const;
  // Writes a pixel; indexed bitmaps store the nearest palette entry. Outside: nothing.
  void SetPixel(int x, int y, TColor c);
  // Palette index (indexed), pixel word (15/16 bits) or 0x00BBGGRR value
  // (24/32 bits) of a pixel, unchecked.
  std::uint32_t RawPixel(int x, int y) const;
  // Stores a raw value as RawPixel gives it, unchecked.
  void SetRawPixel(int x, int y, std::uint32_t value);
  // The raw value that represents colour c in this bitmap's format.
  std::uint32_t RawValueOf(TColor c) const;

  // Changes the size; the overlapping part of the picture stays, new pixels are 0.
  void SetSize(int width, int height);
  // Converts the picture to another format. An indexed target without a palette
  // gets the default palette of its depth (see SystemPalettes.h).
  void SetPixelFormat(PixelFormat format);
  Bitmap Converted(PixelFormat format) const;
  // Fills every pixel with one colour.
  void Fill(TColor c);

  friend bool operator==(const Bitmap& a, const Bitmap& b);

 private:
  static int StrideFor(int width, PixelFormat format);
  void Allocate(int width, int height, PixelFormat format);

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::pf24bit;
  int stride_ = 0;
  std::vector<std::uint8_t> data_;
  std::vector<TColor> palette_;
};

// Checks a requested size and throws BitmapError when it cannot be held.
void CheckBitmapSize(std::int64_t width, std::int64_t height);

}  // namespace kestrova
