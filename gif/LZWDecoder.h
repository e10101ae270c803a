#pragma once
// Decoding of a frame's image data: the code size byte, the data sub-blocks
// and the terminator. The reader never trusts the data: a truncated block is
// decoded as far as it goes, and a code that no encoder can have written ends
// the frame with a warning. No input makes it loop, recurse or overrun.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace kestrova {

using TGIFWarningFunc = std::function<void(const std::string& message)>;

// Reads data sub-blocks up to and including the terminator and appends their
// bytes to `data`. A stream that ends first gives the warning "Premature end
// of data" and keeps what was read.
void ReadDataSubBlocks(std::istream& stream, std::vector<std::uint8_t>& data,
                       const TGIFWarningFunc& warning);

// Decodes the LZW code stream `data` (sub-block bytes joined) with the given
// minimum code size (1..8) into at most `count` pixels in stream order.
// Returns the number of pixels stored; the rest of `pixels` is left alone.
std::size_t DecodeLZWCodes(const std::uint8_t* data, std::size_t size, int codeSize,
                           std::uint8_t* pixels, std::size_t count, const TGIFWarningFunc& warning);

// Reads one frame's image data block from the stream and decodes it into
// `pixels` (stream order). Raises "Invalid LZW code size" for a code size
// byte outside 1..8; the stream is left after the block's terminator.
std::size_t DecodeLZW(std::istream& stream, std::uint8_t* pixels, std::size_t count,
                      const TGIFWarningFunc& warning);

}  // namespace kestrova
