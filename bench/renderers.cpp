// links: kestrova_rendering
// Drawing new base images: gradient, round button with shaded rings and
// smoothing, and a frame, at a button's size and at a large size.

#include <benchmark/benchmark.h>

#include "rendering/BaseImageComposer.h"

using namespace kestrova;

namespace {

TSettings FullBaseImage(int w, int h, bool radial) {
  TSettings s = DefaultSettings();
  s.newx = w;
  s.newy = h;
  s.gradient = true;
  s.radial = radial;
  s.gc1 = 0x2040E0;
  s.gc2 = 0xF0F0F0;
  s.gc3 = 0x102030;
  s.RoundBtn = true;
  s.Round3DLike = true;
  s.Angle = 30;
  s.ExtRadius = 5;
  s.roundmargin = 2;
  s.smooth = 2;
  s.FrameOn = true;
  s.FrameWidth = 2;
  s.FrameRound = true;
  s.FrameRX = s.FrameRY = 8;
  return s;
}

void BM_ComposeBaseImage(benchmark::State& state) {
  const TSettings s = FullBaseImage(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                    state.range(2) != 0);
  for (auto _ : state) benchmark::DoNotOptimize(ComposeBaseImage(s));
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

}  // namespace

BENCHMARK(BM_ComposeBaseImage)
    ->ArgNames({"w", "h", "radial"})
    ->Args({96, 32, 0})
    ->Args({96, 32, 1})
    ->Args({1000, 1000, 0})
    ->Args({1000, 1000, 1})
    ->Unit(benchmark::kMillisecond);
