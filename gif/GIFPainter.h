#pragma once
// The animated painter: plays the frames of a GIF image on a canvas with their
// delays, applies each frame's disposal, counts the passes of a looping
// extension and reports its progress through events.
//
// A painter works on a copy of the image's frames made when it is created, so
// its thread never touches the image. An asynchronous painter (doAsync) runs
// on a std::thread of its own: it composes each frame into buffers of its own
// and hands the finished picture to the thread that owns the target through
// the image's executor, which also runs every event; the painter waits until
// such a task has run, or until it is stopped. A synchronous painter does all
// of this in the thread that creates it.
//
// Threads: create, start, stop and destroy painters (and their image) on the
// thread that owns the target, the one the executor runs tasks on. Stop may
// also be called from any other thread.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "gif/GIFImage.h"
#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"

namespace kestrova {

// Timing, in delay units of GIFDelayUnit milliseconds.
extern int GIFDelayUnit;     // 12 ms per unit
extern int GIFDefaultDelay;  // 10: a frame without a delay
extern int GIFMinimumDelay;  // 3: shorter delays are raised to this
extern int GIFMaximumDelay;  // 1000: longer delays are cut to this (synchronous painters only)

// The painters of one image and the lock that guards them. Image and painters
// share it, so a painter that outlives its image finds the image gone.
struct TGIFPainterList {
  std::recursive_mutex lock;
  TGIFImage* image = nullptr;
  std::vector<std::shared_ptr<TGIFPainter>> painters;
};

class TGIFPainter : public std::enable_shared_from_this<TGIFPainter> {
 public:
  // Made by TGIFImage::CreatePainter.
  TGIFPainter(TGIFImage& image, std::shared_ptr<TGIFPainterList> list, const TCanvas& canvas, const TRect& rect,
              TGIFDrawOptions options, TGIFPainter** painterVar);
  // Stops the painter and waits for its thread to end.
  ~TGIFPainter();
  TGIFPainter(const TGIFPainter&) = delete;
  TGIFPainter& operator=(const TGIFPainter&) = delete;

  // Starts the thread of an asynchronous painter (once); nothing for a synchronous one.
  void Start();
  // Marks the painter terminated and wakes it from any wait; it ends at its
  // next check and paints nothing more. Any thread.
  void Stop();
  bool Terminated() const;

  bool Async() const { return options_ & doAsync; }
  TGIFDrawOptions DrawOptions() const { return options_; }
  int AnimationSpeed() const { return animationSpeed_; }
  const TRect& Rect() const { return rect_; }
  // The frame being played: -1 before the start and after the end. An
  // OnFramePainted handler that sets it makes the painter go on from there.
  int ActiveImage() const { return activeImage_; }
  void SetActiveImage(int index) { activeImage_ = index; }

  // Copied from the image at creation; set others before Start.
  TGIFPainterEvent OnPaintStart, OnFramePaint, OnFramePainted, OnLoopRestart, OnPaintEnd;

 private:
  friend class TGIFImage;
  using Action = std::function<void(TGIFPainter&)>;

  // The frame loop (the painter's thread, or the creating thread).
  void Execute();
  void Play();
  void Run();
  // The wait before a frame with a delay of `delay` units.
  void WaitBefore(int delay, std::int64_t& lastTime, std::int64_t& lastWait);
  // Waits `wait` ms (TGIFClock::kForever: until stopped); true when the time ran out.
  bool Sleep(std::int64_t wait);
  void ReadExtensions(const TGIFSubImage& frame, bool& loopSeen, int& loops, int& loopStart);
  int DelayOf(const TGIFSubImage& frame) const;
  void PaintFrame(TGIFSubImage& frame);
  void RestoreBackground(const TGIFSubImage& frame);
  // Runs the action on the owner thread (directly when synchronous) and waits
  // for it; false when the painter was stopped first.
  bool Synchronize(const Action& action);
  void RunTask(const Action& action, std::uint64_t ticket);
  void Fire(TGIFPainterEvent TGIFPainter::*event);
  static void Deliver(TGIFPainter& painter);

  // For the image (on the owner thread).
  bool PaintsOn(const Bitmap& target, const TRect& rect) const;
  // Waits until the first frame has reached the target or the painter has
  // ended, running the executor's tasks meanwhile.
  void WaitForFirstFrame();
  // Leaves the image: out of its list, *painterVar cleared.
  void Unregister();
  // The image lets go of the painter (it is stopping it or going away).
  void Detach();
  void Join();
  std::exception_ptr Error() const;

  std::shared_ptr<TGIFPainterList> list_;
  TGIFPainter** painterVar_;
  const TGIFDrawOptions options_;
  const int animationSpeed_;
  std::shared_ptr<TGIFExecutor> executor_;
  std::shared_ptr<TGIFClock> clock_;
  // The frames as they were when the painter was made.
  std::unique_ptr<TGIFImage> frames_;
  TColor background_ = clWhite;

  // The target: touched only on the owner thread.
  TCanvas canvas_;
  const TRect rect_;
  // Called after each frame reached the target (the image's cache tells OnChange).
  std::function<void()> targetChanged_;

  // Buffers of the target's size: the target as it was when the painter was
  // made, the picture composed so far, a scratch copy for frames that restore
  // the previous picture, and the picture handed over last.
  Bitmap backgroundPicture_, backup_, frameBuffer_;
  const Bitmap* output_ = nullptr;

  std::atomic<int> activeImage_{-1};
  // The disposal method of the frame being painted (1 without one).
  int disposal_ = 1;
  bool painted_ = false;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool terminated_ = false;
  bool ended_ = false;
  bool delivered_ = false;
  std::uint64_t posted_ = 0, completed_ = 0, tasksRun_ = 0;
  std::exception_ptr error_;
  std::thread thread_;
};

}  // namespace kestrova
