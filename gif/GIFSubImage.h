#pragma once
// One frame of a GIF image: its image descriptor, local colour table,
// extension blocks and pixels (one byte per pixel, an index into the active
// colour table, rows top to bottom).

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "gif/GIFColorMap.h"
#include "gif/GIFExtension.h"
#include "gif/GIFList.h"
#include "rendering/Bitmap.h"
#include "rendering/Geometry.h"

namespace kestrova {

class TGIFGraphicControlExtension;

class TGIFSubImage : public TGIFItem {
 public:
  explicit TGIFSubImage(TGIFImage* image);
  ~TGIFSubImage() override;

  // Empties extensions, colour table and pixels; size 0.
  void Clear();
  // True without pixels or with a width or height of 0.
  bool Empty() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect BoundsRect() const { return TRect{left_, top_, left_ + width_, top_ + height_}; }
  // A new size drops the pixels (all become 0). The image's logical screen
  // grows to hold the frame, with warnings when it was set before. Values
  // past 65535 raise "Image too large for GIF".
  void SetBounds(int left, int top, int width, int height);
  bool Interlaced() const { return packedFields_ & 0x40; }

  // Width x Height pixel bytes (empty before the first NewImage).
  const std::vector<std::uint8_t>& Data() const { return data_; }
  // Replaces the pixels by Width x Height zero bytes.
  void NewImage();
  // A row of pixels; a row outside the frame raises "Invalid pixel coordinates",
  // a frame of size 0 "Image is empty".
  std::uint8_t* Scanline(int row);
  std::uint8_t Pixels(int x, int y);

  TGIFLocalColorMap& ColorMap() { return colorMap_; }
  const TGIFLocalColorMap& ColorMap() const { return colorMap_; }
  // The local table when it has entries, else the global table when that has
  // entries, else the (empty) local table.
  const TGIFColorMap& ActiveColorMap() const;
  TGIFExtensionList& Extensions() { return extensions_; }
  const TGIFExtensionList& Extensions() const { return extensions_; }
  // The frame's first graphic control extension, or null.
  TGIFGraphicControlExtension* GraphicControlExtension() const;
  // The graphic control extension marks a transparent colour.
  bool Transparent() const;

  int BitsPerPixel() const { return colorMap_.BitsPerPixel(); }
  int ColorResolution() const { return BitsPerPixel() - 1; }
  // 89a with a sorted local table or any extension.
  TGIFVersion GetVersion() const override;

  // A copy of another frame: descriptor, pixels, local table, extensions.
  void Assign(const TGIFSubImage& source);
  // A frame of the bitmap's size and pixels. 1-, 4- and 8-bit bitmaps keep
  // their palette entry for entry; deeper ones are reduced with the image's
  // colour reduction (with none, more than 256 colours raise "Color table
  // overflow"). Pixels of `transparentColor` become a transparent colour when
  // the table has room for one.
  void Assign(const Bitmap& source, std::optional<TColor> transparentColor = std::nullopt);

  // The colours the frame is shown with.
  std::vector<TColor> GetPalette() const;
  // The frame as an 8-bit bitmap with the frame's palette (256 entries),
  // built when first asked for; empty for an empty frame.
  const Bitmap& GetBitmap();
  bool HasBitmap() const { return bitmap_ != nullptr; }
  void FreeBitmap() { bitmap_.reset(); }

  // Extensions, then (unless empty) descriptor, local table and image data.
  // A frame with a local table is always written non-interlaced.
  void SaveToStream(std::ostream& stream) const override;
  void LoadFromStream(std::istream& stream) override;

  // Used by the colour tables: use counts and renumbering of the pixels.
  void CountPixels(TGIFHistogram& histogram) const;
  void MapPixels(const TGIFColorMapping& map);

 private:
  void Compress(std::ostream& stream, bool interlaced) const;
  void ReadImageData(std::istream& stream);
  void ReadPixels(const Bitmap& source);
  // The pixels' colours dithered to the web palette.
  void RenderDithered(Bitmap& target) const;
  void ImportTransparent(const Bitmap& source, TColor transparentColor);

  std::unique_ptr<Bitmap> bitmap_;
  std::vector<std::uint8_t> data_;
  TGIFLocalColorMap colorMap_;
  std::uint16_t left_ = 0;
  std::uint16_t top_ = 0;
  std::uint16_t width_ = 0;
  std::uint16_t height_ = 0;
  std::uint8_t packedFields_ = 0;
  TGIFExtensionList extensions_;
};

}  // namespace kestrova
