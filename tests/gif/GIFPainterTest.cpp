// The animated painter: delays and speed through a fake clock, loop counts,
// events, stopping, and images destroyed while their painter runs.

#include <gtest/gtest.h>

#include <chrono>

#include "tests/gif/GIFPainterTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

const std::vector<TColor> kPalette = {clBlack, clWhite, clRed, RGBColor(0, 0, 255)};

// A 2 x 2 animation of `count` frames, frame i filled with colour i % 4.
std::unique_ptr<TGIFImage> Frames(int count, int loops = -1, const std::vector<int>& delays = {}) {
  auto image = std::make_unique<TGIFImage>();
  std::vector<TestFrame> planned;
  for (int i = 0; i < count; ++i) {
    TestFrame plan{0, 0, 2, 2, Bytes(4, static_cast<std::uint8_t>(i % 4))};
    if (i < static_cast<int>(delays.size())) plan.delay = delays[i];
    planned.push_back(plan);
  }
  MakeAnimation(*image, 2, 2, kPalette, planned, loops);
  return image;
}

// Plays `image` and records what happens, in order.
struct Recorder {
  std::vector<std::string> events;
  std::vector<int> painted;  // ActiveImage at each OnFramePainted

  void Attach(TGIFImage& image) {
    image.OnPaintStart = [this](TGIFPainter&) { events.push_back("start"); };
    image.OnFramePaint = [this](TGIFPainter& p) { events.push_back("paint " + std::to_string(p.ActiveImage())); };
    image.OnFramePainted = [this](TGIFPainter& p) {
      events.push_back("painted " + std::to_string(p.ActiveImage()));
      painted.push_back(p.ActiveImage());
    };
    image.OnLoopRestart = [this](TGIFPainter&) { events.push_back("restart"); };
    image.OnPaintEnd = [this](TGIFPainter&) { events.push_back("end"); };
  }
};

// An image with its painter's surroundings: a target, a queue pumped on this
// thread and a fake clock.
struct Stage {
  std::shared_ptr<TGIFTaskQueue> queue = std::make_shared<TGIFTaskQueue>();
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  Bitmap target{2, 2, PixelFormat::pf24bit};
  TCanvas canvas{target};
  TGIFPainter* painter = nullptr;

  explicit Stage(TGIFImage& image) {
    image.Executor = queue;
    image.Clock = clock;
    target.Fill(RGBColor(0, 255, 0));
  }
  void Start(TGIFImage& image, TGIFDrawOptions options) {
    image.CreatePainter(&painter, canvas, options, TRect{0, 0, 2, 2});
    if (painter != nullptr) painter->Start();
  }
  bool PumpToEnd() {
    return PumpUntil(*queue, [this] { return painter == nullptr; });
  }
};

constexpr TGIFDrawOptions kAsync = doAsync | doAnimate;
constexpr TGIFDrawOptions kSync = doAnimate;

}  // namespace

TEST(GIFPainter, DelaysAndSpeed) {
  // Delays in units of 12 ms: 1 is raised to 3, 0 means 10, 5000 is cut to
  // 1000 only for a synchronous painter. 20 ms pass while each frame is
  // painted; half of that is taken off the next wait. The last frame's
  // delay is not waited when the animation does not loop.
  struct Case {
    TGIFDrawOptions options;
    int speed;
    std::vector<std::int64_t> waits;
  };
  const Case cases[] = {
      {kAsync, 100, {26, 110, 59990}},
      {kAsync, 200, {13, 55, 29995}},
      {kAsync, 50, {52, 220, 119980}},
      {kSync, 100, {12, 26, 110, 11990}},
      {kSync, 0, {12000, 12000, 12000, 12000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.options & doAsync ? "async " : "sync ") << c.speed);
    auto image = Frames(4, -1, {1, 0, 5000, 7});
    image->AnimationSpeed = c.speed;
    Stage stage(*image);
    image->OnFramePainted = [&](TGIFPainter&) { stage.clock->Advance(20); };
    stage.Start(*image, c.options);
    ASSERT_TRUE(stage.PumpToEnd());
    EXPECT_EQ(stage.clock->Waits(), c.waits);
  }
}

