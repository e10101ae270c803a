#include "core/images/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>

#include "core/images/ImageFileError.h"
#include "core/support/InputStreams.h"

namespace kestrova {

// libpng reports errors by a long jump back to the setjmp of the call that
// failed. Every function below that calls setjmp keeps no object with a
// destructor in its own frame; the C++ objects live in the callers.

namespace {

// The zlib stream cannot shrink data by more than this factor.
constexpr std::uint64_t kMaxDeflateRatio = 1032;

// What libpng may hold of the chunks it reads: the reader takes it only the
// chunks the picture needs (ChunkFilter), none of which takes more memory
// than its fixed room, so these bounds are never reached by a readable file.
constexpr png_alloc_size_t kMaxChunkMemory = 1 << 20;
constexpr png_uint_32 kMaxCachedChunks = 16;

struct PngMessage {
  char text[256] = "";
};

[[noreturn]] void StoreError(png_structp png, png_const_charp message) {
  auto* m = static_cast<PngMessage*>(png_get_error_ptr(png));
  std::snprintf(m->text, sizeof m->text, "%s", message);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

[[noreturn]] void RaisePngError(const PngMessage& message, const char* fallback) {
  throw ImageFileError(message.text[0] ? std::string("PNG: ") + message.text : std::string(fallback));
}

// ---------------------------------------------------------------- reading

// The file from the stream's position as libpng reads it: the signature and
// the critical chunks and the transparency chunk (all the picture needs),
// while every other ancillary chunk (text, colour profiles, ...) is passed
// over by seeking, unread: one that claims gigabytes costs nothing.
class ChunkFilter {
 public:
  explicit ChunkFilter(std::istream& in) : in_(in) {}

  // The next `length` bytes of the filtered file; false when it ends first.
  bool Read(std::uint8_t* out, std::size_t length) {
    while (length > 0) {
      if (signatureLeft_ == 0 && chunkLeft_ == 0 && !StartChunk()) return false;
      std::uint64_t& left = signatureLeft_ > 0 ? signatureLeft_ : chunkLeft_;
      const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(length, left));
      if (!in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(part))) return false;
      left -= part;
      out += part;
      length -= part;
    }
    return true;
  }

 private:
  static constexpr std::uint64_t kHeaderSize = 8;  // length and type
  static constexpr std::uint64_t kCrcSize = 4;

  // The ancillary chunks (a lower-case first letter) other than tRNS.
  static bool Unneeded(const std::array<char, kHeaderSize>& header) {
    const bool ancillary = (header[4] & 0x20) != 0;
    return ancillary && std::string_view(header.data() + 4, 4) != "tRNS";
  }

  // At a chunk's start: passes over the chunks not needed, and leaves the
  // whole of the next one (header, data, CRC) to be read.
  bool StartChunk() {
    for (;;) {
      const std::istream::pos_type at = in_.tellg();
      std::array<char, kHeaderSize> header;
      if (at < 0 || !in_.read(header.data(), header.size())) return false;
      std::uint64_t length = 0;
      for (int i = 0; i < 4; ++i) length = length << 8 | static_cast<std::uint8_t>(header[i]);
      const std::uint64_t whole = kHeaderSize + length + kCrcSize;
      if (!Unneeded(header)) {
        chunkLeft_ = whole;
        return static_cast<bool>(in_.seekg(at));
      }
      if (!in_.seekg(at + static_cast<std::istream::off_type>(whole))) return false;
    }
  }

  std::istream& in_;
  std::uint64_t signatureLeft_ = kPngSignatureSize;
  std::uint64_t chunkLeft_ = 0;  // of the chunk being read
};

void ReadFromFilter(png_structp png, png_bytep out, png_size_t length) {
  if (!static_cast<ChunkFilter*>(png_get_io_ptr(png))->Read(out, length)) png_error(png, "file is truncated");
}

// Reads the file from the stream's position, as libpng asks for its pieces,
// within the bounds of a bitmap and the chunk memory above.
struct PngReader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  PngMessage message;
  ChunkFilter filter;

