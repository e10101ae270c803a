#pragma once
// Helpers of the painter tests: a clock that moves only when told (or when a
// painter waits), the task queue pumped on the test's thread, hand-made
// animations and composed frames as red, green and blue bytes.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFPainter.h"
#include "tests/gif/GIFTestSupport.h"

namespace kestrova::test {

// A clock for painters that never sleeps for real: a wait with a deadline
// moves the clock on to it at once; a wait without one (or any wait while
// Hold is set) blocks until the painter is woken. A blocked wait gives up
// after 20 s of real time and notes it, so a painter that is never woken
// fails the test instead of hanging it.
class FakeClock : public TGIFClock {
 public:
  std::int64_t Now() override { return now_.load(); }

  void WaitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                 std::int64_t deadline) override {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      waits_.push_back(deadline == kForever ? kForever : deadline - now_.load());
    }
    if (deadline != kForever && !hold_) {
      std::int64_t now = now_.load();
      while (now < deadline && !now_.compare_exchange_weak(now, deadline)) {
      }
      return;
    }
    blocked_ = true;
    if (wake.wait_for(lock, std::chrono::seconds(20)) == std::cv_status::timeout) neverWoken_ = true;
  }

  // Time spent outside waits (painting, say).
  void Advance(std::int64_t ms) { now_ += ms; }
  void Hold(bool hold) { hold_ = hold; }
  // The length of every wait asked for, in order (kForever for endless ones).
  std::vector<std::int64_t> Waits() {
    std::lock_guard<std::mutex> guard(mutex_);
    return waits_;
  }
  bool Blocked() const { return blocked_; }
  bool NeverWoken() const { return neverWoken_; }

 private:
  std::atomic<std::int64_t> now_{1000};
  std::atomic<bool> hold_{false}, blocked_{false}, neverWoken_{false};
  std::mutex mutex_;
  std::vector<std::int64_t> waits_;
};

// Runs the queue's tasks on this thread until done() holds; false when that
// takes more than 20 s.
inline bool PumpUntil(TGIFTaskQueue& queue, const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    queue.WaitForTask(std::chrono::milliseconds(5));
    queue.RunPending();
  }
  return true;
}

// One frame of a hand-made animation on a global colour table.
struct TestFrame {
  int left, top, width, height;
  Bytes pixels;
  int disposal = 1;
  int transparent = -1;  // the transparent colour index, -1 for none
  int delay = 10;
};

inline TGIFGraphicControlExtension& AddControl(TGIFSubImage& frame) {
  auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
  TGIFGraphicControlExtension& ref = *control;
  frame.Extensions().Add(std::move(control));
  return ref;
}

// A graphic control extension with the disposal, delay and transparent colour (-1: none).
inline TGIFGraphicControlExtension& AddControl(TGIFSubImage& frame, int disposal, int delay, int transparent) {
  TGIFGraphicControlExtension& control = AddControl(frame);
  control.SetDisposal(disposal);
  control.SetDelay(delay);
  if (transparent >= 0) {
    control.SetTransparent(true);
    control.SetTransparentColorIndex(transparent);
  }
  return control;
}

inline void AddLoop(TGIFSubImage& frame, int loops) {
  auto loop = std::make_unique<TGIFAppExtNSLoop>(&frame);
  loop->SetLoops(loops);
  frame.Extensions().Add(std::move(loop));
}

// An animation of a screen of width x height; loops < 0: no looping extension.
inline void MakeAnimation(TGIFImage& image, int width, int height, const std::vector<TColor>& palette,
                          const std::vector<TestFrame>& frames, int loops = -1) {
  image.Clear();
  image.Header().SetLogicalScreenWidth(width);
  image.Header().SetLogicalScreenHeight(height);
  image.Header().GlobalColorMap().ImportPalette(palette);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const TestFrame& plan = frames[i];
    TGIFSubImage& frame = AddFrame(image, plan.left, plan.top, plan.width, plan.height, {}, plan.pixels);
    if (i == 0 && loops >= 0) AddLoop(frame, loops);
    AddControl(frame, plan.disposal, plan.delay, plan.transparent);
  }
}

inline std::unique_ptr<TGIFImage> LoadFile(const std::string& name) {
  auto image = std::make_unique<TGIFImage>();
  std::istringstream in(ReadFile(DataPath(name)));
  image->LoadFromStream(in);
  return image;
}

// The red, green and blue bytes of a 24-bit bitmap, row by row.
inline std::string RGBOf(const Bitmap& bitmap) {
  std::string rgb;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = bitmap.GetPixel(x, y);
      rgb += static_cast<char>(RedOf(c));
      rgb += static_cast<char>(GreenOf(c));
      rgb += static_cast<char>(BlueOf(c));
    }
  }
  return rgb;
}

inline std::string HexColor(TColor c) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

// Every frame of a GIF file as ImageMagick composes it, laid over `background`,
// as red, green and blue bytes of the whole screen.
inline std::vector<std::string> ComposedByImageMagick(const std::string& path, TColor background, int width,
                                                      int height) {
  const std::string rgb = RunCommand("/usr/bin/convert '" + path + "' -coalesce -background '" +
                                     HexColor(background) + "' -alpha remove -alpha off -depth 8 rgb:- 2>/dev/null");
  const std::size_t size = static_cast<std::size_t>(width) * height * 3;
  std::vector<std::string> frames;
  for (std::size_t at = 0; size > 0 && at + size <= rgb.size(); at += size) frames.push_back(rgb.substr(at, size));
  return frames;
}

// A picture file as ImageMagick reads it, laid over `background`.
inline std::string FlattenedByImageMagick(const std::string& path, TColor background) {
  return RunCommand("/usr/bin/convert '" + path + "' -background '" + HexColor(background) +
                    "' -flatten -alpha off -depth 8 rgb:- 2>/dev/null");
}

// Plays an image with an asynchronous painter on a target filled with
// `background`, pumping the painter's tasks on this thread; returns the
// target as it was after each frame.
struct Playback {
  std::shared_ptr<TGIFTaskQueue> queue = std::make_shared<TGIFTaskQueue>();
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  Bitmap target;
  std::vector<std::string> frames;
  TGIFPainter* painter = nullptr;

  bool Play(TGIFImage& image, TColor background, TGIFDrawOptions options) {
    image.Executor = queue;
    image.Clock = clock;
    target = Bitmap(image.Width(), image.Height(), PixelFormat::pf24bit);
    target.Fill(background);
    image.OnFramePainted = [this](TGIFPainter&) { frames.push_back(RGBOf(target)); };
    TCanvas canvas(target);
    image.CreatePainter(&painter, canvas, options, TRect{0, 0, target.Width(), target.Height()});
    if (painter == nullptr) return true;
    painter->Start();
    return PumpUntil(*queue, [this] { return painter == nullptr; });
  }
};

}  // namespace kestrova::test
