#include "gif/GIFPainter.h"

#include <algorithm>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFSupport.h"

namespace kestrova {

int GIFDelayUnit = 12;
int GIFDefaultDelay = 10;
int GIFMinimumDelay = 3;
int GIFMaximumDelay = 1000;

namespace {

std::string MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

// The frames to play: header, frames and drawing options of the image,
// copied without telling the image's handlers.
std::unique_ptr<TGIFImage> CopyOfFrames(const TGIFImage& image) {
  auto copy = std::make_unique<TGIFImage>();
  copy->Header().Assign(image.Header());
  copy->DrawOptions = image.DrawOptions;
  for (const auto& frame : image.Images()) {
    auto played = std::make_unique<TGIFSubImage>(copy.get());
    played->Assign(*frame);
    copy->Images().Add(std::move(played));
  }
  return copy;
}

}  // namespace

TGIFPainter::TGIFPainter(TGIFImage& image, std::shared_ptr<TGIFPainterList> list, const TCanvas& canvas,
                         const TRect& rect, TGIFDrawOptions options, TGIFPainter** painterVar)
    : OnPaintStart(image.OnPaintStart),
      OnFramePaint(image.OnFramePaint),
      OnFramePainted(image.OnFramePainted),
      OnLoopRestart(image.OnLoopRestart),
      OnPaintEnd(image.OnPaintEnd),
      list_(std::move(list)),
      painterVar_(painterVar),
      options_(options),
      animationSpeed_(image.AnimationSpeed),
      executor_(image.Executor),
      clock_(image.Clock != nullptr ? image.Clock : GIFSteadyClock()),
      frames_(CopyOfFrames(image)),
      canvas_(canvas),
      rect_(rect) {
  if (image.DrawBackgroundColor != clNone) {
    background_ = PlainRGB(image.DrawBackgroundColor);
  } else {
    background_ = image.Header().GlobalColorMap().Count() == 0 ? clWindowBackground : image.GetBackgroundColor();
  }
  // The buffers: the picture composed so far starts as what the target shows.
  const TRect area{0, 0, rect.Width(), rect.Height()};
  backup_ = Bitmap(area.right, area.bottom, PixelFormat::pf24bit);
  TCanvas(backup_).CopyRect(area, canvas_.Target(), rect);
  if (options & doTransparent) backgroundPicture_ = backup_;
}

TGIFPainter::~TGIFPainter() {
  Stop();
  Join();
  if (thread_.joinable()) thread_.detach();
}

void TGIFPainter::Start() {
  if (!Async() || thread_.joinable()) return;
  thread_ = std::thread([this] { Run(); });
}

void TGIFPainter::Stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    terminated_ = true;
  }
  wake_.notify_all();
}

bool TGIFPainter::Terminated() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return terminated_;
}

void TGIFPainter::Run() {
  Execute();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
  }
  wake_.notify_all();
  executor_->Post([painter = weak_from_this()] {
    if (const auto self = painter.lock()) self->Unregister();
  });
}

void TGIFPainter::Execute() {
  try {
    Play();
  } catch (...) {
    std::lock_guard<std::mutex> lock(mutex_);
    error_ = std::current_exception();
    terminated_ = true;
  }
}

void TGIFPainter::Play() {
  TGIFImageList& frames = frames_->Images();
  activeImage_ = 0;
  Fire(&TGIFPainter::OnPaintStart);
  painted_ = false;
  int loops = 1, loopStart = 0;
  bool loopSeen = false;
  // The delay waited before the next frame, in units.
  int delay = Async() ? 0 : 1;
  std::int64_t lastTime = clock_->Now(), lastWait = 0;
  const bool animate = options_ & doAnimate;
  bool again = false;
  do {
    activeImage_ = loopStart;
    if (painted_) Fire(&TGIFPainter::OnLoopRestart);
    bool paintedThisPass = false;
    for (;;) {
      const int index = activeImage_;
      if (index < 0 || index >= frames.Count() || Terminated()) break;
      TGIFSubImage& frame = frames[index];
      if (frame.Empty()) break;
      if (delay > 0) {
        frame.GetBitmap();
        WaitBefore(delay, lastTime, lastWait);
      } else {
        std::this_thread::yield();
      }
      if (Terminated()) break;
      Fire(&TGIFPainter::OnFramePaint);
      if (Terminated()) break;
      disposal_ = 1;
      ReadExtensions(frame, loopSeen, loops, loopStart);
      PaintFrame(frame);
      paintedThisPass = true;
      if (Terminated()) break;
      delay = DelayOf(frame);
      Fire(&TGIFPainter::OnFramePainted);
      if (Terminated()) break;
      if (activeImage_ == index) activeImage_ = index + 1;
      if (!animate) break;
    }
    if (loops > 0) --loops;
    // A pass that painted nothing would only spin.
    again = animate && (options_ & doLoop) && (loops != 0 || (options_ & doLoopForever)) && paintedThisPass;
  } while (again && !Terminated());
  activeImage_ = -1;
  Fire(&TGIFPainter::OnPaintEnd);
}

