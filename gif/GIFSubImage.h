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
#include "rendering/Canvas.h"
#include "rendering/Geometry.h"

namespace kestrova {

class TGIFGraphic;
class TGIFGraphicControlExtension;
class TGIFRowProgress;

// The top-left corners of tiles `step` apart, starting at `first` and going on
// right and down while they start inside `area` (the last ones may reach past it).
std::vector<TPoint> TilePositions(const TRect& area, TPoint first, TSize step);

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
  // A frame of a picture of another kind (an icon, a metafile, any picture):
  // the picture is drawn onto a white 24-bit bitmap of its size, which is
  // assigned as above. An icon's mask, and the places where a metafile leaves
  // the background showing, then become the transparent colour (when the table
  // has room for one). An empty picture leaves the frame empty.
  void Assign(const TGIFGraphic& source);

  // The colours the frame is shown with: the palette set with SetPalette,
  // else the colour tables'.
  std::vector<TColor> GetPalette() const;
  // Shows the frame with other colours (an empty palette goes back to the
  // colour tables'). A new palette that the bitmap does not already have drops
  // the bitmap and tells the image its palette changed (PaletteModified,
  // OnChange).
  void SetPalette(std::vector<TColor> palette);
  // The frame as an 8-bit bitmap with the frame's palette (256 entries),
  // built when first asked for; empty for an empty frame. A transparent frame
  // gets its mask at the same time.
  const Bitmap& GetBitmap();
  bool HasBitmap() const { return bitmap_ != nullptr; }
  // Drops the bitmap and the mask; both are built again when next needed.
  void FreeBitmap();
  // Replaces the bitmap by a new empty one for the caller to draw the frame
  // into; GetBitmap gives it from then on, until the bitmap is dropped.
  Bitmap& NewBitmap();
  // Drops the mask; it is built again from the pixels when next needed (after
  // the pixels were changed through Scanline, say).
  void FreeMask();
  // A 1-bit picture of the frame's size, white where the frame is
  // transparent, black elsewhere; null when no pixel is transparent.
  const Bitmap* Mask();
  bool HasMask() { return Mask() != nullptr; }

  // The frame's rectangle when the whole logical screen is mapped onto r.
  TRect ScaleRect(const TRect& r) const;
  // Draws the frame where it lies when the logical screen fills rect:
  // stretched into ScaleRect(rect), or tiled over rect (StretchDraw).
  void Draw(TCanvas& canvas, const TRect& rect, bool transparent, bool tile);
  // Draws the frame stretched into rect, or (tile) at its own size at its
  // position in rect, repeated every screen width across and every screen
  // height down. With `transparent` the frame's transparent pixels leave the
  // canvas as it was.
  void StretchDraw(TCanvas& canvas, const TRect& rect, bool transparent, bool tile);

  // Used by the image's optimiser, on transparent frames: the frame shrinks to
  // the smallest rectangle that holds every pixel that is not transparent;
  // with none left it is cleared.
  void Crop();
  // Keeps only the pixels of `keep` (frame coordinates, inside the frame);
  // the frame moves and shrinks to it.
  void CropTo(const TRect& keep);
  // The smallest rectangle (in frame coordinates) holding every pixel that is
  // not the transparent colour; empty when there is none. The whole frame
  // when the frame is not transparent.
  TRect OpaqueBounds() const;
  // Makes transparent each pixel that shows the same colour as `previous`
  // at the same place of the screen (so the frame only carries what changes).
  // Nothing when previous is disposed of by restoring (disposal 2 or 3), or
  // when no colour table has room for a transparent colour; without
  // `mayWidenTable` a table only has room below its next power of two, so
  // that neither the table nor any frame's codes grow.
  void Merge(TGIFSubImage& previous, bool mayWidenTable = true);

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
  void ReadPixels(const Bitmap& source, const TGIFRowProgress& progress);
  // The pixels' colours dithered to the web palette; transparent pixels
  // (index `transparent`, -1 for none) take the transparent colour's web
  // entry and pass on no error.
  void RenderDithered(Bitmap& target, int transparent, const TGIFRowProgress& progress) const;
  void BuildMask();
  // The bitmap as 24 bits with its transparent pixels black (masked drawing).
  const Bitmap& MaskedSource();
  void ImportTransparent(const Bitmap& source, TColor transparentColor);
  // The frame's pixels where `isTransparent` (Width x Height bytes, rows top
  // to bottom) is not 0 become a transparent colour, added to the local table
  // when it has room for one.
  void ImportTransparent(const std::vector<std::uint8_t>& isTransparent);
  // A colour index for pixels that Merge makes transparent, or -1 when no
  // table has room for one.
  int ChooseMergeIndex(bool mayWidenTable);

  std::unique_ptr<Bitmap> bitmap_;
  std::unique_ptr<Bitmap> mask_;
  std::unique_ptr<Bitmap> maskedSource_;
  // The mask is to be built from the pixels when next asked for.
  bool needMask_ = true;
  // The palette set with SetPalette.
  std::optional<std::vector<TColor>> palette_;
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