TEST(GIFPainter, SpeedZeroHoldsTheFirstFrameUntilStopped) {
  auto image = Frames(3);
  image->AnimationSpeed = 0;
  Stage stage(*image);
  Recorder recorder;
  recorder.Attach(*image);
  stage.Start(*image, kAsync | doLoop);
  ASSERT_TRUE(PumpUntil(*stage.queue, [&] { return stage.clock->Blocked(); }));
  image->StopDraw();
  EXPECT_EQ(stage.painter, nullptr);
  EXPECT_EQ(recorder.painted, std::vector<int>{0});
  EXPECT_EQ(stage.clock->Waits(), std::vector<std::int64_t>{TGIFClock::kForever});
  EXPECT_FALSE(stage.clock->NeverWoken());
}

TEST(GIFPainter, NegativeSpeedPlaysWithoutWaits) {
  // An asynchronous painter waits nowhere; a synchronous one waits as at speed 0.
  auto image = Frames(3, 2);
  image->AnimationSpeed = -50;
  Stage stage(*image);
  Recorder recorder;
  recorder.Attach(*image);
  stage.Start(*image, kAsync | doLoop);
  ASSERT_TRUE(stage.PumpToEnd());
  EXPECT_EQ(recorder.painted, (std::vector<int>{0, 1, 2, 0, 1, 2}));
  EXPECT_TRUE(stage.clock->Waits().empty());
  EXPECT_FALSE(stage.clock->Blocked());

  auto still = Frames(2);
  still->AnimationSpeed = -1;
  Stage synchronous(*still);
  synchronous.Start(*still, kSync);
  EXPECT_EQ(synchronous.clock->Waits(), (std::vector<std::int64_t>{12000, 12000}));
}

TEST(GIFPainter, APainterCopiesTheFramesQuietly) {
  auto image = Frames(2);
  int heard = 0;
  image->OnProgress = [&](TProgressStage, int, bool, const std::string&) { ++heard; };
  Stage stage(*image);
  stage.Start(*image, kAsync);
  ASSERT_TRUE(stage.PumpToEnd());
  EXPECT_EQ(heard, 0);
  EXPECT_TRUE(image->OnProgress);
}

