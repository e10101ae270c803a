#include "gif/GIFSubImage.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "gif/ColorLookup.h"
#include "gif/FloydSteinbergDitherer.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFImage.h"
#include "gif/GIFRowProgress.h"
#include "gif/GIFSupport.h"
#include "gif/LZWDecoder.h"
#include "gif/LZWEncoder.h"
#include "gif/LZWInterlace.h"
#include "gif/RLEEncoder.h"
#include "rendering/BitmapRows.h"

namespace kestrova {

namespace {

constexpr std::uint8_t kImageSeparator = ',';

// What a frame takes beside its pixels once it is drawn: itself (its colour
// table inside it), its place in the list, and the bitmap drawing makes of
// it with a palette of 256 colours; with the heap's overhead for each.
constexpr std::int64_t kLoadedFrameMemory = sizeof(TGIFSubImage) + sizeof(Bitmap) + 256 * sizeof(TColor) + 128;

void PutWord(std::uint8_t* p, std::uint16_t value) {
  p[0] = static_cast<std::uint8_t>(value & 0xFF);
  p[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t GetWord(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// Colour indexes of 24-bit colours through a table, with a cache of the
// eight colours met last.
class ColorIndexCache {
 public:
  explicit ColorIndexCache(TGIFColorMap& map) : map_(map) {}

  std::uint8_t IndexOf(TColor color) {
    for (int k = 0, i = newest_; k < count_; ++k, i = (i + kSize - 1) % kSize)
      if (colors_[i] == color) return indexes_[i];
    newest_ = (newest_ + 1) % kSize;
    count_ = std::min(count_ + 1, kSize);
    colors_[newest_] = color;
    indexes_[newest_] = static_cast<std::uint8_t>(map_.AddUnique(color));
    return indexes_[newest_];
  }

 private:
  static constexpr int kSize = 8;
  TGIFColorMap& map_;
  std::array<TColor, kSize> colors_{};
  std::array<std::uint8_t, kSize> indexes_{};
  int newest_ = 0;
  int count_ = 0;
};

}  // namespace

TGIFSubImage::TGIFSubImage(TGIFImage* image) : TGIFItem(image), colorMap_(this), extensions_(image) {}

TGIFSubImage::~TGIFSubImage() = default;

void TGIFSubImage::Clear() {
  extensions_.Clear();
  colorMap_.Clear();
  data_.clear();
  width_ = height_ = 0;
  FreeBitmap();
}

bool TGIFSubImage::Empty() const { return data_.empty() || width_ == 0 || height_ == 0; }

void TGIFSubImage::SetBounds(int left, int top, int width, int height) {
  const std::uint16_t newLeft = CheckedDimension(left), newTop = CheckedDimension(top);
  const std::uint16_t newWidth = CheckedDimension(width), newHeight = CheckedDimension(height);
  const int right = CheckedDimension(left + width), bottom = CheckedDimension(top + height);
  const bool resized = newWidth != width_ || newHeight != height_;
  left_ = newLeft;
  top_ = newTop;
  width_ = newWidth;
  height_ = newHeight;
  if (resized) {
    FreeBitmap();
    NewImage();
  }
  TGIFImage* image = Image();
  if (image == nullptr) return;
  bool warned = false;
  if (image->Width() < right) {
    if (image->Width() > 0) {
      Warning(gsWarning, "Image width too small for contained frames");
      warned = true;
    }
    image->Header().SetLogicalScreenWidth(right);
  }
  if (image->Height() < bottom) {
    if (image->Height() > 0) {
      Warning(gsWarning, "Image height too small for contained frames");
      warned = true;
    }
    image->Header().SetLogicalScreenHeight(bottom);
  }
  if (warned) Warning(gsWarning, "Image exceeds Logical Screen size");
}

void TGIFSubImage::NewImage() {
  const std::int64_t size = std::int64_t{width_} * height_;
  if (size > Bitmap::kMaxPixels) RaiseGIFError("Image too large");
  data_.assign(static_cast<std::size_t>(size), 0);
  FreeBitmap();
}

std::uint8_t* TGIFSubImage::Scanline(int row) {
  if (row < 0 || row >= height_) RaiseGIFError("Invalid pixel coordinates");
  if (data_.empty()) NewImage();
  if (data_.empty()) RaiseGIFError("Image is empty");
  return data_.data() + static_cast<std::size_t>(row) * width_;
}

std::uint8_t TGIFSubImage::Pixels(int x, int y) {
  if (x < 0 || x >= width_) RaiseGIFError("Invalid pixel coordinates");
  return Scanline(y)[x];
}

const TGIFColorMap& TGIFSubImage::ActiveColorMap() const {
  if (colorMap_.Count() > 0 || Image() == nullptr) return colorMap_;
  const TGIFColorMap& global = Image()->Header().GlobalColorMap();
  return global.Count() > 0 ? global : static_cast<const TGIFColorMap&>(colorMap_);
}

TGIFGraphicControlExtension* TGIFSubImage::GraphicControlExtension() const {
  for (const auto& extension : extensions_)
    if (auto* control = dynamic_cast<TGIFGraphicControlExtension*>(extension.get())) return control;
  return nullptr;
}

bool TGIFSubImage::Transparent() const {
  const TGIFGraphicControlExtension* control = GraphicControlExtension();
  return control != nullptr && control->Transparent();
}

TGIFVersion TGIFSubImage::GetVersion() const {
  return colorMap_.Optimized() || extensions_.Count() > 0 ? TGIFVersion::gv89a : TGIFVersion::gv87a;
}

void TGIFSubImage::Assign(const TGIFSubImage& source) {
  if (&source == this) return;
  Clear();
  if (source.Empty()) return;
  left_ = source.left_;
  top_ = source.top_;
  width_ = source.width_;
  height_ = source.height_;
  packedFields_ = source.packedFields_;
  data_ = source.data_;
  colorMap_.Assign(source.colorMap_);
  if (source.extensions_.Count() > 0) {
    std::stringstream copy;
    source.extensions_.SaveToStream(copy);
    extensions_.LoadFromStream(copy, this);
  }
}

void TGIFSubImage::Assign(const Bitmap& source, std::optional<TColor> transparentColor) {
  Clear();
  if (source.Empty()) return;
  SetBounds(0, 0, source.Width(), source.Height());
  std::optional<Bitmap> reduced;
  if (!IsIndexed(source.Format()) && Image() != nullptr) reduced = Image()->ReduceForFrame(source);
  const TGIFRowProgress progress(Image(), "Converting...", height_, true);
  ReadPixels(reduced ? *reduced : source, progress);
  if (transparentColor) ImportTransparent(source, *transparentColor);
}

void TGIFSubImage::ReadPixels(const Bitmap& source, const TGIFRowProgress& progress) {
  const int width = width_;
  switch (source.Format()) {
    case PixelFormat::pf8bit:
    case PixelFormat::pf4bit:
    case PixelFormat::pf1bit: {
      colorMap_.ImportPalette(source.Palette());
      const int bits = kestrova::BitsPerPixel(source.Format());
      const int perByte = 8 / bits;
      const int mask = (1 << bits) - 1;
      for (int y = 0; y < height_; ++y) {
        progress.Row(y);
        const std::uint8_t* in = source.ScanLine(y);
        std::uint8_t* out = Scanline(y);
        if (bits == 8) {
          std::copy_n(in, width, out);
          continue;
        }
        for (int x = 0; x < width; ++x) {
          const int shift = 8 - bits * (x % perByte + 1);
          out[x] = static_cast<std::uint8_t>((in[x / perByte] >> shift) & mask);
        }
      }
      break;
    }
    case PixelFormat::pf15bit:
    case PixelFormat::pf16bit:
    case PixelFormat::pf24bit:
    case PixelFormat::pf32bit: {
      ColorIndexCache cache(colorMap_);
      std::vector<TColor> colors(static_cast<std::size_t>(width));
      for (int y = 0; y < height_; ++y) {
        progress.Row(y);
        ReadColorRow(source, y, 0, width, colors.data());
        std::uint8_t* out = Scanline(y);
        for (int x = 0; x < width; ++x) out[x] = cache.IndexOf(colors[static_cast<std::size_t>(x)]);
      }
      break;
    }
  }
}

void TGIFSubImage::ImportTransparent(const Bitmap& source, TColor transparentColor) {
  transparentColor = PlainRGB(transparentColor);
  std::vector<std::uint8_t> isTransparent(data_.size());
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* row = isTransparent.data() + static_cast<std::size_t>(y) * width_;
    for (int x = 0; x < width_; ++x) row[x] = source.GetPixel(x, y) == transparentColor;
  }
  ImportTransparent(isTransparent);
}

void TGIFSubImage::ImportTransparent(const std::vector<std::uint8_t>& isTransparent) {
  colorMap_.Optimize();
  if (colorMap_.Count() == 0 || colorMap_.Count() == TGIFColorMap::kMaxColors) return;
  const int index = colorMap_.Add(clBlack);
  bool changed = false;
  for (std::size_t i = 0; i < data_.size(); ++i) {
    if (isTransparent[i] == 0) continue;
    data_[i] = static_cast<std::uint8_t>(index);
    changed = true;
  }
  if (!changed) {
    colorMap_.Delete(index);
    return;
  }
  auto control = std::make_unique<TGIFGraphicControlExtension>(this);
  control->SetTransparent(true);
  control->SetTransparentColorIndex(index);
  extensions_.Add(std::move(control));
  FreeBitmap();
}

std::vector<TColor> TGIFSubImage::GetPalette() const {
  if (palette_) return *palette_;
  if (Image() != nullptr && Image()->DitherTest()) return Image()->GetPalette();
  if (colorMap_.Count() == 0 && Image() != nullptr) return Image()->GetPalette();
  return colorMap_.ExportPalette();
}

const Bitmap& TGIFSubImage::GetBitmap() {
  if (bitmap_ != nullptr) return *bitmap_;
  auto bitmap = std::make_unique<Bitmap>();
  if (!Empty()) {
    std::vector<TColor> palette = GetPalette();
    palette.resize(TGIFColorMap::kMaxColors, clBlack);
    *bitmap = Bitmap(width_, height_, PixelFormat::pf8bit);
    bitmap->SetPalette(std::move(palette));
    const TGIFRowProgress progress(Image(), "Rendering...", height_, false);
    if (Image() != nullptr && Image()->DitherTest()) {
      RenderDithered(*bitmap, Transparent() ? GraphicControlExtension()->TransparentColorIndex() : -1, progress);
    } else {
      for (int y = 0; y < height_; ++y) {
        progress.Row(y);
        std::copy_n(data_.data() + static_cast<std::size_t>(y) * width_, width_, bitmap->ScanLine(y));
      }
    }
  }
  bitmap_ = std::move(bitmap);
  BuildMask();
  return *bitmap_;
}

void TGIFSubImage::FreeBitmap() {
  bitmap_.reset();
  FreeMask();
}

const Bitmap* TGIFSubImage::Mask() {
  GetBitmap();
  if (needMask_) BuildMask();
  return mask_.get();
}

void TGIFSubImage::BuildMask() {
  mask_.reset();
  maskedSource_.reset();
  needMask_ = false;
  if (Empty() || !Transparent()) return;
  const std::uint8_t transparent = GraphicControlExtension()->TransparentColorIndex();
  auto mask = std::make_unique<Bitmap>(width_, height_, PixelFormat::pf1bit);
  mask->SetPalette({clBlack, clWhite});
  bool any = false;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* in = data_.data() + static_cast<std::size_t>(y) * width_;
    std::uint8_t* out = mask->ScanLine(y);
    std::fill_n(out, (width_ + 7) / 8, 0);
    for (int x = 0; x < width_; ++x) {
      if (in[x] != transparent) continue;
      out[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
      any = true;
    }
  }
  if (any) mask_ = std::move(mask);
}

void TGIFSubImage::RenderDithered(Bitmap& target, int transparent, const TGIFRowProgress& progress) const {
  std::vector<TColor> colors = ActiveColorMap().ExportPalette();
  colors.resize(TGIFColorMap::kMaxColors, clBlack);
  TNetscapeColorLookup lookup;
  TFloydSteinbergDitherer<TNetscapeColorLookup> ditherer(width_, lookup);
  std::uint8_t r, g, b;
  std::uint8_t transparentEntry = 0;
  if (transparent >= 0) {
    const TColor c = colors[transparent];
    transparentEntry = lookup.Lookup(RedOf(c), GreenOf(c), BlueOf(c), r, g, b);
  }
  for (int y = 0; y < height_; ++y) {
    progress.Row(y);
    const std::uint8_t* in = data_.data() + static_cast<std::size_t>(y) * width_;
    std::uint8_t* out = target.ScanLine(y);
    for (int x = ditherer.Column(); x >= 0 && x < width_; x = ditherer.Column()) {
      if (in[x] == transparent) {
        out[x] = transparentEntry;
        ditherer.NextColumn();
        continue;
      }
      const TColor c = colors[in[x]];
      out[x] = ditherer.Dither(RedOf(c), GreenOf(c), BlueOf(c), r, g, b);
    }
    ditherer.NextLine();
  }
}

void TGIFSubImage::Compress(std::ostream& stream, bool interlaced) const {
  int bits = colorMap_.BitsPerPixel();
  int colorCount = colorMap_.Count();
  if (colorCount == 0) {
    bits = Image() != nullptr ? Image()->GetBitsPerPixel() : 0;
    colorCount = 1 << bits;
  }
  if (Image() != nullptr && Image()->Compression == TGIFCompression::gcRLE) {
    TRLEEncoder().Compress(stream, bits, colorCount, data_.data(), interlaced, height_, width_);
  } else {
    TLZWEncoder().Compress(stream, bits, colorCount, data_.data(), interlaced, height_, width_);
  }
}

void TGIFSubImage::SaveToStream(std::ostream& stream) const {
  extensions_.SaveToStream(stream);
  if (Empty()) return;
  std::uint8_t packed = packedFields_ & 0x58;
  if (colorMap_.Count() > 0) {
    packed = static_cast<std::uint8_t>((colorMap_.Optimized() ? 0xA0 : 0x80) | ((colorMap_.BitsPerPixel() - 1) & 7));
  }
  std::uint8_t descriptor[10] = {kImageSeparator};
  PutWord(descriptor + 1, left_);
  PutWord(descriptor + 3, top_);
  PutWord(descriptor + 5, width_);
  PutWord(descriptor + 7, height_);
  descriptor[9] = packed;
  stream.write(reinterpret_cast<const char*>(descriptor), sizeof(descriptor));
  colorMap_.SaveToStream(stream);
  Compress(stream, packed & 0x40);
}

void TGIFSubImage::LoadFromStream(std::istream& stream) {
  Clear();
  extensions_.LoadFromStream(stream, this);
  const auto next = stream.peek();
  if (next == std::char_traits<char>::eof() || next == ';' || next == 0) {
    stream.clear();
    return;
  }
  std::uint8_t descriptor[10];
  ReadCheck(stream, descriptor, sizeof(descriptor));
  left_ = GetWord(descriptor + 1);
  top_ = GetWord(descriptor + 3);
  width_ = GetWord(descriptor + 5);
  height_ = GetWord(descriptor + 7);
  packedFields_ = descriptor[9];
  if ((width_ == 0 || height_ == 0) && Image() != nullptr) {
    width_ = static_cast<std::uint16_t>(Image()->Width());
    height_ = static_cast<std::uint16_t>(Image()->Height());
    Warning(gsWarning, "Image exceeds Logical Screen size");
  }
  if (std::int64_t{width_} * height_ > Bitmap::kMaxPixels) RaiseGIFError("Image too large");
  if (Image() != nullptr) Image()->CountLoaded(std::int64_t{width_} * height_, kLoadedFrameMemory);
  if (packedFields_ & 0x80) colorMap_.ImportFromStream(stream, 2 << (packedFields_ & 7));
  ReadImageData(stream);
}

void TGIFSubImage::ReadImageData(std::istream& stream) {
  NewImage();
  if (Transparent()) std::fill(data_.begin(), data_.end(), GraphicControlExtension()->TransparentColorIndex());
  const auto warn = [this](const std::string& message) { Warning(gsWarning, message); };
  if (!Interlaced()) {
    DecodeLZW(stream, data_.data(), data_.size(), warn);
    return;
  }
  // Rows arrive in interlaced order; the fill stays where the data ends early.
  std::vector<std::uint8_t> rows(data_.size());
  std::size_t decoded = DecodeLZW(stream, rows.data(), rows.size(), warn);
  const std::uint8_t* in = rows.data();
  int row = 0, pass = 0;
  do {
    const std::size_t n = std::min<std::size_t>(decoded, width_);
    std::copy_n(in, n, data_.data() + static_cast<std::size_t>(row) * width_);
    in += n;
    decoded -= n;
  } while (decoded > 0 && NextInterlacedRow(row, pass, height_));
}

void TGIFSubImage::CountPixels(TGIFHistogram& histogram) const {
  for (std::uint8_t pixel : data_) ++histogram[pixel].count;
}

void TGIFSubImage::MapPixels(const TGIFColorMapping& map) {
  for (std::uint8_t& pixel : data_) pixel = map[pixel];
  if (TGIFGraphicControlExtension* control = GraphicControlExtension(); control != nullptr && Transparent())
    control->SetTransparentColorIndex(map[control->TransparentColorIndex()]);
  FreeBitmap();
}

}  // namespace kestrova
