// links: kestrova_gif
// Playing and optimising GIF animations: a synchronous painter composing
// every frame of a 320 x 240 animation (with a clock that never sleeps, so
// only the work is measured), an asynchronous one handing its frames to this
// thread through a task queue, and the optimiser on the same animation.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "gif/GIFExtensionGraphicControl.h"
#include "gif/GIFPainter.h"

namespace {

using namespace kestrova;

constexpr int kWidth = 320, kHeight = 240, kFrames = 20;

// Waits end at once: the clock jumps to their deadline.
class InstantClock : public TGIFClock {
 public:
  std::int64_t Now() override { return now_; }
  void WaitUntil(std::condition_variable&, std::unique_lock<std::mutex>&, std::int64_t deadline) override {
    if (deadline != kForever && deadline > now_) now_ = deadline;
  }

 private:
  std::atomic<std::int64_t> now_{0};
};

// A background of noise, then frames with a moving 64 x 48 picture whose
// corners are transparent; every other one is restored to the background after it shows.
std::unique_ptr<TGIFImage> Animation() {
  auto image = std::make_unique<TGIFImage>();
  image->Header().SetLogicalScreenWidth(kWidth);
  image->Header().SetLogicalScreenHeight(kHeight);
  std::vector<TColor> palette;
  for (int i = 0; i < 64; ++i) palette.push_back(RGBColor(i * 4, 255 - i * 4, (i * 37) & 0xFF));
  image->Header().GlobalColorMap().ImportPalette(palette);
  std::uint32_t noise = 7;
  for (int f = 0; f < kFrames; ++f) {
    auto frame = std::make_unique<TGIFSubImage>(image.get());
    TGIFSubImage& ref = *frame;
    image->Add(std::move(frame));
    const bool background = f == 0;
    const int w = background ? kWidth : 64, h = background ? kHeight : 48;
    ref.SetBounds(background ? 0 : (f * 13) % (kWidth - w), background ? 0 : (f * 7) % (kHeight - h), w, h);
    for (int y = 0; y < h; ++y) {
      std::uint8_t* row = ref.Scanline(y);
      for (int x = 0; x < w; ++x) {
        noise = noise * 1103515245 + 12345;
        const bool corner = !background && (x < 8 || x >= w - 8) && (y < 8 || y >= h - 8);
        row[x] = corner ? 63 : static_cast<std::uint8_t>((noise >> 16) % 60);
      }
    }
    auto control = std::make_unique<TGIFGraphicControlExtension>(&ref);
    control->SetDelay(5);
    if (!background) {
      control->SetDisposal(f % 2 == 0 ? 2 : 1);
      control->SetTransparent(true);
      control->SetTransparentColorIndex(63);
    }
    ref.Extensions().Add(std::move(control));
  }
  image->Clock = std::make_shared<InstantClock>();
  return image;
}

void BM_PainterSynchronous(benchmark::State& state) {
  auto image = Animation();
  Bitmap target(kWidth, kHeight, PixelFormat::pf24bit);
  TCanvas canvas(target);
  for (auto _ : state) {
    image->CreatePainter(nullptr, canvas, doAnimate | doTransparent, TRect{0, 0, kWidth, kHeight});
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_PainterSynchronous)->Unit(benchmark::kMillisecond);

void BM_PainterAsynchronous(benchmark::State& state) {
  auto image = Animation();
  auto queue = std::make_shared<TGIFTaskQueue>();
  image->Executor = queue;
  Bitmap target(kWidth, kHeight, PixelFormat::pf24bit);
  TCanvas canvas(target);
  for (auto _ : state) {
    TGIFPainter* painter = nullptr;
    image->CreatePainter(&painter, canvas, doAsync | doAnimate | doTransparent, TRect{0, 0, kWidth, kHeight});
    painter->Start();
    while (painter != nullptr) {
      queue->WaitForTask(std::chrono::milliseconds(1));
      queue->RunPending();
    }
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_PainterAsynchronous)->Unit(benchmark::kMillisecond);

void BM_Optimize(benchmark::State& state) {
  const auto prototype = Animation();
  for (auto _ : state) {
    state.PauseTiming();
    TGIFImage image;
    image.Assign(*prototype);
    state.ResumeTiming();
    image.Optimize(optAll);
    benchmark::DoNotOptimize(image.Images().Count());
  }
}
BENCHMARK(BM_Optimize)->Unit(benchmark::kMillisecond);

}  // namespace