TEST(GIFPainter, LoopCounts) {
  struct Case {
    const char* name;
    int loops;  // of the looping extension; -1: none
    TGIFDrawOptions options;
    int loopFrame;  // the frame that carries the extension
    std::vector<int> painted;
  };
  const std::vector<int> forever = {0, 1, 0, 1, 0, 1, 0, 1};  // stopped after four passes
  const Case cases[] = {
      {"three passes", 3, kAsync | doLoop, 0, {0, 1, 0, 1, 0, 1}},
      {"no extension plays once", -1, kAsync | doLoop, 0, {0, 1}},
      {"0 is forever", 0, kAsync | doLoop, 0, forever},
      {"forever whatever the count", 2, kAsync | doLoop | doLoopForever, 0, forever},
      {"without doLoop once", 3, kAsync, 0, {0, 1}},
      {"synchronous 0 plays once", 0, kSync | doLoop, 0, {0, 1}},
      {"synchronous two passes", 2, kSync | doLoop, 0, {0, 1, 0, 1}},
      {"frames before the extension play once", 3, kAsync | doLoop, 1, {0, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto image = Frames(2);
    if (c.loops >= 0) AddLoop(image->Images()[c.loopFrame], c.loops);
    Stage stage(*image);
    Recorder recorder;
    recorder.Attach(*image);
    int restarts = 0;
    image->OnLoopRestart = [&](TGIFPainter& p) {
      if (++restarts == 4) p.Stop();
    };
    stage.Start(*image, c.options);
    ASSERT_TRUE(stage.PumpToEnd());
    EXPECT_EQ(recorder.painted, c.painted);
  }
}

TEST(GIFPainter, EventsInOrder) {
  const std::vector<std::string> expected = {"start",   "paint 0",  "painted 0", "paint 1", "painted 1",
                                             "restart", "paint 0",  "painted 0", "paint 1", "painted 1",
                                             "end"};
  for (const TGIFDrawOptions options : {kAsync | doLoop, kSync | doLoop}) {
    SCOPED_TRACE(options & doAsync ? "async" : "sync");
    auto image = Frames(2, 2);
    Stage stage(*image);
    Recorder recorder;
    recorder.Attach(*image);
    stage.Start(*image, options);
    ASSERT_TRUE(stage.PumpToEnd());
    EXPECT_EQ(recorder.events, expected);
  }
}

TEST(GIFPainter, WhatIsPainted) {
  struct Case {
    const char* name;
    int frames;
    TGIFDrawOptions options;
    std::vector<int> painted;
  };
  const Case cases[] = {
      {"doAnimate clear paints the first frame", 3, doAsync | doLoop, {0}},
      {"one frame is painted once, synchronously", 1, kAsync | doLoop | doLoopForever, {0}},
      {"all frames", 3, kAsync, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto image = Frames(c.frames);
    Stage stage(*image);
    Recorder recorder;
    recorder.Attach(*image);
    stage.Start(*image, c.options);
    if (c.frames == 1) {
      EXPECT_EQ(stage.painter, nullptr);
    }
    ASSERT_TRUE(stage.PumpToEnd());
    EXPECT_EQ(recorder.painted, c.painted);
  }
  // Without an executor an animation is a still picture of its first frame.
  auto image = Frames(3);
  Stage stage(*image);
  image->Executor = nullptr;
  Recorder recorder;
  recorder.Attach(*image);
  stage.Start(*image, kAsync | doLoop);
  EXPECT_EQ(stage.painter, nullptr);
  EXPECT_EQ(recorder.painted, std::vector<int>{0});
  EXPECT_EQ(stage.target.GetPixel(1, 1), clBlack);
}

TEST(GIFPainter, HandlerChoosesTheNextFrame) {
  for (const TGIFDrawOptions options : {kAsync, kSync}) {
    auto image = Frames(4);
    Stage stage(*image);
    std::vector<int> painted;
    image->OnFramePainted = [&](TGIFPainter& p) {
      painted.push_back(p.ActiveImage());
      if (p.ActiveImage() == 0) p.SetActiveImage(2);
      if (p.ActiveImage() == 3) p.SetActiveImage(17);  // past the end: the pass ends
    };
    stage.Start(*image, options);
    ASSERT_TRUE(stage.PumpToEnd());
    EXPECT_EQ(painted, (std::vector<int>{0, 2, 3}));
  }
}

TEST(GIFPainter, StoppingDuringALongDelayIsPrompt) {
  // The fake clock never moves on by itself: only waking the painter ends the wait.
  auto image = Frames(2, 0, {60000});
  Stage stage(*image);
  stage.clock->Hold(true);
  int painted = 0;
  image->OnFramePainted = [&](TGIFPainter&) { ++painted; };
  stage.Start(*image, kAsync | doLoop);
  ASSERT_TRUE(PumpUntil(*stage.queue, [&] { return painted == 1 && stage.clock->Blocked(); }));
  image->StopDraw();
  EXPECT_EQ(stage.painter, nullptr);
  EXPECT_FALSE(stage.clock->NeverWoken());

  // The same with the machine's clock: a 12-minute delay, stopped at once.
  image = Frames(2, 0, {60000});
  Stage real(*image);
  image->Clock = GIFSteadyClock();
  painted = 0;
  image->OnFramePainted = [&](TGIFPainter&) { ++painted; };
  real.Start(*image, kAsync | doLoop);
  ASSERT_TRUE(PumpUntil(*real.queue, [&] { return painted == 1; }));
  const auto before = std::chrono::steady_clock::now();
  image->StopDraw();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(10));
}

TEST(GIFPainter, ImageDestroyedWhilePainting) {
  // Destroyed while its painter waits for a task that is still queued, while
  // it waits out a delay, and from inside its own events.
  enum class When { taskQueued, inDelay, inEvent };
  for (const When when : {When::taskQueued, When::inDelay, When::inEvent}) {
    SCOPED_TRACE(static_cast<int>(when));
    auto image = Frames(3, 0);
    Stage stage(*image);
    stage.clock->Hold(when == When::inDelay);
    int painted = 0;
    image->OnFramePainted = [&](TGIFPainter&) {
      if (++painted == 2 && when == When::inEvent) image.reset();
    };
    stage.Start(*image, kAsync | doLoop);
    if (when == When::taskQueued) {
      ASSERT_TRUE(PumpUntil(*stage.queue, [&] { return painted == 2; }));
      ASSERT_TRUE(stage.queue->WaitForTask(std::chrono::seconds(20)));
      image.reset();
    } else if (when == When::inDelay) {
      ASSERT_TRUE(PumpUntil(*stage.queue, [&] { return painted == 1 && stage.clock->Blocked(); }));
      image.reset();
    } else {
      ASSERT_TRUE(PumpUntil(*stage.queue, [&] { return image == nullptr; }));
    }
    EXPECT_EQ(stage.painter, nullptr);
    // What is left in the queue runs harmlessly.
    stage.queue->RunPending();
    stage.queue->RunPending();
    EXPECT_FALSE(stage.clock->NeverWoken());
  }

  // A synchronous painter whose image goes in its own event.
  auto image = Frames(3, 0);
  Stage stage(*image);
  image->OnFramePainted = [&](TGIFPainter&) { image.reset(); };
  stage.Start(*image, kSync | doLoop);
  EXPECT_EQ(image, nullptr);
}

TEST(GIFPainter, ErrorsInEventsEndThePainter) {
  // Asynchronous: the painter ends and the image's warning handler hears why.
  auto image = Frames(3);
  Stage stage(*image);
  std::vector<std::string> warnings;
  image->OnItemWarning = [&](const void*, int, const std::string& m) { warnings.push_back(m); };
  int painted = 0;
  image->OnFramePainted = [&](TGIFPainter&) {
    if (++painted == 2) throw std::runtime_error("handler failed");
  };
  stage.Start(*image, kAsync);
  ASSERT_TRUE(stage.PumpToEnd());
  EXPECT_EQ(painted, 2);
  EXPECT_EQ(warnings, std::vector<std::string>{"handler failed"});

  // Synchronous: the error reaches the caller.
  painted = 0;
  try {
    stage.Start(*image, kSync);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "handler failed");
  }
  EXPECT_EQ(stage.painter, nullptr);
}

TEST(GIFPainter, PaintsOnlyIntoItsRectangle) {
  auto image = Frames(2);  // black, then white
  Stage stage(*image);
  Bitmap wide(6, 4, PixelFormat::pf24bit);
  wide.Fill(RGBColor(0, 0, 255));
  TCanvas canvas(wide);
  std::vector<Bitmap> frames;
  image->OnFramePainted = [&](TGIFPainter&) { frames.push_back(wide); };
  image->CreatePainter(&stage.painter, canvas, kAsync, TRect{2, 1, 6, 3});  // the 2 x 2 screen stretched to 4 x 2
  stage.painter->Start();
  ASSERT_TRUE(stage.PumpToEnd());
  ASSERT_EQ(frames.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        const bool inside = x >= 2 && y >= 1 && y < 3;
        EXPECT_EQ(frames[i].GetPixel(x, y), inside ? kPalette[i] : RGBColor(0, 0, 255)) << i << ": " << x << "," << y;
      }
    }
  }
}

