// links: kestrova_core
// Generating the buttons of a project with 1000 captions: 96 x 32 buttons
// copied from a base image, the post effect, anti-aliased captions with
// a shadow. Reports buttons per second.

#include <benchmark/benchmark.h>

#include "core/generation/ButtonGeneration.h"

using namespace kestrova;

namespace {

ButtonSetInput ThousandCaptions(const Bitmap& base, bool cut) {
  ButtonSetInput input;
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) lines.push_back("Button " + std::to_string(i));
  input.lines = lines;
  input.linesPerButton = 1;
  input.base = &base;
  if (cut) input.cut = CutSettings{true, cmHorizontalStrip, 96, 32, 0, 0, 1};
  input.post = PostEffect{50, 2, 2, clWhite, clBlack};
  input.caption.font = TFont{"Arial", 10, fsBold, 1, clWhite, fqDefault};
  input.caption.antialias = true;
  input.caption.layout = TextLayout{1, 1, 0, 0, 0};
  input.caption.shadow = TextShadow{true, false, clBlack, {1, 1}};
  return input;
}

// A base image with a vertical band of colours, so that no two rows are alike.
Bitmap BaseImage(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    const TColor c = RGBColor(0x20 + 4 * y, 0x40 + 2 * y, 0xE0 - 3 * y);
    for (int x = 0; x < w; ++x) b.SetRawPixel(x, y, c);
  }
  return b;
}

void Generate(benchmark::State& state, const Bitmap& base, bool cut) {
  const ButtonSetInput input = ThousandCaptions(base, cut);
  for (auto _ : state) {
    std::vector<GeneratedButton> buttons = GenerateButtonSet(input);
    benchmark::DoNotOptimize(buttons.data());
  }
  state.counters["buttons/s"] = benchmark::Counter(1000.0 * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_GenerateCopies(benchmark::State& state) { Generate(state, BaseImage(96, 32), false); }
// The same buttons cut from one strip 96000 pixels wide (what lies past it stays white).
void BM_GenerateCutStrip(benchmark::State& state) { Generate(state, BaseImage(96000, 32), true); }

}  // namespace

BENCHMARK(BM_GenerateCopies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateCutStrip)->Unit(benchmark::kMillisecond);