void TGIFPainter::WaitBefore(int delay, std::int64_t& lastTime, std::int64_t& lastWait) {
  const std::int64_t now = clock_->Now();
  std::int64_t wait = 0;
  if (animationSpeed_ > 0) {
    // Half the time spent since the last wait ended is taken off, so that
    // composing and painting do not stretch the animation.
    const std::int64_t half = (now - lastTime - lastWait) / 2;
    wait = MulDiv(std::int64_t{delay} * GIFDelayUnit - half, 100, animationSpeed_);
    lastWait = wait;
  } else if (!Async()) {
    wait = std::int64_t{GIFMaximumDelay} * GIFDelayUnit;
  } else if (animationSpeed_ == 0) {
    // Speed 0 holds the animation until the painter is stopped.
    wait = TGIFClock::kForever;
  }
  // A negative speed plays an asynchronous animation without waiting.
  lastTime = now;
  if (!Async()) wait = std::max<std::int64_t>(wait, 1);
  if (wait <= 0) return;
  if (!Sleep(wait)) {
    lastWait = 0;
    lastTime = clock_->Now();
  }
}

bool TGIFPainter::Sleep(std::int64_t wait) {
  std::unique_lock<std::mutex> lock(mutex_);
  const std::int64_t deadline = wait == TGIFClock::kForever ? TGIFClock::kForever : clock_->Now() + wait;
  while (!terminated_) {
    if (deadline != TGIFClock::kForever && clock_->Now() >= deadline) return true;
    clock_->WaitUntil(wake_, lock, deadline);
  }
  return false;
}

void TGIFPainter::ReadExtensions(const TGIFSubImage& frame, bool& loopSeen, int& loops, int& loopStart) {
  for (const auto& extension : frame.Extensions()) {
    if (const auto* loop = dynamic_cast<const TGIFAppExtNSLoop*>(extension.get())) {
      // Only the first looping extension of the animation counts.
      if (loopSeen) continue;
      loopSeen = true;
      loops = loop->Loops();
      loopStart = activeImage_;
      if (Async() && (loops == 0 || (options_ & doLoopForever))) loops = -1;
    } else if (const auto* control = dynamic_cast<const TGIFGraphicControlExtension*>(extension.get())) {
      disposal_ = control->Disposal();
    }
  }
}

int TGIFPainter::DelayOf(const TGIFSubImage& frame) const {
  const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
  if (control == nullptr || control->Delay() <= 0) return GIFDefaultDelay;
  const int delay = std::max(control->Delay(), GIFMinimumDelay);
  return Async() ? delay : std::min(delay, GIFMaximumDelay);
}

void TGIFPainter::PaintFrame(TGIFSubImage& frame) {
  if (Terminated()) return;
  if ((options_ & doRestoreOnLoop) && activeImage_ == 0) RestoreBackground(frame);
  // A frame that restores the previous picture is drawn on a copy; values
  // past 3 (reserved) leave the frame in place like 1.
  Bitmap* target = &backup_;
  if (disposal_ == 3) {
    frameBuffer_ = backup_;
    target = &frameBuffer_;
  }
  TCanvas canvas(*target);
  frame.Draw(canvas, TRect{0, 0, target->Width(), target->Height()}, options_ & doTransparent, options_ & doTile);
  output_ = target;
  if (!Synchronize(&TGIFPainter::Deliver)) return;
  painted_ = true;
  if (disposal_ == 2) RestoreBackground(frame);
}