TEST(GIFPainter, TaskQueueWakesItsOwner) {
  struct Queue : TGIFTaskQueue {
    std::vector<TGIFTask> wakes;
    void Wake(TGIFTask run) override { wakes.push_back(std::move(run)); }
  };
  auto queue = std::make_shared<Queue>();
  int ran = 0;
  queue->Post([&] { ++ran; });
  queue->Post([&] { ++ran; });
  ASSERT_EQ(queue->wakes.size(), 1u);  // only when the queue was empty
  queue->wakes[0]();
  EXPECT_EQ(ran, 2);
  queue->Post([&] { ++ran; });
  ASSERT_EQ(queue->wakes.size(), 2u);
  TGIFTask late = queue->wakes[1];
  queue.reset();
  late();  // the queue is gone: nothing runs, nothing breaks
  EXPECT_EQ(ran, 2);

  // A task that throws leaves the ones after it queued.
  auto plain = std::make_shared<TGIFTaskQueue>();
  plain->Post([] { throw std::runtime_error("task failed"); });
  plain->Post([&] { ++ran; });
  EXPECT_THROW(plain->RunPending(), std::runtime_error);
  EXPECT_EQ(ran, 2);
  plain->RunPending();
  EXPECT_EQ(ran, 3);
}

TEST(GIFPainter, RestoringToTheBackgroundColour) {
  // A white row, then a red pair restored to the background, then a blue
  // pixel elsewhere; painted opaque, so the restored pair takes a colour.
  struct Case {
    const char* name;
    TColor drawBackground;
    int globalBackground;  // index into the global table; -1: local tables only
    TColor restored;
  };
  const Case cases[] = {
      {"the image's DrawBackgroundColor", RGBColor(9, 9, 9), 0, RGBColor(9, 9, 9)},
      {"the global table's background entry", clNone, 3, RGBColor(0, 0, 255)},
      {"a window's background without a global table", clNone, -1, clWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGIFImage made;
    MakeAnimation(made, 4, 1, kPalette,
                  {{0, 0, 4, 1, Bytes(4, 1)}, {0, 0, 2, 1, Bytes(2, 2), 2}, {3, 0, 1, 1, Bytes{3}}});
    std::string bytes = Save(made);
    bytes[11] = static_cast<char>(std::max(c.globalBackground, 0));
    auto loaded = Load(bytes);
    TGIFImage& image = *loaded->image;
    if (c.globalBackground < 0) {
      image.Header().GlobalColorMap().Clear();
      for (const auto& frame : image.Images()) frame->ColorMap().ImportPalette(kPalette);
    }
    image.DrawBackgroundColor = c.drawBackground;
    Playback playback;
    ASSERT_TRUE(playback.Play(image, RGBColor(0, 255, 0), kAsync));
    ASSERT_EQ(playback.frames.size(), 3u);
    EXPECT_EQ(playback.target.GetPixel(0, 0), c.restored);
    EXPECT_EQ(playback.target.GetPixel(1, 0), c.restored);
    EXPECT_EQ(playback.target.GetPixel(2, 0), clWhite);
    EXPECT_EQ(playback.target.GetPixel(3, 0), RGBColor(0, 0, 255));
  }
}

TEST(GIFPainter, RestoreOnLoop) {
  // Frame 0 is transparent on the right; frame 1 paints both pixels red.
  // Played twice, frame 0 shows red on the right in its second pass unless
  // its area is restored first.
  for (const bool restore : {false, true}) {
    SCOPED_TRACE(restore);
    TGIFImage image;
    MakeAnimation(image, 2, 1, kPalette, {{0, 0, 2, 1, Bytes{0, 3}, 1, 3}, {0, 0, 2, 1, Bytes{2, 2}}}, 2);
    Playback playback;
    const TGIFDrawOptions options = kAsync | doLoop | doTransparent | (restore ? doRestoreOnLoop : 0);
    ASSERT_TRUE(playback.Play(image, RGBColor(0, 255, 0), options));
    ASSERT_EQ(playback.frames.size(), 4u);
    const std::string green("\x00\xFF\x00", 3), red("\xFF\x00\x00", 3), black(3, '\0');
    EXPECT_EQ(playback.frames[0], black + green);
    EXPECT_EQ(playback.frames[1], red + red);
    EXPECT_EQ(playback.frames[2], black + (restore ? green : red));
  }
}
