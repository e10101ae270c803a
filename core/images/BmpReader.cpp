#include "core/images/BmpReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "core/images/ImageFileError.h"
#include "core/images/LittleEndian.h"
#include "core/support/InputStreams.h"
#include "rendering/PackedColor.h"

namespace kestrova {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;

const char kTruncated[] = "Bitmap file is truncated";
const char kUnsupported[] = "Unsupported bitmap format";

// Where the picture lies in the file and how it is stored.
struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t sizeImage = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::vector<TColor> palette;
  std::uint64_t dataOffset = 0;
};

bool IsInfoHeaderSize(std::uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

void CheckBitsAndCompression(const BmpLayout& l) {
  const int b = l.bits;
  bool ok = false;
  switch (l.compression) {
    case kBiRgb: ok = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32; break;
    case kBiRle8: ok = b == 8 && !l.topDown; break;
    case kBiRle4: ok = b == 4 && !l.topDown; break;
    case kBiBitfields:
    case kBiAlphaBitfields: ok = b == 16 || b == 32; break;
    default: break;
  }
  if (!ok) throw ImageFileError(kUnsupported);
}

void SetDefaultMasks(BmpLayout& l) {
  if (l.bits == 16) l.masks = kChannelMasks555;
  if (l.bits == 32) l.masks = {0xFF0000, 0x00FF00, 0x0000FF};
}

// Reads the header (of a size a header has); returns the offset just past it
// (and past masks stored after it) and the number of colour-table entries the
// header declares.
std::uint64_t ReadHeader(const LittleEndianView& f, std::uint32_t headerSize, BmpLayout& l,
                         std::uint64_t& declaredColors) {
  std::uint64_t end = kFileHeaderSize + headerSize;
  if (headerSize == kCoreHeaderSize) {
    l.width = f.U16(18);
    l.height = f.U16(20);
    l.bits = f.U16(24);
    if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24) throw ImageFileError(kUnsupported);
    declaredColors = l.bits <= 8 ? (std::uint64_t{1} << l.bits) : 0;
    return end;
  }
  l.width = f.I32(18);
  const std::int64_t height = f.I32(22);
  l.topDown = height < 0;
  l.height = height < 0 ? -height : height;
  l.bits = f.U16(28);
  l.compression = f.U32(30);
  l.sizeImage = f.U32(34);
  const std::uint32_t colorsUsed = f.U32(46);
  CheckBitsAndCompression(l);
  SetDefaultMasks(l);
  if (l.compression == kBiBitfields || l.compression == kBiAlphaBitfields) {
    // Info headers of 52 bytes and more hold the masks; the 40-byte one is followed by them.
    const std::uint64_t at = headerSize >= 52 ? kFileHeaderSize + 40 : end;
    l.masks = {f.U32(at), f.U32(at + 4), f.U32(at + 8)};
    if (headerSize == 40) end += l.compression == kBiAlphaBitfields ? 16 : 12;
  }
  declaredColors = colorsUsed != 0 ? colorsUsed : (l.bits <= 8 ? std::uint64_t{1} << l.bits : 0);
  return end;
}

BmpLayout ReadLayout(const LittleEndianView& f) {
  BmpLayout l;
  const std::uint32_t pixelOffset = f.U32(10);
  const std::uint32_t headerSize = f.U32(14);
  // A size no header has is told as such, whatever the file's length.
  if (headerSize != kCoreHeaderSize && !IsInfoHeaderSize(headerSize)) throw ImageFileError("Unsupported bitmap header");
  f.Require(kFileHeaderSize, headerSize);
  std::uint64_t declaredColors = 0;
  const std::uint64_t tableStart = ReadHeader(f, headerSize, l, declaredColors);
  if (l.width <= 0 || l.height <= 0) throw ImageFileError("Invalid bitmap size");

  const std::uint64_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
  std::uint64_t kept = l.bits <= 8 ? std::min(declaredColors, std::uint64_t{1} << l.bits) : 0;
  // Core files often carry a shorter table; the pixel offset tells its length.
  if (headerSize == kCoreHeaderSize && pixelOffset > tableStart)
    kept = std::min(kept, (pixelOffset - tableStart) / entrySize);
  f.Require(tableStart, kept * entrySize);
  if (pixelOffset != 0 && pixelOffset < tableStart + kept * entrySize)
    throw ImageFileError("Invalid bitmap data offset");
  l.dataOffset = pixelOffset != 0 ? pixelOffset : tableStart + declaredColors * entrySize;

  l.palette.reserve(static_cast<std::size_t>(kept));
  for (std::uint64_t i = 0; i < kept; ++i) {
    const std::uint64_t at = tableStart + i * entrySize;
    l.palette.push_back(RGBColor(f.U8(at + 2), f.U8(at + 1), f.U8(at)));
  }
  return l;
}

