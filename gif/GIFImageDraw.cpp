// Drawing a GIF image: the first frame, or the animation through a painter
// that paints into the image's cached bitmap (or straight onto the canvas).

#include <algorithm>

#include "gif/GIFImage.h"
#include "gif/GIFPainter.h"

namespace kestrova {

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
  if (drawing_ || Empty()) return;
  drawing_ = true;
  // A handler run while drawing may destroy the image: the list outlives it
  // and tells.
  const std::shared_ptr<TGIFPainterList> list = painters_;
  try {
    // A screen without a size has no room to play frames in: the first frame
    // is drawn as GetBitmap shows it.
    if (images_.Count() == 1 || !(DrawOptions & doAnimate) || Width() == 0 || Height() == 0) {
      images_[0].Draw(canvas, rect, DrawOptions & doTransparent, DrawOptions & doTile);
    } else {
      DrawAnimated(canvas, rect);
    }
  } catch (...) {
    if (list->image == this) drawing_ = false;
    throw;
  }
  if (list->image == this) drawing_ = false;
}

void TGIFImage::DrawAnimated(TCanvas& canvas, const TRect& rect) {
  const bool direct = DrawOptions & doDirectDraw;
  if (bitmap_ != nullptr && !direct) {
    DrawCache(canvas, rect);
    return;
  }
  if (drawPainter_ != nullptr && drawPainter_->PaintsOn(canvas.Target(), rect)) return;
  FreeBitmap();
  const std::shared_ptr<TGIFPainterList> list = painters_;
  TGIFPainter* created = nullptr;
  if (direct) {
    created = CreatePainter(&drawPainter_, canvas, DrawOptions, rect, {});
  } else {
    // The painter paints into the cache, over what the canvas showed under rect.
    const TRect screen{0, 0, Width(), Height()};
    bitmap_ = std::make_unique<Bitmap>(Width(), Height(), PixelFormat::pf24bit);
    TCanvas cache(*bitmap_);
    cache.CopyRect(screen, canvas.Target(), rect);
    created = CreatePainter(&drawPainter_, cache, DrawOptions, screen, [this] {
      if (OnChange) OnChange();
    });
  }
  if (list->image != this) return;
  if (created == nullptr) {
    // A synchronous painter has played into the cache: show where it ended.
    if (bitmap_ != nullptr && !direct) DrawCache(canvas, rect);
    return;
  }
  const std::shared_ptr<TGIFPainter> painter = created->shared_from_this();
  painter->Start();
  if (direct) return;
  painter->WaitForFirstFrame();
  if (list->image == this && bitmap_ != nullptr) DrawCache(canvas, rect);
}

void TGIFImage::DrawCache(TCanvas& canvas, const TRect& rect) {
  if (!(DrawOptions & doTile)) {
    canvas.StretchDraw(rect, *bitmap_);
    return;
  }
  for (const TPoint& p : TilePositions(rect, TPoint{rect.left, rect.top}, TSize{bitmap_->Width(), bitmap_->Height()}))
    canvas.Draw(p.x, p.y, *bitmap_);
}

TGIFPainter* TGIFImage::CreatePainter(TGIFPainter** painterVar, TCanvas& canvas, TGIFDrawOptions options,
                                      const TRect& rect) {
  return CreatePainter(painterVar, canvas, options, rect, {});
}

TGIFPainter* TGIFImage::CreatePainter(TGIFPainter** painterVar, TCanvas& canvas, TGIFDrawOptions options,
                                      const TRect& rect, std::function<void()> targetChanged) {
  if (painterVar != nullptr) *painterVar = nullptr;
  if (Empty() || rect.IsEmpty()) return nullptr;
  // One frame is a still picture; so is an animation with nowhere to hand its frames.
  if (images_.Count() == 1 || ((options & doAsync) && Executor == nullptr))
    options &= static_cast<TGIFDrawOptions>(~(doAsync | doAnimate));
  auto painter = std::make_shared<TGIFPainter>(*this, painters_, canvas, rect, options, painterVar);
  painter->targetChanged_ = std::move(targetChanged);
  {
    std::lock_guard<std::recursive_mutex> lock(painters_->lock);
    painters_->painters.push_back(painter);
    if (painterVar != nullptr) *painterVar = painter.get();
  }
  if (painter->Async()) return painter.get();
  // A handler may destroy the image while the painter plays: touch nothing of it afterwards.
  painter->Execute();
  painter->Unregister();
  if (const std::exception_ptr error = painter->Error()) std::rethrow_exception(error);
  return nullptr;
}

std::shared_ptr<TGIFPainter> TGIFImage::ReleasePainter(TGIFPainter* painter) {
  auto& painters = painters_->painters;
  std::shared_ptr<TGIFPainter> released;
  const auto it =
      std::find_if(painters.begin(), painters.end(), [painter](const auto& p) { return p.get() == painter; });
  if (it != painters.end()) {
    released = *it;
    painters.erase(it);
  }
  painter->Detach();
  return released;
}

void TGIFImage::StopPainter(TGIFPainter* painter) {
  std::shared_ptr<TGIFPainter> stopped;
  {
    std::lock_guard<std::recursive_mutex> lock(painters_->lock);
    painter->Stop();
    // A synchronous painter leaves by itself once it notices.
    if (!painter->Async()) return;
    stopped = ReleasePainter(painter);
  }
  if (stopped != nullptr) stopped->Join();
}

void TGIFImage::StopDraw() {
  std::vector<std::shared_ptr<TGIFPainter>> stopped;
  {
    std::lock_guard<std::recursive_mutex> lock(painters_->lock);
    const std::vector<std::shared_ptr<TGIFPainter>> painters(painters_->painters.rbegin(), painters_->painters.rend());
    for (const auto& painter : painters) {
      painter->Stop();
      if (painter->Async()) stopped.push_back(ReleasePainter(painter.get()));
    }
  }
  // Stopped painters end at once: none waits out a delay or waits for this thread.
  for (const auto& painter : stopped) painter->Join();
  FreeBitmap();
}

void TGIFImage::FreeBitmap() {
  if (drawPainter_ != nullptr) StopPainter(drawPainter_);
  bitmap_.reset();
}

}  // namespace kestrova
