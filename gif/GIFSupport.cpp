#include "gif/GIFSupport.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace kestrova {

void RaiseGIFError(const std::string& message) { throw GIFException(message); }

std::uint16_t CheckedDimension(int value) {
  if (value < 0) RaiseGIFError("Invalid image dimensions");
  if (value > kMaxGifDimension) RaiseGIFError("Image too large for GIF");
  return static_cast<std::uint16_t>(value);
}

void WriteByte(std::ostream& stream, std::uint8_t value) {
  stream.put(static_cast<char>(value));
}

bool TryReadByte(std::istream& stream, std::uint8_t& value) {
  const auto c = stream.get();
  if (c == std::char_traits<char>::eof()) return false;
  value = static_cast<std::uint8_t>(c);
  return true;
}

std::uint8_t ReadByte(std::istream& stream) {
  std::uint8_t value = 0;
  return TryReadByte(stream, value) ? value : 0;
}

void ReadCheck(std::istream& stream, void* buffer, std::size_t size) {
  if (size == 0) return;
  stream.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
  if (static_cast<std::size_t>(stream.gcount()) != size) RaiseGIFError("Premature end of data");
}

void WriteStrings(std::ostream& stream, const std::vector<std::string>& strings) {
  for (const std::string& s : strings) {
    for (std::size_t pos = 0; pos < s.size(); pos += 255) {
      const std::size_t n = std::min<std::size_t>(255, s.size() - pos);
      WriteByte(stream, static_cast<std::uint8_t>(n));
      stream.write(s.data() + pos, static_cast<std::streamsize>(n));
    }
  }
  WriteByte(stream, 0);
}

void ReadStrings(std::istream& stream, std::vector<std::string>& strings,
                 const std::function<void(std::size_t length)>& counted) {
  strings.clear();
  std::uint8_t length = 0;
  char block[255];
  while (TryReadByte(stream, length) && length != 0) {
    ReadCheck(stream, block, length);
    if (counted) counted(length);
    strings.emplace_back(block, strnlen(block, length));
  }
}

bool SkipZeroBytes(std::istream& stream) {
  std::streambuf* buffer = stream.rdbuf();
  if (!stream.good() || buffer == nullptr) return false;
  const auto next = buffer->sgetc();
  if (next != 0 && next != std::char_traits<char>::eof()) return true;
  // A run of padding is read a piece at a time, and the stream set back to
  // the byte after it.
  static constexpr std::array<char, 4096> kZeros{};
  std::array<char, kZeros.size()> piece;
  for (;;) {
    const auto got = static_cast<std::size_t>(buffer->sgetn(piece.data(), piece.size()));
    const auto end = piece.begin() + static_cast<std::ptrdiff_t>(got);
    const auto found = std::memcmp(piece.data(), kZeros.data(), got) == 0
                           ? end
                           : std::find_if(piece.begin(), end, [](char c) { return c != 0; });
    if (found != end) {
      if (buffer->pubseekoff(found - end, std::ios::cur, std::ios::in) == std::streampos(-1)) break;
      return true;
    }
    if (got < piece.size()) break;
  }
  stream.setstate(std::ios::eofbit);
  return false;
}

int ColorsToBits(int count) {
  if (count <= 0) return 0;
  int bits = 1;
  while (bits < 31 && (1 << bits) < count) ++bits;
  return bits;
}

std::int64_t MulDiv(std::int64_t number, std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = number * numerator;
  const std::int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) / std::llabs(denominator);
  return (product < 0) != (denominator < 0) ? -magnitude : magnitude;
}

}  // namespace kestrova
