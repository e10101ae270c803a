// links: kestrova_rendering
// Drawing a short button caption, the operation a batch run repeats thousands of times.

#include <benchmark/benchmark.h>

#include "rendering/Canvas.h"

using namespace kestrova;

namespace {

void TextOutCaption(benchmark::State& state, std::uint8_t quality) {
  Bitmap bitmap(96, 32);
  bitmap.Fill(0xC08040);
  TCanvas canvas(bitmap);
  canvas.Brush.style = BrushStyle::bsClear;
  canvas.Font.name = "Arial";
  canvas.Font.size = 10;
  canvas.Font.style = fsBold;
  canvas.Font.color = clWhite;
  canvas.Font.quality = quality;
  for (auto _ : state) {
    const TSize extent = canvas.TextExtent("Products");
    canvas.TextOut((96 - extent.cx) / 2, (32 - extent.cy) / 2, "Products");
    benchmark::DoNotOptimize(bitmap.ScanLine(16));
  }
}

void BM_TextOutAntialiased(benchmark::State& state) { TextOutCaption(state, fqAntialiased); }
void BM_TextOutMonochrome(benchmark::State& state) { TextOutCaption(state, fqNonAntialiased); }

}  // namespace

BENCHMARK(BM_TextOutAntialiased);
BENCHMARK(BM_TextOutMonochrome);
