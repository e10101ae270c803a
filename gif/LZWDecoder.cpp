#include "gif/LZWDecoder.h"

#include <algorithm>
#include <array>
#include <memory>

#include "gif/GIFSupport.h"
#include "gif/LZWSubBlockReader.h"

namespace kestrova {

namespace {

constexpr int kTableSize = 4096;
constexpr int kMaxBitsPerCode = 12;

void Warn(const TGIFWarningFunc& warning, const char* message) {
  if (warning) warning(message);
}

// LSB-first reader of variable-width codes.
class CodeReader {
 public:
  CodeReader(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}

  // The next code of `bits` bits, or -1 when the data has run out.
  int Get(int bits) {
    while (count_ < bits) {
      if (p_ == end_) return -1;
      buffer_ |= static_cast<std::uint32_t>(*p_++) << count_;
      count_ += 8;
    }
    const int code = static_cast<int>(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    count_ -= bits;
    return code;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
  std::uint32_t buffer_ = 0;
  int count_ = 0;
};

// The string table: entry c is the string of entry prefix[c] followed by
// suffix[c]; first[c] and length[c] describe the whole string.
class StringTable {
 public:
  explicit StringTable(int clearCode) : clearCode_(clearCode) {
    for (int i = 0; i < clearCode; ++i) {
      prefix_[i] = 0;
      suffix_[i] = first_[i] = static_cast<std::uint8_t>(i);
      length_[i] = 1;
    }
    Reset();
  }

  void Reset() {
    next_ = clearCode_ + 2;
    bits_ = CodeBitsFor(clearCode_);
  }
  int Next() const { return next_; }
  int Bits() const { return bits_; }
  std::uint8_t First(int code) const { return first_[code]; }

  // Adds the string of `prefix` followed by `pixel`, growing the code width
  // when the next code no longer fits. A full table stays as it is.
  void Add(int prefix, std::uint8_t pixel) {
    if (next_ >= kTableSize) return;
    prefix_[next_] = static_cast<std::uint16_t>(prefix);
    suffix_[next_] = pixel;
    first_[next_] = first_[prefix];
    length_[next_] = static_cast<std::uint16_t>(length_[prefix] + 1);
    ++next_;
    if (next_ >= (1 << bits_) && bits_ < kMaxBitsPerCode) ++bits_;
  }

  // Writes the string of `code` at out[0..]; at most `room` pixels are
  // stored. Returns the number stored.
  std::size_t Expand(int code, std::uint8_t* out, std::size_t room) const {
    const std::size_t length = length_[code];
    if (length <= room) {
      std::uint8_t* p = out + length;
      for (;;) {
        *--p = suffix_[code];
        if (p == out) break;
        code = prefix_[code];
      }
      return length;
    }
    std::array<std::uint8_t, kTableSize> scratch;
    std::uint8_t* p = scratch.data() + length;
    for (;;) {
      *--p = suffix_[code];
      if (p == scratch.data()) break;
      code = prefix_[code];
    }
    std::copy_n(scratch.data(), room, out);
    return room;
  }

 private:
  static int CodeBitsFor(int clearCode) {
    int bits = 1;
    while ((1 << bits) <= clearCode) ++bits;
    return bits;
  }

  int clearCode_;
  int next_ = 0;
  int bits_ = 0;
  std::array<std::uint16_t, kTableSize> prefix_{};
  std::array<std::uint8_t, kTableSize> suffix_{};
  std::array<std::uint8_t, kTableSize> first_{};
  std::array<std::uint16_t, kTableSize> length_{};
};

}  // namespace

void ReadDataSubBlocks(std::istream& stream, std::vector<std::uint8_t>& data,
                       const TGIFWarningFunc& warning) {
  const bool complete = ReadSubBlocks(stream, [&data](const std::uint8_t* bytes, std::size_t size) {
    data.insert(data.end(), bytes, bytes + size);
  });
  if (!complete) Warn(warning, "Premature end of data");
}

std::size_t DecodeLZWCodes(const std::uint8_t* data, std::size_t size, int codeSize,
                           std::uint8_t* pixels, std::size_t count, const TGIFWarningFunc& warning) {
  const int clearCode = 1 << codeSize;
  const int endCode = clearCode + 1;
  auto table = std::make_unique<StringTable>(clearCode);
  CodeReader reader(data, size);
  std::size_t pos = 0;
  int old = -1;  // no previous code: the next one must be a plain pixel
  while (pos < count) {
    const int code = reader.Get(table->Bits());
    if (code < 0) {
      Warn(warning, "Decoder bit buffer under-run");
      break;
    }
    if (code == clearCode) {
      table->Reset();
      old = -1;
      continue;
    }
    if (code == endCode) break;
    if (old < 0) {
      if (code > clearCode) {
        Warn(warning, "Invalid LZW code");
        break;
      }
      pixels[pos++] = static_cast<std::uint8_t>(code);
      old = code;
      continue;
    }
    const int next = table->Next();
    if (code > next) {
      Warn(warning, "Invalid LZW code");
      break;
    }
    // A code not yet in the table is the previous string plus its own first pixel.
    table->Add(old, table->First(code < next ? code : old));
    pos += table->Expand(code, pixels + pos, count - pos);
    old = code;
  }
  return pos;
}

std::size_t DecodeLZW(std::istream& stream, std::uint8_t* pixels, std::size_t count,
                      const TGIFWarningFunc& warning) {
  std::uint8_t codeSize = 0;
  if (!TryReadByte(stream, codeSize)) {
    Warn(warning, "Premature end of data");
    return 0;
  }
  if (codeSize < 1 || codeSize > 8) RaiseGIFError("Invalid LZW code size");
  std::vector<std::uint8_t> data;
  ReadDataSubBlocks(stream, data, warning);
  return DecodeLZWCodes(data.data(), data.size(), codeSize, pixels, count, warning);
}

}  // namespace kestrova
