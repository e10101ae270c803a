#include "gif/GIFColorMap.h"

#include <algorithm>
#include <utility>

#include "gif/GIFHeader.h"
#include "gif/GIFImage.h"
#include "gif/GIFList.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFSupport.h"

namespace kestrova {

namespace {

// Sorts pairs lo..hi by use count, highest first. The partition scheme fixes
// the order in which pairs of equal count end up.
void SortByUse(TGIFHistogram& pairs, int lo, int hi) {
  int i = 0;
  do {
    i = lo;
    int j = hi;
    const long long pivot = pairs[(lo + hi) / 2].count;
    do {
      while (pairs[i].count > pivot) ++i;
      while (pairs[j].count < pivot) --j;
      if (i <= j) {
        std::swap(pairs[i], pairs[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j > lo) SortByUse(pairs, lo, j);
    lo = i;
  } while (i < hi);
}

}  // namespace

int TGIFColorMap::BitsPerPixel() const { return ColorsToBits(count_); }

void TGIFColorMap::Clear() {
  count_ = 0;
  optimized_ = false;
}

int TGIFColorMap::Add(TColor color) {
  if (count_ >= kMaxColors) RaiseGIFError("Color table overflow");
  colors_[count_] = PlainRGB(color);
  ++count_;
  optimized_ = false;
  Changed();
  return count_ - 1;
}

int TGIFColorMap::IndexOf(TColor color) const {
  color = PlainRGB(color);
  if (optimized_) {
    for (int i = 0; i < count_; ++i)
      if (colors_[i] == color) return i;
  } else {
    for (int i = count_ - 1; i >= 0; --i)
      if (colors_[i] == color) return i;
  }
  return -1;
}

int TGIFColorMap::AddUnique(TColor color) {
  const int index = IndexOf(color);
  return index >= 0 ? index : Add(color);
}

void TGIFColorMap::Delete(int index) {
  if (index < 0 || index >= count_) RaiseGIFError("Invalid color index");
  std::move(colors_.begin() + index + 1, colors_.begin() + count_, colors_.begin() + index);
  --count_;
  optimized_ = false;
  Changed();
}

TColor TGIFColorMap::Colors(int index) const {
  if (index >= 0 && index < count_) return colors_[index];
  Warning(gsWarning, "Invalid color index");
  if (count_ == 0) RaiseGIFError("Color table is empty");
  return colors_[0];
}

void TGIFColorMap::ImportPalette(const std::vector<TColor>& palette) {
  Clear();
  count_ = static_cast<int>(std::min<std::size_t>(palette.size(), kMaxColors));
  for (int i = 0; i < count_; ++i) colors_[i] = PlainRGB(palette[i]);
  Changed();
}

void TGIFColorMap::ImportFromStream(std::istream& stream, int count) {
  Clear();
  std::uint8_t bytes[kMaxColors * 3];
  ReadCheck(stream, bytes, static_cast<std::size_t>(count) * 3);
  for (int i = 0; i < count; ++i) colors_[i] = RGBColor(bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]);
  count_ = count;
}

std::vector<TColor> TGIFColorMap::ExportPalette() const {
  return std::vector<TColor>(colors_.begin(), colors_.begin() + count_);
}

void TGIFColorMap::SaveToStream(std::ostream& stream) const {
  if (count_ == 0) return;
  std::uint8_t bytes[kMaxColors * 3] = {};
  for (int i = 0; i < count_; ++i) {
    bytes[3 * i] = RedOf(colors_[i]);
    bytes[3 * i + 1] = GreenOf(colors_[i]);
    bytes[3 * i + 2] = BlueOf(colors_[i]);
  }
  stream.write(reinterpret_cast<const char*>(bytes), std::streamsize{3} << BitsPerPixel());
}

void TGIFColorMap::Assign(const TGIFColorMap& source) {
  if (&source == this) return;
  colors_ = source.colors_;
  count_ = source.count_;
  optimized_ = source.optimized_;
  Changed();
}

bool TGIFColorMap::Optimize() {
  if (count_ <= 1 || !CanOptimize()) return false;
  optimized_ = true;
  TGIFHistogram pairs;
  for (int i = 0; i < kMaxColors; ++i) pairs[i] = TGIFUsage{0, i};
  CountPixels(pairs);
  SortByUse(pairs, 0, count_ - 1);
  bool inOrder = true;
  for (int i = 0; i < count_; ++i) inOrder = inOrder && pairs[i].index == i;
  if (inOrder) return true;

  TGIFColorMapping map;
  for (int i = 0; i < kMaxColors; ++i) map[i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < count_; ++i) map[pairs[i].index] = static_cast<std::uint8_t>(i);
  MapImages(map);
  const auto old = colors_;
  for (int i = 0; i < count_; ++i) colors_[map[i]] = old[i];
  for (int i = 0; i < count_; ++i) {
    if (pairs[i].count == 0) {
      count_ = i;
      break;
    }
  }
  Changed();
  return true;
}

void TGIFGlobalColorMap::Warning(int severity, const std::string& message) const {
  if (header_->Image() != nullptr) header_->Image()->Warning(this, severity, message);
}

int TGIFGlobalColorMap::BackgroundEntry() const {
  const int index = header_->BackgroundColorIndex();
  return index < Count() ? index : 0;
}

void TGIFGlobalColorMap::CountPixels(TGIFHistogram& histogram) const {
  for (const auto& frame : header_->Image()->Images())
    if (&frame->ActiveColorMap() == this) frame->CountPixels(histogram);
  // The background colour is in use even where no pixel has it.
  TGIFUsage& background = histogram[BackgroundEntry()];
  background.count = std::max<long long>(background.count, 1);
}

void TGIFGlobalColorMap::MapImages(const TGIFColorMapping& map) {
  for (const auto& frame : header_->Image()->Images())
    if (&frame->ActiveColorMap() == this) frame->MapPixels(map);
  header_->SetBackgroundColorIndex(map[BackgroundEntry()]);
}

bool TGIFGlobalColorMap::CanOptimize() const {
  return header_->Image() != nullptr && !header_->Image()->Empty();
}

void TGIFGlobalColorMap::Changed() {
  if (header_->Image() != nullptr) header_->Image()->Changed();
}

void TGIFLocalColorMap::Warning(int severity, const std::string& message) const {
  if (subImage_->Image() != nullptr) subImage_->Image()->Warning(this, severity, message);
}

void TGIFLocalColorMap::CountPixels(TGIFHistogram& histogram) const { subImage_->CountPixels(histogram); }

void TGIFLocalColorMap::MapImages(const TGIFColorMapping& map) { subImage_->MapPixels(map); }

void TGIFLocalColorMap::Changed() { subImage_->FreeBitmap(); }

}  // namespace kestrova