// 16-bit pixels keep their words when their masks are those of a 16-bit
// format; other masks are widened to 24 bits.
PixelFormat TargetFormat(const BmpLayout& l) {
  switch (l.bits) {
    case 1: return PixelFormat::pf1bit;
    case 4: return PixelFormat::pf4bit;
    case 8: return PixelFormat::pf8bit;
    case 16:
      if (l.masks == kChannelMasks555) return PixelFormat::pf15bit;
      if (l.masks == kChannelMasks565) return PixelFormat::pf16bit;
      return PixelFormat::pf24bit;
    case 32: return PixelFormat::pf32bit;
    default: return PixelFormat::pf24bit;
  }
}

// One colour channel of a 16 or 32-bit pixel, scaled to 0..255.
class ChannelMask {
 public:
  explicit ChannelMask(std::uint32_t mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    const std::uint32_t run = mask >> shift_;
    int width = std::countr_one(run);
    if (width < 32 && (run >> width) != 0) throw ImageFileError("Invalid bitmap colour masks");
    if (width > 8) {  // only the top eight bits matter
      shift_ += width - 8;
      width = 8;
    }
    max_ = (1u << width) - 1;
    for (std::uint32_t v = 0; v <= max_; ++v) scale_[v] = Replicated(v, width);
  }
  std::uint8_t operator()(std::uint32_t pixel) const { return scale_[(pixel >> shift_) & max_]; }

 private:
  // Widens a value of `width` bits to eight by repeating its bits (5 bits abcde -> abcdeabc).
  static std::uint8_t Replicated(std::uint32_t v, int width) {
    std::uint32_t out = 0;
    for (int filled = 0; filled < 8; filled += width) out = (out << width) | v;
    const int total = ((8 + width - 1) / width) * width;
    return static_cast<std::uint8_t>(out >> (total - 8));
  }

  int shift_ = 0;
  std::uint32_t max_ = 0;
  std::array<std::uint8_t, 256> scale_{};
};

void CopyIndexedRow(const std::uint8_t* src, std::uint8_t* dst, std::int64_t width, int bits) {
  const std::int64_t usedBits = width * bits;
  const std::size_t full = static_cast<std::size_t>(usedBits / 8);
  std::memcpy(dst, src, full);
  if (const int rest = static_cast<int>(usedBits % 8)) dst[full] = static_cast<std::uint8_t>(src[full] & (0xFF00 >> rest));
}

// 16-bit words as they are, the unused top bit of 5-5-5 words cleared.
void CopyWordRow(const std::uint8_t* src, std::uint8_t* dst, std::int64_t width, std::uint32_t keep) {
  for (std::int64_t x = 0; x < width; ++x, src += 2, dst += 2) StoreWord(dst, LoadWord(src) & keep);
}

void DecodeMaskedRow(const std::uint8_t* src, std::uint8_t* dst, std::int64_t width, int bits,
                     const std::array<ChannelMask, 3>& channels, int dstPixelBytes) {
  const int srcPixelBytes = bits / 8;
  for (std::int64_t x = 0; x < width; ++x, src += srcPixelBytes, dst += dstPixelBytes) {
    std::uint32_t pixel = src[0] | (src[1] << 8);
    if (bits == 32) pixel |= (static_cast<std::uint32_t>(src[2]) << 16) | (static_cast<std::uint32_t>(src[3]) << 24);
    dst[0] = channels[2](pixel);
    dst[1] = channels[1](pixel);
    dst[2] = channels[0](pixel);
  }
}