void TGIFPainter::RestoreBackground(const TGIFSubImage& frame) {
  const TRect area{0, 0, backup_.Width(), backup_.Height()};
  const bool transparent = options_ & doTransparent;
  TCanvas canvas(backup_);
  canvas.Brush.color = background_;
  const auto restore = [&](const TRect& r) {
    if (transparent) {
      canvas.CopyRect(r, backgroundPicture_, r);
    } else {
      canvas.FillRect(r);
    }
  };
  const TSize screen{frames_->Width(), frames_->Height()};
  const bool tileRestore = (options_ & doTile) && (transparent || (frame.Width() < screen.cx && frame.Height() < screen.cy));
  if (!tileRestore) {
    restore(frame.ScaleRect(area));
    return;
  }
  const TRect bounds = frame.BoundsRect();
  for (const TPoint& p : TilePositions(area, TPoint{0, 0}, screen))
    restore(TRect{p.x + bounds.left, p.y + bounds.top, p.x + bounds.right, p.y + bounds.bottom});
}

bool TGIFPainter::Synchronize(const Action& action) {
  if (!Async()) {
    if (Terminated()) return false;
    action(*this);
    return !Terminated();
  }
  // Only this painter's thread posts, so the tickets count up in order.
  const std::uint64_t ticket = posted_ + 1;
  executor_->Post([painter = weak_from_this(), action, ticket] {
    if (const auto self = painter.lock()) self->RunTask(action, ticket);
  });
  std::unique_lock<std::mutex> lock(mutex_);
  posted_ = ticket;
  wake_.notify_all();
  wake_.wait(lock, [&] { return completed_ >= ticket || terminated_; });
  return !terminated_;
}

void TGIFPainter::RunTask(const Action& action, std::uint64_t ticket) {
  if (!Terminated()) {
    try {
      action(*this);
    } catch (...) {
      std::lock_guard<std::mutex> lock(mutex_);
      error_ = std::current_exception();
      terminated_ = true;
    }
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    completed_ = std::max(completed_, ticket);
    ++tasksRun_;
  }
  wake_.notify_all();
}

void TGIFPainter::Fire(TGIFPainterEvent TGIFPainter::*event) {
  if (!(this->*event) || Terminated()) return;
  Synchronize([event](TGIFPainter& painter) {
    const TGIFPainterEvent handler = painter.*event;
    handler(painter);
  });
}

void TGIFPainter::Deliver(TGIFPainter& painter) {
  const Bitmap& picture = *painter.output_;
  painter.canvas_.CopyRect(painter.rect_, picture, TRect{0, 0, picture.Width(), picture.Height()});
  {
    std::lock_guard<std::mutex> lock(painter.mutex_);
    painter.delivered_ = true;
  }
  if (painter.targetChanged_) painter.targetChanged_();
}

bool TGIFPainter::PaintsOn(const Bitmap& target, const TRect& rect) const {
  return &canvas_.Target() == &target && rect_ == rect;
}

void TGIFPainter::WaitForFirstFrame() {
  std::uint64_t seen = 0;
  for (;;) {
    std::uint64_t tasksBefore = 0;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [&] { return delivered_ || ended_ || terminated_ || posted_ > seen; });
      if (delivered_ || ended_ || terminated_) return;
      seen = posted_;
      tasksBefore = tasksRun_;
    }
    executor_->RunPending();
    std::lock_guard<std::mutex> lock(mutex_);
    // An executor that runs nothing here cannot be waited for.
    if (tasksRun_ == tasksBefore) return;
  }
}

void TGIFPainter::Unregister() {
  const std::shared_ptr<TGIFPainterList> list = list_;
  TGIFImage* image = nullptr;
  {
    std::lock_guard<std::recursive_mutex> lock(list->lock);
    if (painterVar_ != nullptr && *painterVar_ == this) *painterVar_ = nullptr;
    painterVar_ = nullptr;
    auto& painters = list->painters;
    const auto it =
        std::find_if(painters.begin(), painters.end(), [this](const auto& p) { return p.get() == this; });
    if (it == painters.end()) return;
    image = list->image;
    painters.erase(it);
  }
  // An asynchronous painter ended by an error tells the image's warning handler.
  if (const std::exception_ptr error = Error(); error && Async() && image != nullptr)
    image->Warning(this, gsWarning, MessageOf(error));
}

void TGIFPainter::Detach() {
  if (painterVar_ != nullptr && *painterVar_ == this) *painterVar_ = nullptr;
  painterVar_ = nullptr;
}

void TGIFPainter::Join() {
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

std::exception_ptr TGIFPainter::Error() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return error_;
}

}  // namespace kestrova
