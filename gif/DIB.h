#pragma once
// Row access for the colour reduction and the frame code. TDIBReader hands out
// the rows of an existing bitmap in a chosen pixel format; TDIBWriter builds a
// new 8- or 24-bit picture row by row and, when it is destroyed, places it in a
// target bitmap. Row 0 is the top row for both.

#include <cstdint>
#include <optional>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Color.h"

namespace kestrova {

class TDIB {
 public:
  TDIB(Bitmap& bitmap, PixelFormat format) : bitmap_(bitmap), format_(format) {}
  TDIB(const TDIB&) = delete;
  TDIB& operator=(const TDIB&) = delete;
  virtual ~TDIB() = default;

  // First byte of row `row`. Throws EInvalidGraphicOperation
  // "Scan line index out of range" for a row outside the picture.
  virtual std::uint8_t* GetScanline(int row) = 0;

  Bitmap& GetBitmap() const { return bitmap_; }
  PixelFormat GetPixelFormat() const { return format_; }

 protected:
  Bitmap& bitmap_;
  PixelFormat format_;
};

class TDIBReader : public TDIB {
 public:
  // Converts `bitmap` itself to `format` before any row is read.
  TDIBReader(Bitmap& bitmap, PixelFormat format);
  // The bitmap's own row, valid while the bitmap is unchanged.
  std::uint8_t* GetScanline(int row) override;
};

class TDIBWriter : public TDIB {
 public:
  // `format` is pf8bit or pf24bit (else GIFException "Unsupported PixelFormat");
  // width and height are positive (else GIFException "Invalid image dimensions").
  // An 8-bit picture gets a colour table of 256 entries: the first (at most
  // 256) palette entries, zeros after them.
  TDIBWriter(Bitmap& target, PixelFormat format, int width, int height,
             std::vector<TColor> palette = {});
  // Places the picture in the target when a row was handed out; a writer that
  // never handed out a row leaves the target untouched.
  ~TDIBWriter() override;

  // Row `row` of the new picture; the picture is created at the first call
  // (EOutOfMemory "Failed to allocate memory for GIF DIB" when it cannot be).
  // The rows start zeroed; callers write every pixel.
  std::uint8_t* GetScanline(int row) override;

  // The stored information block (header and colour table) of the picture
  // being built; empty until the first row was handed out.
  const std::vector<std::uint8_t>& DIBInfo() const { return info_; }

 private:
  void CreateDIB();
  void FreeDIB();

  std::vector<TColor> palette_;
  int width_;
  int height_;
  std::vector<std::uint8_t> info_;
  std::optional<Bitmap> pixels_;
};

}  // namespace kestrova