// The bytes of a row, padded to 4.
std::int64_t RowStride(const BmpLayout& l) { return ((l.width * l.bits + 31) / 32) * 4; }

// Reads the rows one at a time from the stream, which stands at the first.
Bitmap DecodeUncompressed(std::istream& in, const BmpLayout& l) {
  const std::int64_t stride = RowStride(l);
  Bitmap out(static_cast<int>(l.width), static_cast<int>(l.height), TargetFormat(l));
  if (IsIndexed(out.Format())) out.SetPalette(l.palette);
  std::array<ChannelMask, 3> channels{ChannelMask(0), ChannelMask(0), ChannelMask(0)};
  if (l.bits >= 16) channels = {ChannelMask(l.masks[0]), ChannelMask(l.masks[1]), ChannelMask(l.masks[2])};
  std::vector<std::uint8_t> row(static_cast<std::size_t>(stride));
  for (std::int64_t y = 0; y < l.height; ++y) {
    // The file was long enough when its header was read; it may have shrunk since.
    if (!in.read(reinterpret_cast<char*>(row.data()), stride)) throw ImageFileError(kTruncated);
    const std::uint8_t* src = row.data();
    std::uint8_t* dst = out.ScanLine(static_cast<int>(l.topDown ? y : l.height - 1 - y));
    if (l.bits <= 8)
      CopyIndexedRow(src, dst, l.width, l.bits);
    else if (l.bits == 24)
      std::memcpy(dst, src, static_cast<std::size_t>(l.width) * 3);
    else if (out.Format() == PixelFormat::pf15bit)
      CopyWordRow(src, dst, l.width, kMask555);
    else if (out.Format() == PixelFormat::pf16bit)
      CopyWordRow(src, dst, l.width, 0xFFFF);
    else
      DecodeMaskedRow(src, dst, l.width, l.bits, channels, l.bits == 32 ? 4 : 3);
  }
  return out;
}

// An RLE stream read from the file a few bytes at a time, no further than
// its length.
class RleBytes {
 public:
  RleBytes(std::istream& in, std::uint64_t length) : in_(in), left_(length) {}
  // The next `count` bytes (at most 256); raises "truncated" when the stream has fewer.
  const std::uint8_t* Take(std::size_t count) {
    if (left_ < count || !in_.read(reinterpret_cast<char*>(bytes_.data()), static_cast<std::streamsize>(count)))
      throw ImageFileError(kTruncated);
    left_ -= count;
    return bytes_.data();
  }

 private:
  std::istream& in_;
  std::uint64_t left_;
  std::array<std::uint8_t, 256> bytes_{};
};

// Plays an RLE4 or RLE8 stream (rows counted from the bottom). With no target it
// only checks that the stream is whole, so that a broken file fails before the
// picture's memory is taken. Pixels outside the picture are dropped.
void PlayRle(RleBytes data, int bits, std::int64_t width, std::int64_t height, Bitmap* target) {
  std::int64_t x = 0, row = 0;
  auto put = [&](std::int64_t px, unsigned index) {
    if (target && px < width && row < height)
      target->SetRawPixel(static_cast<int>(px), static_cast<int>(height - 1 - row), index);
  };
  while (row < height) {
    const std::uint8_t* pair = data.Take(2);
    const unsigned count = pair[0], value = pair[1];
    if (count > 0) {  // a run of one index (RLE8) or two alternating indexes (RLE4)
      for (unsigned k = 0; k < count; ++k) put(x + k, bits == 8 ? value : (k & 1 ? value & 0x0F : value >> 4));
      x += count;
    } else if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of picture
      return;
    } else if (value == 2) {  // move right and up
      const std::uint8_t* move = data.Take(2);
      x += move[0];
      row += move[1];
    } else {  // literal indexes, padded to a 16-bit boundary
      const std::size_t bytes = bits == 8 ? value : (value + 1) / 2;
      const std::uint8_t* literal = data.Take(bytes + (bytes & 1));
      for (unsigned k = 0; k < value; ++k) {
        const std::uint8_t b = literal[bits == 8 ? k : k / 2];
        put(x + k, bits == 8 ? b : (k & 1 ? b & 0x0F : b >> 4));
      }
      x += value;
    }
  }
}

