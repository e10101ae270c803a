// The optimiser: makes a GIF image smaller before it is stored, without
// changing the frames it shows.

#include <algorithm>
#include <sstream>
#include <utility>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFExtensionText.h"
#include "gif/GIFImage.h"
#include "gif/GIFPainter.h"
#include "gif/GIFSupport.h"

namespace kestrova {

namespace {

constexpr int kMaxDelay = 65535;
// Players stretch delays below a few hundredths of a second (ours raises
// them to 3), so only longer delays add up exactly.
constexpr int kShortestExactDelay = 3;

int DisposalOf(const TGIFSubImage& frame) {
  const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
  return control != nullptr ? control->Disposal() : 0;
}

// The frame's picture stays in place after it (no restore, and no reserved
// value that players read in different ways).
bool LeavesPicture(const TGIFSubImage& frame) { return DisposalOf(frame) <= 1; }

// Whether Strip removes the extension from frame `index` of an image of `count` frames.
bool Strippable(const TGIFExtension& extension, int index, int count) {
  // Comments, plain text and other programs' application data; blocks this
  // reader does not know (other labels, odd sizes) are kept.
  if (dynamic_cast<const TGIFLinesExtension*>(&extension) != nullptr ||
      dynamic_cast<const TGIFUnknownAppExtension*>(&extension) != nullptr)
    return true;
  if (dynamic_cast<const TGIFAppExtNSLoop*>(&extension) != nullptr) return index != 0 || count == 1;
  if (const auto* control = dynamic_cast<const TGIFGraphicControlExtension*>(&extension)) {
    const bool single = count == 1;
    return (control->Delay() == 0 || single) && !control->Transparent() && !control->UserInput() &&
           (control->Disposal() < 2 || single);
  }
  return false;
}

// Bytes the frame, or the whole image, takes in a file.
template <class Item>
std::size_t EncodedSize(const Item& item) {
  std::ostringstream out;
  item.SaveToStream(out);
  return out.str().size();
}

// The same for the whole image, which is measured, not saved: its OnProgress
// does not hear of it.
std::size_t EncodedFileSize(TGIFImage& image) {
  struct Quiet {
    TGIFImage& image;
    TGIFProgressEvent onProgress;
    ~Quiet() { image.OnProgress = std::move(onProgress); }
  } quiet{image, std::exchange(image.OnProgress, nullptr)};
  return EncodedSize(image);
}

// Makes the change to the frame and keeps it only when the frame takes no
// more room in the file than before; true when kept.
bool KeepIfNotLarger(TGIFSubImage& frame, const std::function<void()>& change) {
  const std::size_t before = EncodedSize(frame);
  TGIFSubImage saved(frame.Image());
  saved.Assign(frame);
  change();
  if (EncodedSize(frame) <= before) return true;
  frame.Assign(saved);
  return false;
}

// A copy of the frame, to merge the frames another way. Assign leaves out
// what a frame without pixels holds (the blocks after the last picture, say):
// such a frame is copied through its bytes in the file.
std::unique_ptr<TGIFSubImage> CopyOfFrame(const TGIFSubImage& frame, TGIFImage* image) {
  auto copy = std::make_unique<TGIFSubImage>(image);
  if (!frame.Empty()) {
    copy->Assign(frame);
    return copy;
  }
  std::stringstream bytes;
  frame.SaveToStream(bytes);
  copy->LoadFromStream(bytes);
  return copy;
}

}  // namespace

void TGIFImage::Optimize(TGIFOptimizeSet options, TColorReduction reduction, TDitherMode /*ditherMode*/,
                         int /*reductionBits*/) {
  if (Empty()) return;
  StopDraw();
  std::lock_guard<std::recursive_mutex> lock(painters_->lock);
  ProgressScope progress(*this, "Optimizing...");
  const int count = images_.Count();
  const int total = 6 * count;
  int done = 0;
  const std::function<void()> step = [&] {
    ++done;
    progress.Running(static_cast<int>(MulDiv(done, 100, total)));
  };

  if (options & optSortTables) {
    if (header_.GlobalColorMap().Count() > 0) header_.GlobalColorMap().Optimize();
    for (const auto& frame : images_) {
      if (frame->ColorMap().Count() > 0) frame->ColorMap().Optimize();
      step();
    }
  } else {
    done += count;
  }
  if (options & optStrip) {
    StripTransparency(step);
    SimplifyDisposal(step);
  } else {
    done += 2 * count;
  }
  if (options & optMergeFrames) {
    MergeFrames(step);
  } else {
    done += count;
  }
  if (options & optCropFrames) {
    CropFrames(step);
  } else {
    done += count;
  }
  done += count;
  if (options & optStrip) {
    StripExtensions();
    progress.Running(static_cast<int>(MulDiv(done, 100, total)));
  } else if ((options & optReduce) && reduction == TColorReduction::rmPalette) {
    RaiseGIFError("Invalid reduction method");
  }
  Changed();
}

void TGIFImage::StripTransparency(const std::function<void()>& step) {
  for (const auto& frame : images_) {
    if (frame->Transparent()) {
      const std::uint8_t index = frame->GraphicControlExtension()->TransparentColorIndex();
      if (std::find(frame->Data().begin(), frame->Data().end(), index) == frame->Data().end())
        frame->GraphicControlExtension()->SetTransparent(false);
    }
    step();
  }
}

// A frame that restores its area (disposal 2 or 3) need not, when the next
// frame is opaque, covers that whole area and leaves its own picture or
// restores the background: the next frame paints over all of it either way.
void TGIFImage::SimplifyDisposal(const std::function<void()>& step) {
  for (int i = 0; i + 1 < images_.Count(); ++i) {
    TGIFSubImage& frame = images_[i];
    const TGIFSubImage& next = images_[i + 1];
    const int disposal = DisposalOf(frame);
    if ((disposal == 2 || disposal == 3) && !next.Empty() && !next.Transparent() && DisposalOf(next) <= 2 &&
        Intersect(frame.BoundsRect(), next.BoundsRect()) == frame.BoundsRect())
      frame.GraphicControlExtension()->SetDisposal(0);
    step();
  }
  step();
}

// A merge may need a new transparent entry that widens a colour table, and
// so every code of the frames that use it; that pays only when enough pixels
// become transparent. Where the merges widened a table, the frames are merged
// again without widening any, and the smaller file is kept.
void TGIFImage::MergeFrames(const std::function<void()>& step) {
  TGIFHeader header(nullptr);
  header.Assign(header_);
  TGIFImageList frames(this);
  for (const auto& frame : images_) frames.Add(CopyOfFrame(*frame, this));
  const auto swap = [&] {
    TGIFHeader current(nullptr);
    current.Assign(header_);
    header_.Assign(header);
    header.Assign(current);
    images_.Swap(frames);
  };
  const std::vector<int> widths = TableWidths();
  MergeFramesOnce(true, step);
  // No table grew wider: merging without widening would do just the same.
  if (TableWidths() == widths) return;
  const std::size_t widened = EncodedFileSize(*this);
  swap();
  MergeFramesOnce(false, [] {});
  if (widened < EncodedFileSize(*this)) swap();
}

std::vector<int> TGIFImage::TableWidths() const {
  std::vector<int> widths{header_.GlobalColorMap().BitsPerPixel()};
  for (const auto& frame : images_) widths.push_back(frame->ColorMap().BitsPerPixel());
  return widths;
}

void TGIFImage::MergeFramesOnce(bool mayWidenTables, const std::function<void()>& step) {
  TGIFColorMap& global = header_.GlobalColorMap();
  for (int i = images_.Count() - 1; i >= 1; --i) {
    // The picture under frame i is the one after the nearest earlier frame
    // that does not restore the previous picture.
    int j = i - 1;
    while (j > 0 && DisposalOf(images_[j]) == 3) --j;
    if (LeavesPicture(images_[j])) {
      // A merge that makes the frame larger is taken back, and the global
      // table as it was before the transparent entry it added (sort flag included).
      TGIFHeader before(nullptr);
      before.GlobalColorMap().Assign(global);
      if (!KeepIfNotLarger(images_[i], [&] { images_[i].Merge(images_[j], mayWidenTables); }) &&
          global.Count() > before.GlobalColorMap().Count())
        global.Assign(before.GlobalColorMap());
    }
    step();
  }
  step();
}

void TGIFImage::CropFrames(const std::function<void()>& step) {
  for (int i = images_.Count() - 1; i >= 0; --i) {
    TGIFSubImage& frame = images_[i];
    step();
    // A frame restored to the background would restore less once cropped.
    if (frame.Empty() || !frame.Transparent() || DisposalOf(frame) == 2) continue;
    const TRect shown = frame.OpaqueBounds();
    if (!shown.IsEmpty()) {
      KeepIfNotLarger(frame, [&] { frame.CropTo(shown); });
    } else if (HandOverEmptyFrame(i)) {
      images_.Delete(i);
    } else {
      // One transparent pixel keeps the frame's time on screen.
      frame.CropTo(TRect{0, 0, 1, 1});
    }
  }
}

// A frame that shows nothing can go when the frame before it can show the
// same picture for the frame's time as well: that frame leaves its picture
// in place, and both delays are long enough to add up exactly. A frame that
// carries more than its graphic control (a loop count, say), waits for
// input, restores the background or has a reserved disposal stays.
bool TGIFImage::HandOverEmptyFrame(int index) {
  if (index == 0) return false;
  TGIFSubImage& frame = images_[index];
  const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
  TGIFGraphicControlExtension* previous = images_[index - 1].GraphicControlExtension();
  if (frame.Extensions().Count() != 1 || control->UserInput() || control->Disposal() == 2 ||
      control->Disposal() > 3)
    return false;
  if (previous == nullptr || previous->UserInput() || !LeavesPicture(images_[index - 1])) return false;
  if (control->Delay() < kShortestExactDelay || previous->Delay() < kShortestExactDelay ||
      previous->Delay() + control->Delay() > kMaxDelay)
    return false;
  previous->SetDelay(previous->Delay() + control->Delay());
  return true;
}

void TGIFImage::StripExtensions() {
  const int count = images_.Count();
  for (int i = count - 1; i >= 0; --i) {
    TGIFExtensionList& extensions = images_[i].Extensions();
    for (int k = extensions.Count() - 1; k >= 0; --k)
      if (Strippable(extensions[k], i, count)) extensions.Delete(k);
    if (images_[i].Empty() && extensions.Count() == 0) images_.Delete(i);
  }
}

}  // namespace kestrova
