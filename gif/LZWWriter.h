#pragma once
// Packs the bytes of a code stream into data sub-blocks: a length byte
// followed by up to 255 bytes. The stream sees one write per sub-block.

#include <array>
#include <cstdint>
#include <ostream>

namespace kestrova {

class TGIFWriter {
 public:
  explicit TGIFWriter(std::ostream& stream) : stream_(stream) {}

  void WriteByte(std::uint8_t value) {
    buffer_[count_++] = value;
    if (count_ == buffer_.size()) Flush();
  }
  // Writes the buffered bytes as one sub-block; nothing when none are buffered.
  void Flush();

 private:
  std::ostream& stream_;
  std::array<std::uint8_t, 256> buffer_{};
  std::size_t count_ = 1;  // byte 0 is kept for the length
};

}  // namespace kestrova
