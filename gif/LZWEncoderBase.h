#pragma once
// The part both image-data encoders share: the code size byte, LSB-first
// packing of variable-width codes into data sub-blocks, the end-of-information
// code, the block terminator, and the walk over the pixels in normal or
// interlaced row order.

#include <cstdint>
#include <ostream>

#include "gif/LZWWriter.h"

namespace kestrova {

class TGIFEncoder {
 public:
  virtual ~TGIFEncoder() = default;

  // Writes one frame's complete image data block. `data` holds height rows of
  // `width` colour indexes; an index >= colorCount raises "Color not in color
  // table" and leaves the block unfinished. A code size below 2 becomes 2.
  void Compress(std::ostream& stream, int bitsPerPixel, int colorCount, const std::uint8_t* data,
                bool interlace, int height, int width);

  static int MaxCodeOf(int bits) { return (1 << bits) - 1; }

 protected:
  virtual void Output(int value);
  // Outputs the clear code and marks the table as fresh.
  virtual void Clear();
  virtual void DoCompress() = 0;

  // The pixels in walk order as contiguous stretches: the whole frame at
  // once, or one row at a time when interlaced. False when none is left.
  bool NextSegment(const std::uint8_t*& begin, const std::uint8_t*& end);

  int colorCount_ = 0;
  int bitsPerPixel_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool interlace_ = false;
  const std::uint8_t* data_ = nullptr;
  bool clearFlag_ = false;
  int bitsPerCode_ = 0;
  int initialBitsPerCode_ = 0;
  int maxCode_ = 0;
  int clearCode_ = 0;
  int eofCode_ = 0;
  int baseCode_ = 0;

 private:
  // Raises "Color not in color table" when any pixel is >= the colour count.
  void CheckColors() const;

  TGIFWriter* writer_ = nullptr;
  std::uint32_t bitBuffer_ = 0;
  int bitCount_ = 0;
  int row_ = -1;  // the last row handed out by NextSegment
  int pass_ = 0;
};

}  // namespace kestrova