  explicit PngReader(std::istream& file) : filter(file) {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &message, StoreError, IgnoreWarning);
    if (png) info = png_create_info_struct(png);
    if (!png || !info) throw ImageFileError("PNG: out of memory");
    png_set_read_fn(png, &filter, ReadFromFilter);
    png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
    png_set_chunk_malloc_max(png, kMaxChunkMemory);
    png_set_chunk_cache_max(png, kMaxCachedChunks);
  }
  ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
};

// How the file's pixels come out of libpng and land in the bitmap.
enum class PngTarget { Direct, TwoBitIndexes, BlendedOverWhite };

struct PngShape {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colorType = 0;
};

bool ReadShape(PngReader& r, PngShape& shape) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_read_info(r.png, r.info);
  shape.width = png_get_image_width(r.png, r.info);
  shape.height = png_get_image_height(r.png, r.info);
  shape.bitDepth = png_get_bit_depth(r.png, r.info);
  shape.colorType = png_get_color_type(r.png, r.info);
  return true;
}

// Refuses a file that does not start with the signature; the stream stays at its start.
void CheckSignature(std::istream& file) {
  const std::istream::pos_type start = file.tellg();
  if (!HasPngSignature(ReadUpTo(file, kPngSignatureSize))) throw ImageFileError("Not a PNG file");
  file.seekg(start);
}

PngShape HeaderShape(PngReader& r) {
  PngShape shape;
  if (!ReadShape(r, shape)) RaisePngError(r.message, "PNG: cannot read the header");
  return shape;
}

// Sets the transformations for the target; false when libpng failed.
bool PrepareTransforms(PngReader& r, const PngShape& shape, PngTarget target) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_set_interlace_handling(r.png);
  if (shape.bitDepth == 16) png_set_scale_16(r.png);
  if (target == PngTarget::TwoBitIndexes) png_set_packing(r.png);
  if (target == PngTarget::BlendedOverWhite) png_set_gray_to_rgb(r.png);
  if (target == PngTarget::BlendedOverWhite || shape.colorType == PNG_COLOR_TYPE_RGB) png_set_bgr(r.png);
  png_read_update_info(r.png, r.info);
  return true;
}

bool ReadRows(PngReader& r, png_bytepp rows) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_read_image(r.png, rows);
  png_read_end(r.png, nullptr);
  return true;
}

PngTarget TargetOf(const PngShape& s) {
  if (s.colorType & PNG_COLOR_MASK_ALPHA) return PngTarget::BlendedOverWhite;
  if (s.bitDepth == 2) return PngTarget::TwoBitIndexes;
  return PngTarget::Direct;
}

PixelFormat FormatOf(const PngShape& s) {
  if (s.colorType != PNG_COLOR_TYPE_PALETTE && s.colorType != PNG_COLOR_TYPE_GRAY) return PixelFormat::pf24bit;
  if (s.bitDepth == 1) return PixelFormat::pf1bit;
  if (s.bitDepth <= 4) return PixelFormat::pf4bit;
  return PixelFormat::pf8bit;
}

std::vector<TColor> GreyPalette(int bitDepth) {
  const int levels = 1 << std::min(bitDepth, 8);
  std::vector<TColor> palette;
  for (int i = 0; i < levels; ++i) {
    const unsigned v = static_cast<unsigned>(i * 255 / (levels - 1));
    palette.push_back(RGBColor(v, v, v));
  }
  return palette;
}

std::vector<TColor> PaletteOf(PngReader& r, const PngShape& s) {
  if (!(s.colorType & PNG_COLOR_MASK_PALETTE)) return GreyPalette(s.bitDepth);
  png_colorp entries = nullptr;
  int count = 0;
  png_get_PLTE(r.png, r.info, &entries, &count);
  std::vector<TColor> palette;
  for (int i = 0; i < count; ++i) palette.push_back(RGBColor(entries[i].red, entries[i].green, entries[i].blue));
  return palette;
}

