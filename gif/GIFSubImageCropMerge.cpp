// The frame operations of the image's optimiser: cropping a transparent frame
// to what it shows, and making transparent what an earlier frame already shows.

#include <algorithm>
#include <vector>

#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"

namespace kestrova {

namespace {

// The transparent colour index of a transparent frame, else -1.
int TransparentIndex(const TGIFSubImage& frame) {
  return frame.Transparent() ? frame.GraphicControlExtension()->TransparentColorIndex() : -1;
}

bool Uses(const std::vector<std::uint8_t>& pixels, int index) {
  return std::find(pixels.begin(), pixels.end(), index) != pixels.end();
}

}  // namespace

TRect TGIFSubImage::OpaqueBounds() const {
  const int transparent = TransparentIndex(*this);
  if (Empty()) return TRect{};
  TRect bounds{width_, height_, 0, 0};
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* row = data_.data() + static_cast<std::size_t>(y) * width_;
    int first = 0, last = width_ - 1;
    while (first < width_ && row[first] == transparent) ++first;
    if (first == width_) continue;
    while (row[last] == transparent) --last;
    bounds.left = std::min(bounds.left, first);
    bounds.right = std::max(bounds.right, last + 1);
    bounds.top = std::min(bounds.top, y);
    bounds.bottom = y + 1;
  }
  return bounds.IsEmpty() ? TRect{} : bounds;
}

void TGIFSubImage::Crop() {
  if (Empty() || !Transparent()) return;
  const TRect keep = OpaqueBounds();
  if (keep.IsEmpty()) {
    Clear();
    return;
  }
  CropTo(keep);
}

void TGIFSubImage::CropTo(const TRect& keep) {
  if (keep == TRect{0, 0, width_, height_}) return;
  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(keep.Width()) * keep.Height());
  for (int y = keep.top; y < keep.bottom; ++y) {
    const auto row = data_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    pixels.insert(pixels.end(), row + keep.left, row + keep.right);
  }
  data_ = std::move(pixels);
  left_ = static_cast<std::uint16_t>(left_ + keep.left);
  top_ = static_cast<std::uint16_t>(top_ + keep.top);
  width_ = static_cast<std::uint16_t>(keep.Width());
  height_ = static_cast<std::uint16_t>(keep.Height());
  FreeBitmap();
}

void TGIFSubImage::Merge(TGIFSubImage& previous, bool mayWidenTable) {
  if (Empty() || previous.Empty()) return;
  if (const auto* control = previous.GraphicControlExtension();
      control != nullptr && (control->Disposal() == 2 || control->Disposal() == 3))
    return;
  const TRect overlap = Intersect(BoundsRect(), previous.BoundsRect());
  if (overlap.IsEmpty()) return;

  const bool sameTable = &ActiveColorMap() == &previous.ActiveColorMap();
  const std::vector<TColor> colors = ActiveColorMap().ExportPalette();
  const std::vector<TColor> previousColors = previous.ActiveColorMap().ExportPalette();
  const auto showSame = [&](std::uint8_t mine, std::uint8_t theirs) {
    if (sameTable) return mine == theirs;
    return mine < colors.size() && theirs < previousColors.size() && colors[mine] == previousColors[theirs];
  };
  const int previousTransparent = TransparentIndex(previous);
  int transparent = TransparentIndex(*this);
  // An index past the colour table marks no pixel: a new one is chosen.
  if (transparent >= static_cast<int>(colors.size())) transparent = -1;
  const bool wasTransparent = transparent >= 0;
  bool changed = false;
  for (int y = overlap.top; y < overlap.bottom; ++y) {
    std::uint8_t* row = data_.data() + static_cast<std::size_t>(y - top_) * width_;
    const std::uint8_t* previousRow =
        previous.data_.data() + static_cast<std::size_t>(y - previous.top_) * previous.width_;
    for (int x = overlap.left; x < overlap.right; ++x) {
      std::uint8_t& pixel = row[x - left_];
      const std::uint8_t shown = previousRow[x - previous.left_];
      if (pixel == transparent || shown == previousTransparent || !showSame(pixel, shown)) continue;
      if (transparent < 0) {
        transparent = ChooseMergeIndex(mayWidenTable);
        if (transparent < 0) return;
      }
      pixel = static_cast<std::uint8_t>(transparent);
      changed = true;
    }
  }
  if (!changed) return;
  if (!wasTransparent) {
    TGIFGraphicControlExtension* control = GraphicControlExtension();
    if (control == nullptr) {
      auto created = std::make_unique<TGIFGraphicControlExtension>(this);
      control = created.get();
      extensions_.Add(std::move(created));
    }
    control->SetTransparent(true);
    control->SetTransparentColorIndex(transparent);
  }
  FreeBitmap();
}

int TGIFSubImage::ChooseMergeIndex(bool mayWidenTable) {
  // A table has room for a new entry below 256 entries, or, when it may not
  // widen, in the padding up to its next power of two.
  const auto room = [mayWidenTable](const TGIFColorMap& map) {
    return map.Count() < (mayWidenTable ? TGIFColorMap::kMaxColors : 1 << map.BitsPerPixel());
  };
  if (colorMap_.Count() > 0) return room(colorMap_) ? colorMap_.Add(clBlack) : -1;
  if (Image() == nullptr) return -1;
  TGIFColorMap& global = Image()->Header().GlobalColorMap();
  if (global.Count() == 0 || global.Count() == TGIFColorMap::kMaxColors) return -1;
  // Another frame's transparent entry of the global table serves as well,
  // unless this frame shows that entry's colour somewhere. An index past the
  // table (left by sorting it) is no entry.
  for (const auto& frame : Image()->Images()) {
    const int index = TransparentIndex(*frame);
    if (frame.get() != this && index >= 0 && index < global.Count() && &frame->ActiveColorMap() == &global &&
        !Uses(data_, index))
      return index;
  }
  return room(global) ? global.Add(clBlack) : -1;
}

}  // namespace kestrova
