#pragma once
// Byte and text helpers shared by the GIF reader and writer.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "gif/GIFException.h"

namespace kestrova {

void WriteByte(std::ostream& stream, std::uint8_t value);
// One byte; 0 when the stream has none left.
std::uint8_t ReadByte(std::istream& stream);
// One byte; false at the end of the stream (keeps the end distinct from a 0 byte).
bool TryReadByte(std::istream& stream, std::uint8_t& value);
// Exactly `size` bytes, else GIFException "Premature end of data".
void ReadCheck(std::istream& stream, void* buffer, std::size_t size);

// Writes the strings as data sub-blocks (pieces of at most 255 bytes), then a 0 byte.
void WriteStrings(std::ostream& stream, const std::vector<std::string>& strings);
// Replaces the strings by the data sub-blocks read, one string per block;
// `counted`, when given, hears each block's length before the block is kept.
void ReadStrings(std::istream& stream, std::vector<std::string>& strings,
                 const std::function<void(std::size_t length)>& counted = nullptr);
// Reads past zero bytes (padding between blocks); false when the stream ends first.
bool SkipZeroBytes(std::istream& stream);

// The widest and highest picture a GIF file holds.
inline constexpr int kMaxGifDimension = 65535;

// A position or size in a GIF file (16 bits): a negative value raises
// "Invalid image dimensions", one past kMaxGifDimension "Image too large for GIF".
std::uint16_t CheckedDimension(int value);

// Bits needed to index `count` colours: 0 for 0, 1 up to 2, else the smallest n with 2^n >= count.
int ColorsToBits(int count);

// number x numerator / denominator, rounded to the nearest integer (halves away
// from zero); -1 when the denominator is 0.
std::int64_t MulDiv(std::int64_t number, std::int64_t numerator, std::int64_t denominator);

}  // namespace kestrova