void CheckPictureFitsFile(const PngShape& s, std::uint64_t fileSize) {
  CheckBitmapSize(s.width, s.height);
  const int channels = (s.colorType & PNG_COLOR_MASK_PALETTE) ? 1
                       : ((s.colorType & PNG_COLOR_MASK_COLOR) ? 3 : 1) + ((s.colorType & PNG_COLOR_MASK_ALPHA) ? 1 : 0);
  const std::uint64_t rawBytes = s.height * ((std::uint64_t{s.width} * channels * s.bitDepth + 7) / 8);
  if (fileSize * kMaxDeflateRatio < rawBytes) throw ImageFileError("PNG: file is truncated");
}

void BlendRowOverWhite(const std::uint8_t* bgra, std::uint8_t* bgr, int width) {
  for (int x = 0; x < width; ++x, bgra += 4, bgr += 3) {
    const unsigned a = bgra[3];
    for (int c = 0; c < 3; ++c) bgr[c] = static_cast<std::uint8_t>((bgra[c] * a + 255 * (255 - a) + 127) / 255);
  }
}

void PackTwoBitRow(const std::uint8_t* indexes, std::uint8_t* row, int width) {
  for (int x = 0; x < width; ++x) {
    std::uint8_t& b = row[x >> 1];
    b = (x & 1) ? static_cast<std::uint8_t>(b | indexes[x]) : static_cast<std::uint8_t>(indexes[x] << 4);
  }
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> head) {
  return head.size() >= kPngSignatureSize && png_sig_cmp(head.data(), 0, kPngSignatureSize) == 0;
}

Bitmap DecodePng(std::istream& file) {
  const std::uint64_t fileSize = RemainingBytes(file);
  CheckSignature(file);
  PngReader r(file);
  const PngShape shape = HeaderShape(r);
  CheckPictureFitsFile(shape, fileSize);
  const PngTarget target = TargetOf(shape);
  if (!PrepareTransforms(r, shape, target)) RaisePngError(r.message, "PNG: cannot read the picture");

  Bitmap out(static_cast<int>(shape.width), static_cast<int>(shape.height), FormatOf(shape));
  if (IsIndexed(out.Format())) out.SetPalette(PaletteOf(r, shape));
  const int height = out.Height();
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  std::vector<std::uint8_t> buffer;
  if (target == PngTarget::Direct) {
    for (int y = 0; y < height; ++y) rows[y] = out.ScanLine(y);
  } else {
    const std::size_t rowBytes = png_get_rowbytes(r.png, r.info);
    buffer.resize(rowBytes * height);
    for (int y = 0; y < height; ++y) rows[y] = buffer.data() + rowBytes * y;
  }
  if (!ReadRows(r, rows.data())) RaisePngError(r.message, "PNG: cannot read the picture");
  for (int y = 0; y < height && target != PngTarget::Direct; ++y) {
    if (target == PngTarget::BlendedOverWhite)
      BlendRowOverWhite(rows[y], out.ScanLine(y), out.Width());
    else
      PackTwoBitRow(rows[y], out.ScanLine(y), out.Width());
  }
  return out;
}

// ---------------------------------------------------------------- writing

namespace {

void WriteToMemory(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bool stored = true;
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    stored = false;
  }
  if (!stored) png_error(png, "out of memory");
}

void FlushMemory(png_structp) {}

struct PngWriter {
  png_structp png = nullptr;
  png_infop info = nullptr;
  PngMessage message;

  explicit PngWriter(std::vector<std::uint8_t>& out) {
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &message, StoreError, IgnoreWarning);
    if (png) info = png_create_info_struct(png);
    if (!png || !info) throw ImageFileError("PNG: out of memory");
    png_set_write_fn(png, &out, WriteToMemory, FlushMemory);
    png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
  }
  ~PngWriter() { png_destroy_write_struct(&png, &info); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
};

// What goes into the header chunks besides the pixels.
struct PngHeader {
  int bitDepth = 8;
  int colorType = PNG_COLOR_TYPE_RGB;
  std::vector<png_color> palette;
  std::vector<png_byte> paletteAlpha;  // tRNS of a palette file
  bool colourKey = false;              // tRNS of an RGB file
  png_color_16 key{};
};

// The colour table of an indexed bitmap, long enough for every index it uses.
std::vector<TColor> PaletteForFile(const Bitmap& b) {
  std::vector<TColor> palette = b.Palette();
  std::uint32_t highest = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) highest = std::max(highest, b.RawPixel(x, y));
  if (palette.size() <= highest) palette.resize(highest + 1, clBlack);
  return palette;
}

