#include "gif/LZWEncoderBase.h"

#include <algorithm>

#include "gif/GIFSupport.h"
#include "gif/LZWInterlace.h"

namespace kestrova {

void TGIFEncoder::Compress(std::ostream& stream, int bitsPerPixel, int colorCount,
                           const std::uint8_t* data, bool interlace, int height, int width) {
  colorCount_ = colorCount;
  width_ = width;
  height_ = height;
  interlace_ = interlace;
  data_ = data;
  bitsPerPixel_ = bitsPerPixel < 2 ? 2 : bitsPerPixel;
  initialBitsPerCode_ = bitsPerPixel_ + 1;
  WriteByte(stream, static_cast<std::uint8_t>(bitsPerPixel_));

  bitsPerCode_ = initialBitsPerCode_;
  maxCode_ = MaxCodeOf(bitsPerCode_);
  clearCode_ = 1 << bitsPerPixel_;
  eofCode_ = clearCode_ + 1;
  baseCode_ = clearCode_ + 2;
  bitBuffer_ = 0;
  bitCount_ = 0;
  row_ = -1;
  pass_ = 0;

  const bool hasPixels = data != nullptr && width >= 1 && height >= 1;
  if (hasPixels) CheckColors();
  TGIFWriter writer(stream);
  writer_ = &writer;
  if (hasPixels) DoCompress();
  Output(eofCode_);
  writer.Flush();
  writer_ = nullptr;
  WriteByte(stream, 0);
}

void TGIFEncoder::Output(int value) {
  bitBuffer_ = bitCount_ > 0 ? (static_cast<std::uint32_t>(value) << bitCount_) | bitBuffer_
                             : static_cast<std::uint32_t>(value);
  bitCount_ += bitsPerCode_;
  while (bitCount_ >= 8) {
    writer_->WriteByte(static_cast<std::uint8_t>(bitBuffer_ & 0xFF));
    bitBuffer_ >>= 8;
    bitCount_ -= 8;
  }
  if (value == eofCode_) {
    while (bitCount_ > 0) {
      writer_->WriteByte(static_cast<std::uint8_t>(bitBuffer_ & 0xFF));
      bitBuffer_ >>= 8;
      bitCount_ -= 8;
    }
    bitCount_ = 0;
  }
}

void TGIFEncoder::Clear() {
  clearFlag_ = true;
  Output(clearCode_);
}

bool TGIFEncoder::NextSegment(const std::uint8_t*& begin, const std::uint8_t*& end) {
  if (!interlace_) {
    if (row_ >= 0) return false;
    row_ = height_ - 1;
    begin = data_;
    end = data_ + std::int64_t{width_} * height_;
    return true;
  }
  if (row_ < 0) {
    row_ = 0;
  } else if (!NextInterlacedRow(row_, pass_, height_)) {
    return false;
  }
  begin = data_ + std::int64_t{row_} * width_;
  end = begin + width_;
  return true;
}

void TGIFEncoder::CheckColors() const {
  const std::uint8_t* end = data_ + std::int64_t{width_} * height_;
  if (colorCount_ <= 0 || *std::max_element(data_, end) >= colorCount_) RaiseGIFError("Color not in color table");
}

}  // namespace kestrova
