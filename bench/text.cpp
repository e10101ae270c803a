// links: kestrova_rendering
// Drawing a short button caption, the operation a batch run repeats thousands of times:
// in Latin letters, and in scripts that are shaped or drawn from fallback faces.

#include <benchmark/benchmark.h>

#include "rendering/Canvas.h"

using namespace kestrova;

namespace {

void TextOutCaption(benchmark::State& state, std::uint8_t quality, const char* caption = "Products") {
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
    const TSize extent = canvas.TextExtent(caption);
    canvas.TextOut((96 - extent.cx) / 2, (32 - extent.cy) / 2, caption);
    benchmark::DoNotOptimize(bitmap.ScanLine(16));
  }
}

void BM_TextOutAntialiased(benchmark::State& state) { TextOutCaption(state, fqAntialiased); }
void BM_TextOutMonochrome(benchmark::State& state) { TextOutCaption(state, fqNonAntialiased); }

// Captions that need the bidirectional order, shaping or a fallback face:
// Hebrew, Arabic (joined), Devanagari (reordered, from a fallback face),
// Chinese (from a fallback face) and a mixed line.
const char* const kScriptCaptions[] = {"שלום", "مرحبا", "नमस्ते", "你好世界", "Kontakt עברית"};

void BM_TextOutComplexScript(benchmark::State& state) {
  TextOutCaption(state, fqAntialiased, kScriptCaptions[state.range(0)]);
  state.SetLabel(kScriptCaptions[state.range(0)]);
}

}  // namespace

BENCHMARK(BM_TextOutAntialiased);
BENCHMARK(BM_TextOutMonochrome);
BENCHMARK(BM_TextOutComplexScript)->DenseRange(0, 4);
