#include "core/images/JpegCodec.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <array>
#include <csetjmp>
#include <new>
#include <string>

#include "core/images/ImageFileError.h"
#include "core/support/InputStreams.h"

namespace kestrova {

static_assert(kMaxJpegDimension == JPEG_MAX_DIMENSION);

// libjpeg reports errors through error_exit, which here makes a long jump back
// to the setjmp of the call that failed. Every function below that calls setjmp
// keeps no object with a destructor in its own frame.

namespace {

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->text);
  std::longjmp(err->jump, 1);
}

// Warnings that leave the picture as the file means it.
bool IsHarmlessNote(int code) { return code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM; }

// Every other warning tells of corrupt data (a file or a scan that ends early,
// a bad code, stray bytes), which the library would paper over with grey:
// such a file is refused. Trace messages are dropped.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && !IsHarmlessNote(cinfo->err->msg_code)) JumpOnError(cinfo);
}

void InstallErrorManager(JpegErrorManager& err) {
  jpeg_std_error(&err.base);
  err.base.error_exit = JumpOnError;
  err.base.emit_message = EmitMessage;
  err.text[0] = '\0';
}

[[noreturn]] void RaiseJpegError(const JpegErrorManager& err) {
  throw ImageFileError(std::string("JPEG: ") + err.text);
}

// ---------------------------------------------------------------- reading

// A source that reads the file from a stream a buffer at a time, as libjpeg
// asks for it. At the stream's end it gives an end-of-image marker with the
// warning that the file ended early, as libjpeg's memory source does.
struct StreamSource {
  jpeg_source_mgr pub;
  std::istream* in;
  std::array<JOCTET, 65536> buffer;
};

constexpr JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr cinfo) {
  auto* src = reinterpret_cast<StreamSource*>(cinfo->src);
  src->in->read(reinterpret_cast<char*>(src->buffer.data()), static_cast<std::streamsize>(src->buffer.size()));
  const auto got = static_cast<std::size_t>(src->in->gcount());
  if (got == 0) {
    WARNMS(cinfo, JWRN_JPEG_EOF);
    src->pub.next_input_byte = kEndOfImage;
    src->pub.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
  }
  src->pub.next_input_byte = src->buffer.data();
  src->pub.bytes_in_buffer = got;
  return TRUE;
}

// Data libjpeg does not need (a marker it ignores) is sought past, not read.
void SkipInput(j_decompress_ptr cinfo, long count) {
  auto* src = reinterpret_cast<StreamSource*>(cinfo->src);
  if (count <= 0) return;
  const auto skip = static_cast<std::size_t>(count);
  if (skip <= src->pub.bytes_in_buffer) {
    src->pub.next_input_byte += skip;
    src->pub.bytes_in_buffer -= skip;
    return;
  }
  src->in->seekg(static_cast<std::istream::off_type>(skip - src->pub.bytes_in_buffer), std::ios::cur);
  src->pub.bytes_in_buffer = 0;
}

void TermSource(j_decompress_ptr) {}

struct JpegReader {
  jpeg_decompress_struct cinfo{};
  JpegErrorManager err{};
  StreamSource source{};
  explicit JpegReader(std::istream& file) {
    InstallErrorManager(err);
    cinfo.err = &err.base;
    source.pub.init_source = InitSource;
    source.pub.fill_input_buffer = FillInput;
    source.pub.skip_input_data = SkipInput;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = TermSource;
    source.in = &file;
  }
  ~JpegReader() { jpeg_destroy_decompress(&cinfo); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;
};

bool ReadHeader(JpegReader& r) {
  if (setjmp(r.err.jump)) return false;
  jpeg_create_decompress(&r.cinfo);
  r.cinfo.src = &r.source.pub;
  jpeg_read_header(&r.cinfo, TRUE);
  return true;
}

// A file that starts as JPEG must go on with a marker: libjpeg would look for
// one through the rest of the file, and refuse the bytes it passed over.
void CheckMarkerAfterStart(std::istream& file) {
  const std::istream::pos_type start = file.tellg();
  const std::vector<std::uint8_t> head = ReadUpTo(file, 3);
  if (head.size() == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] != 0xFF)
    throw ImageFileError("JPEG: Corrupt JPEG data: no marker after the start of image");
  file.seekg(start);
}

// The reader with the file's header read.
void ReadJpegHeader(JpegReader& r, std::istream& file) {
  CheckMarkerAfterStart(file);
  if (!ReadHeader(r)) RaiseJpegError(r.err);
}

// One row of CMYK samples to blue, green, red. Adobe files store the inks inverted.
void CmykRowToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    const unsigned k = inverted ? cmyk[3] : 255 - cmyk[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned ink = inverted ? cmyk[2 - c] : 255 - cmyk[2 - c];
      bgr[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
    }
  }
}

bool ReadPixels(JpegReader& r, Bitmap& out, std::uint8_t* cmykRow) {
  if (setjmp(r.err.jump)) return false;
  jpeg_start_decompress(&r.cinfo);
  while (r.cinfo.output_scanline < r.cinfo.output_height) {
    const int y = static_cast<int>(r.cinfo.output_scanline);
    JSAMPROW row = cmykRow ? cmykRow : out.ScanLine(y);
    jpeg_read_scanlines(&r.cinfo, &row, 1);
    if (cmykRow) CmykRowToBgr(cmykRow, out.ScanLine(y), r.cinfo.output_width, r.cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&r.cinfo);
  return true;
}

std::vector<TColor> GreyRamp() {
  std::vector<TColor> palette(256);
  for (unsigned i = 0; i < 256; ++i) palette[i] = RGBColor(i, i, i);
  return palette;
}

}  // namespace

