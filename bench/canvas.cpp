// links: kestrova_rendering
// Canvas speed: fills and copies on a button-sized and a large bitmap, the
// short wide arcs a round button is drawn with, and a wide zigzag drawn with
// the copying pen and with the exclusive-or pen (whose pixels are gathered to
// be painted once).

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

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

// A zigzag of 20 segments across the bitmap with a pen 7 pixels wide.
void WideZigzag(benchmark::State& state, int rop2) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Bitmap b(w, h);
  TCanvas c(b);
  c.Pen.width = 7;
  c.Rop2 = rop2;
  std::vector<TPoint> points;
  for (int i = 0; i <= 20; ++i) points.push_back(TPoint{i * w / 20, i % 2 ? h - 4 : 3});
  for (auto _ : state) {
    c.Polyline(points);
    benchmark::DoNotOptimize(b.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * 20);
}

void WideZigzagCopy(benchmark::State& state) { WideZigzag(state, kRop2CopyPen); }
void WideZigzagXor(benchmark::State& state) { WideZigzag(state, kRop2XorPen); }

}  // namespace

BENCHMARK(FillRect)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(CopyRectOneToOne)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(CopyRectStretched)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(CopyRectAnd)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(RingOfShortArcs)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(WideZigzagCopy)->Args({96, 32})->Args({1000, 1000});
BENCHMARK(WideZigzagXor)->Args({96, 32})->Args({1000, 1000});
