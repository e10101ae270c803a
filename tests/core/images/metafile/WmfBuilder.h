#pragma once
// Writes a 16-bit metafile record by record; parameters are 16-bit words.
// The headers carry the file's size, the longest record and the placeable
// header's check sum, as other readers of such files want them.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "rendering/Color.h"
#include "rendering/Geometry.h"
#include "tests/core/images/ImageTestSupport.h"

namespace kestrova::testing {

class WmfBuilder {
 public:
  WmfBuilder& Record(std::uint16_t function, std::initializer_list<int> words,
                     const std::vector<std::uint8_t>& tail = {}) {
    ByteWriter r;
    const auto size = static_cast<std::uint32_t>(3 + words.size() + (tail.size() + 1) / 2);
    r.U32(size).U16(function);
    for (int w : words) r.U16(static_cast<unsigned>(w) & 0xFFFF);
    r.bytes.insert(r.bytes.end(), tail.begin(), tail.end());
    if (tail.size() % 2) r.U8(0);
    records_.insert(records_.end(), r.bytes.begin(), r.bytes.end());
    longest_ = std::max(longest_, size);
    return *this;
  }
  // Colour words: low and high half of 0x00BBGGRR.
  static int Lo(TColor c) { return static_cast<int>(c & 0xFFFF); }
  static int Hi(TColor c) { return static_cast<int>(c >> 16); }

  std::vector<std::uint8_t> Build(std::optional<TRect> box = std::nullopt, int inch = 96) const {
    ByteWriter w;
    if (box) {
      w.U32(0x9AC6CDD7).U16(0).U16(box->left).U16(box->top).U16(box->right).U16(box->bottom).U16(inch);
      w.U32(0);
      unsigned sum = 0;
      for (std::size_t i = 0; i < 20; i += 2) sum ^= w.bytes[i] | w.bytes[i + 1] << 8;
      w.U16(sum);
    }
    const auto words = static_cast<std::uint32_t>((18 + records_.size() + 6) / 2);
    w.U16(1).U16(9).U16(0x0300).U32(words).U16(8).U32(longest_).U16(0);
    w.bytes.insert(w.bytes.end(), records_.begin(), records_.end());
    w.U32(3).U16(0);  // end record
    return w.bytes;
  }

 private:
  std::vector<std::uint8_t> records_;
  std::uint32_t longest_ = 3;
};

}  // namespace kestrova::testing