Bitmap DecodeJpeg(std::istream& file) {
  JpegReader r(file);
  ReadJpegHeader(r, file);
  const bool grey = r.cinfo.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = r.cinfo.jpeg_color_space == JCS_CMYK || r.cinfo.jpeg_color_space == JCS_YCCK;
  r.cinfo.out_color_space = grey ? JCS_GRAYSCALE : (cmyk ? JCS_CMYK : JCS_EXT_BGR);
  CheckBitmapSize(r.cinfo.image_width, r.cinfo.image_height);
  Bitmap out(static_cast<int>(r.cinfo.image_width), static_cast<int>(r.cinfo.image_height),
             grey ? PixelFormat::pf8bit : PixelFormat::pf24bit);
  if (grey) out.SetPalette(GreyRamp());
  std::vector<std::uint8_t> cmykRow(cmyk ? static_cast<std::size_t>(out.Width()) * 4 : 0);
  if (!ReadPixels(r, out, cmyk ? cmykRow.data() : nullptr)) RaiseJpegError(r.err);
  return out;
}

Bitmap DecodeJpeg(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return DecodeJpeg(in);
}

TSize JpegPictureSize(std::istream& file) {
  JpegReader r(file);
  ReadJpegHeader(r, file);
  return {SaturatedInt(r.cinfo.image_width), SaturatedInt(r.cinfo.image_height)};
}

TSize JpegPictureSize(std::span<const std::uint8_t> file) {
  MemoryInputStream in(file);
  return JpegPictureSize(in);
}

// ---------------------------------------------------------------- writing

namespace {

constexpr std::size_t kOutputChunk = 65536;

// A destination that collects the file in a vector.
struct VectorDestination {
  jpeg_destination_mgr pub;
  std::vector<std::uint8_t>* out;
};

// Grows the vector by one chunk and points libjpeg at the new part.
void GrowOutput(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
  const std::size_t used = dest->out->size();
  bool grown = true;
  try {
    dest->out->resize(used + kOutputChunk);
  } catch (const std::bad_alloc&) {
    grown = false;
  }
  if (!grown) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
  dest->pub.next_output_byte = dest->out->data() + used;
  dest->pub.free_in_buffer = kOutputChunk;
}

void InitOutput(j_compress_ptr cinfo) { GrowOutput(cinfo); }

boolean OutputFull(j_compress_ptr cinfo) {
  GrowOutput(cinfo);
  return TRUE;
}

void TermOutput(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
  dest->out->resize(dest->out->size() - dest->pub.free_in_buffer);
}

struct JpegWriter {
  jpeg_compress_struct cinfo{};
  JpegErrorManager err{};
  VectorDestination dest{};
  explicit JpegWriter(std::vector<std::uint8_t>& out) {
    InstallErrorManager(err);
    cinfo.err = &err.base;
    dest.pub.init_destination = InitOutput;
    dest.pub.empty_output_buffer = OutputFull;
    dest.pub.term_destination = TermOutput;
    dest.out = &out;
  }
  ~JpegWriter() { jpeg_destroy_compress(&cinfo); }
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;
};

bool WriteJpeg(JpegWriter& w, const Bitmap& b, int quality) {
  if (setjmp(w.err.jump)) return false;
  jpeg_create_compress(&w.cinfo);
  w.cinfo.dest = &w.dest.pub;
  w.cinfo.image_width = static_cast<JDIMENSION>(b.Width());
  w.cinfo.image_height = static_cast<JDIMENSION>(b.Height());
  const bool padded = b.Format() == PixelFormat::pf32bit;
  w.cinfo.input_components = padded ? 4 : 3;
  w.cinfo.in_color_space = padded ? JCS_EXT_BGRX : JCS_EXT_BGR;
  jpeg_set_defaults(&w.cinfo);
  jpeg_set_quality(&w.cinfo, quality, TRUE);
  jpeg_start_compress(&w.cinfo, TRUE);
  while (w.cinfo.next_scanline < w.cinfo.image_height) {
    // libjpeg reads the row only; the cast drops the const its interface lacks.
    JSAMPROW row = const_cast<JSAMPROW>(b.ScanLine(static_cast<int>(w.cinfo.next_scanline)));
    jpeg_write_scanlines(&w.cinfo, &row, 1);
  }
  jpeg_finish_compress(&w.cinfo);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality) {
  if (bitmap.Empty()) throw ImageFileError("JPEG: the picture is empty");
  const bool direct = bitmap.Format() == PixelFormat::pf24bit || bitmap.Format() == PixelFormat::pf32bit;
  const Bitmap converted = direct ? Bitmap() : bitmap.Converted(PixelFormat::pf24bit);
  std::vector<std::uint8_t> out;
  JpegWriter w(out);
  if (!WriteJpeg(w, direct ? bitmap : converted, quality)) RaiseJpegError(w.err);
  return out;
}

}  // namespace kestrova
