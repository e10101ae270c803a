#include "gif/GIFImage.h"

#include <algorithm>

#include "gif/GIFSupport.h"
#include "gif/ReductionPalettes.h"

namespace kestrova {

TGIFDrawOptions GIFDefaultDrawOptions = doAsync | doTransparent | doAnimate | doLoop | doDither | doAutoDither;
TColorReduction GIFDefaultColorReduction = TColorReduction::rmNetscape;
int GIFDefaultReductionBits = 8;
TDitherMode GIFDefaultDitherMode = TDitherMode::dmNearest;
TGIFCompression GIFDefaultCompression = TGIFCompression::gcLZW;
bool GIFDisplayHasPalette = false;

namespace {

constexpr std::uint8_t kTrailer = ';';

// Whether a read failed because the stream ran out (a file cut short).
bool AtEnd(const std::istream& stream) { return stream.eof(); }

}  // namespace

TGIFImage::TGIFImage()
    : DrawOptions(GIFDefaultDrawOptions),
      ColorReduction(GIFDefaultColorReduction),
      ReductionBits(GIFDefaultReductionBits),
      DitherMode(GIFDefaultDitherMode),
      Compression(GIFDefaultCompression),
      header_(this),
      images_(this) {}

TGIFImage::~TGIFImage() = default;

void TGIFImage::Clear() {
  FreeBitmap();
  images_.Clear();
  header_.Clear();
}

void TGIFImage::LoadFromStream(std::istream& stream) {
  Clear();
  const std::istream::pos_type start = stream.tellg();
  try {
    header_.LoadFromStream(stream);
    LoadFrames(stream);
    std::uint8_t trailer = 0;
    if (TryReadByte(stream, trailer) && trailer != kTrailer) Warning(this, gsWarning, "Invalid Image trailer");
  } catch (...) {
    stream.clear();
    stream.seekg(start);
    throw;
  }
  stream.clear();
}

void TGIFImage::LoadFrames(std::istream& stream) {
  std::uint8_t byte = 0;
  for (;;) {
    do {
      if (!TryReadByte(stream, byte)) return;
    } while (byte == 0);
    stream.seekg(-1, std::ios::cur);
    if (byte == kTrailer) return;
    if (byte != kExtensionIntroducer && byte != ',') {
      Warning(this, gsWarning, "Unknown GIF block type");
      return;
    }
    auto frame = std::make_unique<TGIFSubImage>(this);
    try {
      frame->LoadFromStream(stream);
    } catch (const GIFException& e) {
      // A frame cut off by the end of the file is dropped; the frames before it stay.
      if (!AtEnd(stream)) throw;
      Warning(this, gsWarning, e.what());
      return;
    }
    images_.Add(std::move(frame));
    FreeBitmap();
  }
}

void TGIFImage::SaveToStream(std::ostream& stream) const {
  struct SavingBits {
    int& bits;
    ~SavingBits() { bits = -1; }
  } saving{savingBitsPerPixel_ = GetBitsPerPixel()};
  header_.SaveToStream(stream);
  images_.SaveToStream(stream);
  WriteByte(stream, kTrailer);
}

void TGIFImage::Assign(const TGIFImage& source) {
  if (&source == this) return;
  Clear();
  header_.Assign(source.header_);
  DrawOptions = source.DrawOptions;
  ColorReduction = source.ColorReduction;
  DitherMode = source.DitherMode;
  for (const auto& frame : source.images_) {
    auto copy = std::make_unique<TGIFSubImage>(this);
    copy->Assign(*frame);
    Add(std::move(copy));
  }
}

void TGIFImage::Assign(const Bitmap& source, std::optional<TColor> transparentColor) {
  Clear();
  auto frame = std::make_unique<TGIFSubImage>(this);
  frame->Assign(source, transparentColor);
  Add(std::move(frame));
}

int TGIFImage::Add(const Bitmap& source) {
  auto frame = std::make_unique<TGIFSubImage>(this);
  frame->Assign(source);
  return Add(std::move(frame));
}

int TGIFImage::Add(std::unique_ptr<TGIFSubImage> frame) {
  const int index = images_.Add(std::move(frame));
  Changed();
  return index;
}

const Bitmap* TGIFImage::GetBitmap() {
  if (Empty() || images_[0].Empty()) return nullptr;
  if (bitmap_ == nullptr) {
    TGIFSubImage& first = images_[0];
    if (first.Left() == 0 && first.Top() == 0 && first.Width() == Width() && first.Height() == Height()) {
      bitmap_ = std::make_unique<Bitmap>(first.GetBitmap());
    } else {
      bitmap_ = std::make_unique<Bitmap>(DrawFirstFrame());
    }
  }
  return bitmap_.get();
}

Bitmap TGIFImage::DrawFirstFrame() {
  TGIFSubImage& frame = images_[0];
  const TRect bounds = frame.BoundsRect();
  // A screen without a size takes the frame's extent.
  Bitmap canvas(Width() > 0 ? Width() : bounds.right, Height() > 0 ? Height() : bounds.bottom,
                PixelFormat::pf24bit);
  canvas.Fill(header_.GlobalColorMap().Count() > 0 ? GetBackgroundColor() : clBlack);
  const TRect visible = Intersect(bounds, TRect{0, 0, canvas.Width(), canvas.Height()});
  if (visible.IsEmpty()) return canvas;
  std::vector<TColor> palette = frame.GetPalette();
  palette.resize(TGIFColorMap::kMaxColors, clBlack);
  for (int y = visible.top; y < visible.bottom; ++y) {
    const std::uint8_t* in = frame.Scanline(y - bounds.top) + (visible.left - bounds.left);
    std::uint8_t* out = canvas.ScanLine(y) + 3 * visible.left;
    for (int x = visible.left; x < visible.right; ++x, out += 3) {
      const TColor c = palette[*in++];
      out[0] = BlueOf(c);
      out[1] = GreenOf(c);
      out[2] = RedOf(c);
    }
  }
  return canvas;
}

std::vector<TColor> TGIFImage::GetPalette() const {
  if (DitherTest()) return CreateNetscapePalette();
  if (header_.GlobalColorMap().Count() > 0) return header_.GlobalColorMap().ExportPalette();
  if (Empty()) return {};
  if (images_[0].ColorMap().Count() == 0) RaiseGIFError("No global or local color table defined");
  return images_[0].ColorMap().ExportPalette();
}

bool TGIFImage::DitherTest() const {
  return (DrawOptions & doDither) && (!(DrawOptions & doAutoDither) || GIFDisplayHasPalette);
}

Bitmap TGIFImage::ReduceForFrame(const Bitmap& source) const {
  Bitmap copy = source;
  return ReduceColors(copy, ColorReduction, DitherMode, ReductionBits);
}

TGIFVersion TGIFImage::GetVersion() const {
  if (Empty()) return TGIFVersion::gvUnknown;
  TGIFVersion version = header_.GetVersion();
  for (const auto& frame : images_) {
    if (version == TGIFVersion::gv89a) break;
    version = std::max(version, frame->GetVersion());
  }
  return version;
}

int TGIFImage::GetColorResolution() const {
  int resolution = header_.ColorResolution();
  for (const auto& frame : images_) resolution = std::max(resolution, frame->ColorResolution());
  return resolution;
}

int TGIFImage::GetBitsPerPixel() const {
  if (savingBitsPerPixel_ >= 0) return savingBitsPerPixel_;
  int bits = header_.BitsPerPixel();
  for (const auto& frame : images_) bits = std::max(bits, frame->BitsPerPixel());
  return bits;
}

void TGIFImage::Warning(const void* sender, int severity, const std::string& message) const {
  if (OnItemWarning) OnItemWarning(sender, severity, message);
}

}  // namespace kestrova