PngHeader HeaderFor(const Bitmap& b, const PngWriteOptions& options) {
  PngHeader h;
  if (IsIndexed(b.Format())) {
    h.bitDepth = BitsPerPixel(b.Format());
    h.colorType = PNG_COLOR_TYPE_PALETTE;
    for (TColor c : PaletteForFile(b)) h.palette.push_back(png_color{RedOf(c), GreenOf(c), BlueOf(c)});
    if (options.transparent) {
      // Alpha 0 for every entry of exactly the transparent colour; entries after the last one stay opaque.
      const TColor key = PlainRGB(options.transparentColor);
      std::size_t used = 1;
      for (std::size_t i = 0; i < h.palette.size(); ++i)
        if (RGBColor(h.palette[i].red, h.palette[i].green, h.palette[i].blue) == key) used = i + 1;
      h.paletteAlpha.assign(used, 255);
      for (std::size_t i = 0; i < used; ++i)
        if (RGBColor(h.palette[i].red, h.palette[i].green, h.palette[i].blue) == key) h.paletteAlpha[i] = 0;
    }
  } else if (options.transparent) {
    h.colourKey = true;
    h.key.red = RedOf(options.transparentColor);
    h.key.green = GreenOf(options.transparentColor);
    h.key.blue = BlueOf(options.transparentColor);
  }
  return h;
}

bool WritePng(PngWriter& w, const Bitmap& b, PngHeader& h, int level, png_bytepp rows) {
  if (setjmp(png_jmpbuf(w.png))) return false;
  png_set_compression_level(w.png, level);
  png_set_IHDR(w.png, w.info, static_cast<png_uint_32>(b.Width()), static_cast<png_uint_32>(b.Height()), h.bitDepth,
               h.colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!h.palette.empty()) png_set_PLTE(w.png, w.info, h.palette.data(), static_cast<int>(h.palette.size()));
  if (!h.paletteAlpha.empty())
    png_set_tRNS(w.png, w.info, h.paletteAlpha.data(), static_cast<int>(h.paletteAlpha.size()), nullptr);
  if (h.colourKey) png_set_tRNS(w.png, w.info, nullptr, 0, &h.key);
  png_write_info(w.png, w.info);
  if (h.colorType == PNG_COLOR_TYPE_RGB) png_set_bgr(w.png);
  if (b.Format() == PixelFormat::pf32bit) png_set_filler(w.png, 0, PNG_FILLER_AFTER);
  png_write_image(w.png, rows);
  png_write_end(w.png, nullptr);
  return true;
}

}  // namespace

Bitmap DecodePng(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return DecodePng(in);
}

TSize PngPictureSize(std::istream& file) {
  CheckSignature(file);
  PngReader r(file);
  const PngShape shape = HeaderShape(r);
  return {SaturatedInt(shape.width), SaturatedInt(shape.height)};
}

TSize PngPictureSize(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return PngPictureSize(in);
}

std::vector<std::uint8_t> EncodePng(const Bitmap& picture, const PngWriteOptions& options) {
  if (picture.Empty()) throw ImageFileError("PNG: the picture is empty");
  // Rows of 16-bit words have no PNG layout; they are written as 24 bits.
  const bool direct = BitsPerPixel(picture.Format()) != 16;
  const Bitmap converted = direct ? Bitmap() : picture.Converted(PixelFormat::pf24bit);
  const Bitmap& bitmap = direct ? picture : converted;
  std::vector<std::uint8_t> out;
  PngHeader header = HeaderFor(bitmap, options);
  std::vector<png_bytep> rows(static_cast<std::size_t>(bitmap.Height()));
  // libpng reads the rows only; the cast drops the const its interface lacks.
  for (int y = 0; y < bitmap.Height(); ++y) rows[y] = const_cast<png_bytep>(bitmap.ScanLine(y));
  PngWriter w(out);
  if (!WritePng(w, bitmap, header, options.compressionLevel, rows.data()))
    RaisePngError(w.message, "PNG: cannot write the picture");
  return out;
}

}  // namespace kestrova
