// links: kestrova_rendering
// Canvas speed: fills and copies on a button-sized and a large bitmap, and the
// short wide arcs a round button is drawn with.

#include <benchmark/benchmark.h>

#include <cmath>

#include "rendering/Canvas.h"

using namespace kestrova;

namespace {

void FillRect(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Bitmap b(w, h);
  TCanvas c(b);
  c.Brush.color = 0x336699;
  for (auto _ : state) {
    c.FillRect(TRect{0, 0, w, h});
    benchmark::DoNotOptimize(b.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void CopyRect(benchmark::State& state, CopyMode mode, int shrink) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Bitmap src(w / shrink, h / shrink), dst(w, h);
  src.Fill(0x123456);
  TCanvas c(dst);
  for (auto _ : state) {
    c.CopyRect(TRect{0, 0, w, h}, src, TRect{0, 0, src.Width(), src.Height()}, mode);
    benchmark::DoNotOptimize(dst.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void CopyRectOneToOne(benchmark::State& state) { CopyRect(state, CopyMode::cmSrcCopy, 1); }
void CopyRectStretched(benchmark::State& state) { CopyRect(state, CopyMode::cmSrcCopy, 2); }
void CopyRectAnd(benchmark::State& state) { CopyRect(state, CopyMode::cmSrcAnd, 1); }

// One ring of short two-pixel arcs round an ellipse clipped to itself.
void RingOfShortArcs(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Bitmap b(w, h);
  TCanvas c(b);
  c.Pen.width = 2;
  const ClipRegion clip = ClipRegion::Ellipse(TRect{0, 0, w, h});
  c.SelectClipRegion(&clip);
  const int steps = w + h + 1, r = w / 2 - 3;
  const double step = 2 * M_PI / steps;
  for (auto _ : state) {
    for (int t = 0; t < steps; ++t) {
      const double a = t * step, next = a + step;
      c.Arc(0, 0, w, h, int(std::lrint(std::cos(next) * r + w / 2)), int(std::lrint(std::sin(next) * r + h / 2)),
            int(std::lrint(std::cos(a) * r + w / 2)), int(std::lrint(std::sin(a) * r + h / 2)));
    }
    benchmark::DoNotOptimize(b.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * steps);
}

}  // namespace

BENCHMARK(FillRect)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(CopyRectOneToOne)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(CopyRectStretched)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(CopyRectAnd)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(RingOfShortArcs)->Args({96, 32})->Args({1000, 1000});
