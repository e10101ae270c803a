// links: kestrova_gif
#include <benchmark/benchmark.h>

#include <cmath>

#include "gif/ColorReduction.h"

using namespace kestrova;

namespace {

// Smooth gradients with a little texture: many distinct colours, as in a photo.
Bitmap PhotoLike(int w, int h) {
  Bitmap b(w, h, PixelFormat::pf24bit);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* p = b.ScanLine(y);
    for (int x = 0; x < w; ++x, p += 3) {
      const double fx = static_cast<double>(x) / w, fy = static_cast<double>(y) / h;
      p[0] = static_cast<std::uint8_t>(127.5 + 127.5 * std::sin(6.0 * fx + 2.0 * fy));
      p[1] = static_cast<std::uint8_t>(255.0 * fy * (0.75 + 0.25 * std::cos(40.0 * fx)));
      p[2] = static_cast<std::uint8_t>((x * 7 + y * 13) % 64 + 191.0 * fx * (1.0 - fy));
    }
  }
  return b;
}

void Reduce(benchmark::State& state, int w, int h, TColorReduction reduction, TDitherMode mode) {
  const Bitmap picture = PhotoLike(w, h);
  for (auto _ : state) {
    Bitmap source = picture;
    benchmark::DoNotOptimize(ReduceColors(source, reduction, mode));
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void ButtonQuantizeFloydSteinberg(benchmark::State& state) {
  Reduce(state, 96, 32, TColorReduction::rmQuantize, TDitherMode::dmFloydSteinberg);
}
void PhotoQuantizeFloydSteinberg(benchmark::State& state) {
  Reduce(state, 2000, 2000, TColorReduction::rmQuantize, TDitherMode::dmFloydSteinberg);
}
void PhotoNetscapeNearest(benchmark::State& state) {
  Reduce(state, 2000, 2000, TColorReduction::rmNetscape, TDitherMode::dmNearest);
}
void PhotoHalftoneSteveArche(benchmark::State& state) {
  Reduce(state, 2000, 2000, TColorReduction::rmWindows256, TDitherMode::dmSteveArche);
}

}  // namespace

BENCHMARK(ButtonQuantizeFloydSteinberg);
BENCHMARK(PhotoQuantizeFloydSteinberg)->Unit(benchmark::kMillisecond);
BENCHMARK(PhotoNetscapeNearest)->Unit(benchmark::kMillisecond);
BENCHMARK(PhotoHalftoneSteveArche)->Unit(benchmark::kMillisecond);
