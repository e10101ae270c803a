// TGIFImage::Draw: a still picture, or an animation played into the image's
// cache (or straight onto the canvas) by a painter it starts and stops.

#include <gtest/gtest.h>

#include <deque>
#include <thread>

#include "tests/gif/GIFPainterTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

const std::vector<TColor> kPalette = {clBlack, clWhite, clRed, RGBColor(0, 0, 255)};
constexpr TColor kUnder = RGBColor(0, 255, 0);

// A 2 x 2 animation whose frame i is filled with colour i (black, white, red).
std::unique_ptr<TGIFImage> ThreeFrames() {
  auto image = std::make_unique<TGIFImage>();
  MakeAnimation(*image, 2, 2, kPalette,
                {{0, 0, 2, 2, Bytes(4, 0)}, {0, 0, 2, 2, Bytes(4, 1)}, {0, 0, 2, 2, Bytes(4, 2)}});
  return image;
}

struct Window {
  std::shared_ptr<TGIFTaskQueue> queue = std::make_shared<TGIFTaskQueue>();
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  Bitmap target{4, 4, PixelFormat::pf24bit};
  TCanvas canvas{target};
  const TRect rect{0, 0, 4, 4};
  int changes = 0;

  explicit Window(TGIFImage& image) {
    image.Executor = queue;
    image.Clock = clock;
    image.OnChange = [this] { ++changes; };
    target.Fill(kUnder);
  }
  // The colour the whole target shows, or kInvalidColor when it is not one colour.
  TColor Shows() const {
    const TColor c = target.GetPixel(0, 0);
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x)
        if (target.GetPixel(x, y) != c) return kInvalidColor;
    return c;
  }
};

}  // namespace

TEST(GIFPainterDraw, AnimationPlaysIntoTheCache) {
  auto image = ThreeFrames();
  ASSERT_EQ(image->DrawOptions, GIFDefaultDrawOptions);
  Window window(*image);
  // The first Draw returns once the first frame is in the cache, and shows it.
  image->Draw(window.canvas, window.rect);
  ASSERT_NE(image->DrawPainter(), nullptr);
  EXPECT_EQ(window.Shows(), clBlack);
  ASSERT_NE(image->GetBitmap(), nullptr);
  EXPECT_EQ(image->GetBitmap()->Width(), 2);

  // Each frame in the cache is an OnChange; the window then draws again.
  std::vector<TColor> shown;
  image->OnChange = [&] {
    image->Draw(window.canvas, window.rect);
    shown.push_back(window.Shows());
  };
  ASSERT_TRUE(PumpUntil(*window.queue, [&] { return image->DrawPainter() == nullptr; }));
  EXPECT_EQ(shown, (std::vector<TColor>{clWhite, clRed}));
  // Played once (no looping extension): the cache keeps the last frame.
  image->Draw(window.canvas, window.rect);
  EXPECT_EQ(image->DrawPainter(), nullptr);
  EXPECT_EQ(window.Shows(), clRed);

  // StopDraw drops the cache; the next Draw starts again.
  image->StopDraw();
  window.target.Fill(kUnder);
  image->OnChange = nullptr;
  image->Draw(window.canvas, TRect{0, 0, 2, 2});
  EXPECT_NE(image->DrawPainter(), nullptr);
  EXPECT_EQ(window.target.GetPixel(1, 1), clBlack);
  EXPECT_EQ(window.target.GetPixel(2, 2), kUnder);
}

TEST(GIFPainterDraw, ChangingTheImageStopsItsPainter) {
  auto image = ThreeFrames();
  Window window(*image);
  image->DrawOptions |= doLoopForever;
  image->Draw(window.canvas, window.rect);
  ASSERT_NE(image->DrawPainter(), nullptr);
  image->Add(Bitmap(2, 2, PixelFormat::pf8bit));
  EXPECT_EQ(image->DrawPainter(), nullptr);
  // What the stopped painter left queued does nothing.
  const int changes = window.changes;
  window.queue->RunPending();
  EXPECT_EQ(window.changes, changes);
}

TEST(GIFPainterDraw, DirectDrawing) {
  auto image = ThreeFrames();
  image->DrawOptions |= doDirectDraw | doLoopForever;
  Window window(*image);
  image->Draw(window.canvas, window.rect);
  TGIFPainter* painter = image->DrawPainter();
  ASSERT_NE(painter, nullptr);
  ASSERT_TRUE(PumpUntil(*window.queue, [&] { return window.Shows() == clRed; }));
  // The same canvas and rectangle: the running painter goes on.
  image->Draw(window.canvas, window.rect);
  EXPECT_EQ(image->DrawPainter(), painter);
  // Another rectangle: a new painter.
  image->Draw(window.canvas, TRect{0, 0, 2, 2});
  EXPECT_NE(image->DrawPainter(), nullptr);
  image->StopDraw();
  EXPECT_EQ(image->DrawPainter(), nullptr);
  EXPECT_EQ(image->GetBitmap()->Width(), 2);
}

