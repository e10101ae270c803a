// The optimiser: makes a GIF image smaller before it is stored, without
// changing the frames it shows.

#include <algorithm>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFExtensionText.h"
#include "gif/GIFExtensionUnknown.h"
#include "gif/GIFImage.h"
#include "gif/GIFPainter.h"
#include "gif/GIFSupport.h"

namespace kestrova {

namespace {

constexpr int kMaxDelay = 65535;

int DisposalOf(const TGIFSubImage& frame) {
  const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
  return control != nullptr ? control->Disposal() : 0;
}

bool HasLoopExtension(const TGIFSubImage& frame) {
  return std::any_of(frame.Extensions().begin(), frame.Extensions().end(),
                     [](const auto& e) { return dynamic_cast<const TGIFAppExtNSLoop*>(e.get()) != nullptr; });
}

// Whether Strip removes the extension from frame `index` of an image of `count` frames.
bool Strippable(const TGIFExtension& extension, int index, int count) {
  if (dynamic_cast<const TGIFLinesExtension*>(&extension) != nullptr ||
      dynamic_cast<const TGIFUnknownAppExtension*>(&extension) != nullptr ||
      dynamic_cast<const TGIFUnknownExtension*>(&extension) != nullptr)
    return true;
  if (dynamic_cast<const TGIFAppExtNSLoop*>(&extension) != nullptr) return index != 0 || count == 1;
  if (const auto* control = dynamic_cast<const TGIFGraphicControlExtension*>(&extension)) {
    const bool single = count == 1;
    return (control->Delay() == 0 || single) && !control->Transparent() && !control->UserInput() &&
           (control->Disposal() < 2 || single);
  }
  return false;
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
// frame is opaque, covers that whole area and does not restore the previous
// picture itself: the next frame paints over all of it either way.
void TGIFImage::SimplifyDisposal(const std::function<void()>& step) {
  for (int i = 0; i + 1 < images_.Count(); ++i) {
    TGIFSubImage& frame = images_[i];
    const TGIFSubImage& next = images_[i + 1];
    const int disposal = DisposalOf(frame);
    if ((disposal == 2 || disposal == 3) && !next.Empty() && !next.Transparent() && DisposalOf(next) != 3 &&
        Intersect(frame.BoundsRect(), next.BoundsRect()) == frame.BoundsRect())
      frame.GraphicControlExtension()->SetDisposal(0);
    step();
  }
  step();
}

void TGIFImage::MergeFrames(const std::function<void()>& step) {
  for (int i = images_.Count() - 1; i >= 1; --i) {
    // The picture under frame i is the one after the nearest earlier frame
    // that does not restore the previous picture.
    int j = i - 1;
    while (j > 0 && DisposalOf(images_[j]) == 3) --j;
    images_[i].Merge(images_[j]);
    step();
  }
  step();
}

void TGIFImage::CropFrames(const std::function<void()>& step) {
  for (int i = images_.Count() - 1; i >= 0; --i) {
    TGIFSubImage& frame = images_[i];
    step();
    // A frame restored to the background would restore less once cropped;
    // a frame left empty goes, and with it a loop count it carries.
    if (frame.Empty() || !frame.Transparent() || DisposalOf(frame) == 2) continue;
    if (HasLoopExtension(frame) && frame.OpaqueBounds().IsEmpty()) continue;
    const int delay = frame.GraphicControlExtension()->Delay();
    frame.Crop();
    if (!frame.Empty()) continue;
    // The frame showed the picture before it for its delay: the frame before takes that time.
    if (i > 0) {
      if (TGIFGraphicControlExtension* previous = images_[i - 1].GraphicControlExtension())
        previous->SetDelay(std::min(previous->Delay() + delay, kMaxDelay));
    }
    images_.Delete(i);
  }
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
