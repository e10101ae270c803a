#pragma once
// The signature, the logical screen descriptor and the global colour table
// that open a GIF file.

#include <cstdint>

#include "gif/GIFColorMap.h"
#include "gif/GIFList.h"

namespace kestrova {

class TGIFHeader : public TGIFItem {
 public:
  explicit TGIFHeader(TGIFImage* image) : TGIFItem(image), globalColorMap_(this) {}

  // All descriptor bytes 0 and an empty global table.
  void Clear();
  void Assign(const TGIFHeader& source);

  TGIFGlobalColorMap& GlobalColorMap() { return globalColorMap_; }
  const TGIFGlobalColorMap& GlobalColorMap() const { return globalColorMap_; }

  int LogicalScreenWidth() const { return width_; }
  int LogicalScreenHeight() const { return height_; }
  void SetLogicalScreenWidth(int width) { width_ = static_cast<std::uint16_t>(width); }
  void SetLogicalScreenHeight(int height) { height_ = static_cast<std::uint16_t>(height); }
  std::uint8_t PackedFields() const { return packedFields_; }
  std::uint8_t BackgroundColorIndex() const { return backgroundColorIndex_; }
  void SetBackgroundColorIndex(std::uint8_t index) { backgroundColorIndex_ = index; }
  std::uint8_t AspectRatio() const { return aspectRatio_; }

  // 89a when the global table is sorted or an aspect ratio is set.
  TGIFVersion GetVersion() const override;
  TColor BackgroundColor() const { return globalColorMap_.Colors(backgroundColorIndex_); }
  int BitsPerPixel() const { return globalColorMap_.BitsPerPixel(); }
  int ColorResolution() const { return BitsPerPixel() - 1; }

  // Writes signature, version, descriptor and global table; an image without
  // frames raises "Unsupported GIF version".
  void SaveToStream(std::ostream& stream) const override;
  // Reads the same. "GIF" may also start 4 bytes later; neither raises
  // "Invalid GIF signature". A screen of more than 2^28 pixels raises "Image too large".
  void LoadFromStream(std::istream& stream) override;

 private:
  std::uint8_t BuildPackedFields() const;

  TGIFGlobalColorMap globalColorMap_;
  std::uint16_t width_ = 0;
  std::uint16_t height_ = 0;
  std::uint8_t packedFields_ = 0;
  std::uint8_t backgroundColorIndex_ = 0;
  std::uint8_t aspectRatio_ = 0;
};

}  // namespace kestrova
