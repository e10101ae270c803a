#pragma once
// Reading of data sub-blocks: length bytes of 1..255, each followed by that
// many bytes, up to a zero length byte.

#include <cstdint>
#include <functional>
#include <istream>

namespace kestrova {

// Hands every sub-block's bytes to `take`, up to and including the zero
// length byte. False when the stream ended first (a block cut short is still
// handed over with the bytes it has).
bool ReadSubBlocks(std::istream& stream,
                   const std::function<void(const std::uint8_t* data, std::size_t size)>& take);

}  // namespace kestrova
