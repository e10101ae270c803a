#include "gif/DIB.h"

#include <algorithm>
#include <new>
#include <utility>

#include "gif/GIFException.h"
#include "rendering/DibHeader.h"

namespace kestrova {

namespace {

constexpr std::size_t kTableEntries = 256;

void CheckRow(int row, int height) {
  if (row < 0 || row >= height) throw EInvalidGraphicOperation("Scan line index out of range");
}

}  // namespace

TDIBReader::TDIBReader(Bitmap& bitmap, PixelFormat format) : TDIB(bitmap, format) {
  bitmap_.SetPixelFormat(format);
}

std::uint8_t* TDIBReader::GetScanline(int row) {
  CheckRow(row, bitmap_.Height());
  return bitmap_.ScanLine(row);
}

TDIBWriter::TDIBWriter(Bitmap& target, PixelFormat format, int width, int height,
                       std::vector<TColor> palette)
    : TDIB(target, format), palette_(std::move(palette)), width_(width), height_(height) {
  if (format != PixelFormat::pf8bit && format != PixelFormat::pf24bit)
    RaiseGIFError("Unsupported PixelFormat");
  if (width <= 0 || height <= 0) RaiseGIFError("Invalid image dimensions");
}

TDIBWriter::~TDIBWriter() {
  if (pixels_) bitmap_ = std::move(*pixels_);
  FreeDIB();
}

std::uint8_t* TDIBWriter::GetScanline(int row) {
  if (!pixels_) CreateDIB();
  CheckRow(row, height_);
  return pixels_->ScanLine(row);
}

void TDIBWriter::CreateDIB() {
  FreeDIB();
  const bool indexed = format_ == PixelFormat::pf8bit;
  DibInfo info;
  info.width = width_;
  info.height = height_;
  info.bitsPerPixel = indexed ? 8 : 24;
  if (indexed) {
    const std::size_t count = std::min(palette_.size(), kTableEntries);
    info.colors.assign(palette_.begin(), palette_.begin() + static_cast<std::ptrdiff_t>(count));
    info.tableEntries = kTableEntries;
    info.colorsUsed = kTableEntries;
    info.importantColors = static_cast<std::uint32_t>(count);
  }
  try {
    info_ = SerializeDibInfo(info);
    pixels_.emplace(width_, height_, format_);
    if (indexed) {
      info.colors.resize(kTableEntries, 0);
      pixels_->SetPalette(std::move(info.colors));
    }
  } catch (const BitmapError&) {
    FreeDIB();
    throw EOutOfMemory("Failed to allocate memory for GIF DIB");
  } catch (const std::bad_alloc&) {
    FreeDIB();
    throw EOutOfMemory("Failed to allocate memory for GIF DIB");
  }
}

void TDIBWriter::FreeDIB() {
  info_.clear();
  pixels_.reset();
}

}  // namespace kestrova