TEST(GIFPainterDraw, SynchronousAndStillDrawing) {
  struct Case {
    const char* name;
    TGIFDrawOptions options;
    bool executor;
    TColor shows;
  };
  const Case cases[] = {
      {"synchronous: played to its end in Draw", doAnimate | doTransparent, true, clRed},
      {"no executor: the first frame", GIFDefaultDrawOptions, false, clBlack},
      {"doAnimate clear: the first frame", doAsync | doTransparent, true, clBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto image = ThreeFrames();
    image->DrawOptions = c.options;
    Window window(*image);
    if (!c.executor) image->Executor = nullptr;
    image->Draw(window.canvas, window.rect);
    EXPECT_EQ(image->DrawPainter(), nullptr);
    EXPECT_EQ(window.Shows(), c.shows);
  }
}

TEST(GIFPainterDraw, TiledAndTransparent) {
  // Frame 0 has a transparent pixel at (1, 0); tiled over a 5 x 3 target.
  auto image = std::make_unique<TGIFImage>();
  MakeAnimation(*image, 2, 2, kPalette,
                {{0, 0, 2, 2, Bytes{1, 3, 2, 2}, 1, 3}, {0, 0, 2, 2, Bytes(4, 1)}});
  image->DrawOptions |= doTile;
  Window window(*image);
  Bitmap wide(5, 3, PixelFormat::pf24bit);
  wide.Fill(kUnder);
  TCanvas canvas(wide);
  image->Draw(canvas, TRect{0, 0, 5, 3});
  const TColor expected[3][5] = {{clWhite, kUnder, clWhite, kUnder, clWhite},
                                 {clRed, clRed, clRed, clRed, clRed},
                                 {clWhite, kUnder, clWhite, kUnder, clWhite}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(wide.GetPixel(x, y), expected[y][x]) << x << "," << y;
  image->StopDraw();
}

TEST(GIFPainterDraw, NestedDrawDoesNothing) {
  auto image = ThreeFrames();
  Window window(*image);
  Bitmap other(2, 2, PixelFormat::pf24bit);
  other.Fill(kUnder);
  TCanvas otherCanvas(other);
  int starts = 0;
  // Runs while Draw waits for the first frame.
  image->OnPaintStart = [&](TGIFPainter&) {
    ++starts;
    image->Draw(otherCanvas, TRect{0, 0, 2, 2});
  };
  image->Draw(window.canvas, window.rect);
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(other.GetPixel(0, 0), kUnder);
  EXPECT_EQ(window.Shows(), clBlack);
}

namespace {

// A thread with an event loop, as a window's thread has: functions posted to
// it run there, in order.
class EventLoop {
 public:
  EventLoop() : thread_([this] { Run(); }) {}
  ~EventLoop() {
    Post(nullptr);
    thread_.join();
  }
  void Post(std::function<void()> function) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      queue_.push_back(std::move(function));
    }
    posted_.notify_all();
  }
  // Runs the function on the loop's thread and waits until it has run.
  void Call(const std::function<void()>& function) {
    std::mutex done;
    std::condition_variable ran;
    bool finished = false;
    Post([&] {
      function();
      std::lock_guard<std::mutex> lock(done);
      finished = true;
      ran.notify_all();
    });
    std::unique_lock<std::mutex> lock(done);
    ran.wait(lock, [&] { return finished; });
  }

 private:
  void Run() {
    for (;;) {
      std::function<void()> next;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        posted_.wait(lock, [this] { return !queue_.empty(); });
        next = std::move(queue_.front());
        queue_.pop_front();
      }
      if (!next) return;
      next();
    }
  }

  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> queue_;
  std::thread thread_;
};

// The executor a window would make: a task queue run by a queued call.
class LoopExecutor : public TGIFTaskQueue {
 public:
  explicit LoopExecutor(EventLoop& loop) : loop_(loop) {}

 protected:
  void Wake(TGIFTask run) override { loop_.Post(std::move(run)); }

 private:
  EventLoop& loop_;
};

}  // namespace

TEST(GIFPainterDraw, OwnerThreadWithAnEventLoop) {
  EventLoop loop;
  const auto executor = std::make_shared<LoopExecutor>(loop);
  std::unique_ptr<TGIFImage> image;
  Bitmap target(4, 4, PixelFormat::pf24bit);
  TCanvas canvas(target);
  std::atomic<int> repaints{0};
  // Everything the window does happens on its own thread.
  loop.Call([&] {
    image = ThreeFrames();
    image->Executor = executor;
    image->Clock = std::make_shared<FakeClock>();
    image->DrawOptions |= doLoopForever;
    image->OnChange = [&] {
      image->Draw(canvas, TRect{0, 0, 4, 4});
      ++repaints;
    };
    image->Draw(canvas, TRect{0, 0, 4, 4});
  });
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (repaints < 30 && std::chrono::steady_clock::now() < end) std::this_thread::yield();
  EXPECT_GE(repaints, 30);
  // The window closes: the image goes while its painter plays.
  loop.Call([&] { image.reset(); });
  const int seen = repaints;
  loop.Call([] {});
  EXPECT_EQ(repaints, seen);
}

TEST(GIFPainterDraw, AScreenWithoutASizeShowsTheFirstFrame) {
  // Two 2 x 2 frames, white then red, on a screen of 0 x 0.
  TGIFImage made;
  MakeAnimation(made, 2, 2, kPalette, {{0, 0, 2, 2, Bytes(4, 1)}, {0, 0, 2, 2, Bytes(4, 2)}});
  std::string bytes = Save(made);
  bytes.replace(6, 4, std::string(4, '\0'));
  auto loaded = Load(bytes);
  TGIFImage& image = *loaded->image;
  ASSERT_EQ(image.Images().Count(), 2);
  ASSERT_EQ(image.Width(), 0);
  Window window(image);
  image.Draw(window.canvas, window.rect);
  EXPECT_EQ(window.Shows(), clWhite);
  const Bitmap* picture = image.GetBitmap();
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->Width(), 2);
  EXPECT_EQ(picture->GetPixel(1, 1), clWhite);
}