// The RLE stream from `start`, the stream's position at the file's start:
// to the file's end, or over the length the header gives when shorter.
Bitmap DecodeRle(std::istream& in, std::istream::pos_type start, std::uint64_t fileSize, const BmpLayout& l) {
  if (l.dataOffset > fileSize) throw ImageFileError(kTruncated);
  std::uint64_t length = fileSize - l.dataOffset;
  if (l.sizeImage != 0) length = std::min<std::uint64_t>(length, l.sizeImage);
  const auto data = [&] {
    in.seekg(start + static_cast<std::istream::off_type>(l.dataOffset));
    return RleBytes(in, length);
  };
  PlayRle(data(), l.bits, l.width, l.height, nullptr);
  Bitmap out(static_cast<int>(l.width), static_cast<int>(l.height), TargetFormat(l));
  out.SetPalette(l.palette);
  PlayRle(data(), l.bits, l.width, l.height, &out);
  return out;
}

void CheckSignature(std::span<const std::uint8_t> file) {
  if (!HasBmpSignature(file)) throw ImageFileError("Not a bitmap file");
}

// The headers, the masks and the colour table lie within this many first bytes.
constexpr std::size_t kHeadersSize = kFileHeaderSize + 124 + 16 + 256 * 4;

// The layout the file's first bytes give; nothing after them is read.
BmpLayout ReadHeaders(std::istream& in) {
  const std::vector<std::uint8_t> head = ReadUpTo(in, kHeadersSize);
  CheckSignature(head);
  return ReadLayout(LittleEndianView(head, kTruncated));
}

}  // namespace

bool HasBmpSignature(std::span<const std::uint8_t> head) {
  return head.size() >= kBmpSignatureSize && head[0] == 'B' && head[1] == 'M';
}

Bitmap DecodeBmp(std::istream& file) {
  const std::istream::pos_type start = file.tellg();
  const std::uint64_t fileSize = RemainingBytes(file);
  const BmpLayout layout = ReadHeaders(file);
  CheckBitmapSize(layout.width, layout.height);
  if (layout.compression == kBiRle4 || layout.compression == kBiRle8) return DecodeRle(file, start, fileSize, layout);
  // Only a file that holds every row is read further.
  const auto rows = static_cast<std::uint64_t>(RowStride(layout)) * static_cast<std::uint64_t>(layout.height);
  if (layout.dataOffset > fileSize || rows > fileSize - layout.dataOffset) throw ImageFileError(kTruncated);
  file.seekg(start + static_cast<std::istream::off_type>(layout.dataOffset));
  return DecodeUncompressed(file, layout);
}

Bitmap DecodeBmp(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return DecodeBmp(in);
}

TSize BmpPictureSize(std::istream& file) {
  const BmpLayout layout = ReadHeaders(file);
  return {SaturatedInt(layout.width), SaturatedInt(layout.height)};
}

TSize BmpPictureSize(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return BmpPictureSize(in);
}

Bitmap DecodeDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits) {
  // A file header in front makes it a bitmap file; a pixel offset of 0 puts the
  // pixels right after the colour table.
  const std::uint64_t pixelOffset = bits.empty() ? 0 : kFileHeaderSize + info.size();
  if (pixelOffset > 0xFFFFFFFFu) throw ImageFileError("Invalid bitmap data offset");
  std::vector<std::uint8_t> file{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(pixelOffset >> (8 * i)));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), bits.begin(), bits.end());
  return DecodeBmp(file);
}

}  // namespace kestrova
