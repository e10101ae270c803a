#pragma once
// Bounds-checked little-endian field access for the file parsers.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/images/ImageFileError.h"

namespace kestrova {

// A view of a file's bytes; every read checks that the field lies inside it
// and raises ImageFileError with the reader's own "truncated" text otherwise.
class LittleEndianView {
 public:
  LittleEndianView(std::span<const std::uint8_t> bytes, const char* truncatedText)
      : bytes_(bytes), truncated_(truncatedText) {}

  std::size_t Size() const { return bytes_.size(); }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }
  bool Holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  void Require(std::uint64_t offset, std::uint64_t length) const {
    if (!Holds(offset, length)) throw ImageFileError(truncated_);
  }
  std::span<const std::uint8_t> Sub(std::uint64_t offset, std::uint64_t length) const {
    Require(offset, length);
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }

  std::uint8_t U8(std::uint64_t offset) const {
    Require(offset, 1);
    return bytes_[offset];
  }
  std::uint16_t U16(std::uint64_t offset) const {
    Require(offset, 2);
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  std::uint32_t U32(std::uint64_t offset) const {
    Require(offset, 4);
    return static_cast<std::uint32_t>(bytes_[offset]) | (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
  }
  std::int16_t I16(std::uint64_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
  std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

 private:
  std::span<const std::uint8_t> bytes_;
  const char* truncated_;
};

}  // namespace kestrova
