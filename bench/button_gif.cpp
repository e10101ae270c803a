// links: kestrova_core
// The GIF path of a batch run, one step at a time, on 200 different buttons
// of 120 x 32 (gradient base with bevel, post effect, anti-aliased bold
// captions with a shadow): the octree palette alone, the whole colour
// reduction (octree + Floyd-Steinberg) and the whole GIF file (reduction and
// LZW). Reports buttons per second.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/generation/ButtonGeneration.h"
#include "core/images/GifCodec.h"
#include "gif/ColorReduction.h"
#include "gif/Octree.h"
#include "rendering/BaseImageComposer.h"

using namespace kestrova;

namespace {

constexpr int kButtons = 200;

std::vector<Bitmap> Buttons() {
  TSettings settings = DefaultSettings();
  settings.newx = 120;
  settings.newy = 32;
  settings.gradient = true;
  settings.BNOpacity = 60;
  settings.BNX = 3;
  settings.BNY = 3;
  const Bitmap base = ComposeBaseImage(settings);
  ButtonSetInput input;
  std::vector<std::string> lines;
  for (int i = 0; i < kButtons; ++i) lines.push_back("Button " + std::to_string(i + 1));
  input.lines = lines;
  input.base = &base;
  input.post = PostEffect{40, 1, 1, clWhite, clBlack};
  input.caption.font = TFont{"DejaVu Sans", 9, fsBold, 1, clWhite, fqDefault};
  input.caption.antialias = true;
  input.caption.layout = TextLayout{1, 1, 0, 0, 0};
  input.caption.shadow = TextShadow{true, false, clBlack, {1, 1}};
  std::vector<Bitmap> buttons;
  for (GeneratedButton& button : GenerateButtonSet(input)) buttons.push_back(std::move(button.bitmap));
  return buttons;
}

template <class Step>
void PerButton(benchmark::State& state, Step step) {
  const std::vector<Bitmap> buttons = Buttons();
  for (auto _ : state) {
    for (const Bitmap& button : buttons) step(button);
  }
  state.counters["buttons/s"] = benchmark::Counter(static_cast<double>(kButtons) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
}

void BM_ButtonOctreePalette(benchmark::State& state) {
  PerButton(state, [](const Bitmap& button) {
    Bitmap copy = button;
    benchmark::DoNotOptimize(CreateOctreePaletteForBitmap(copy, 256, 8, false));
  });
}

void BM_ButtonReduceOctreeFloydSteinberg(benchmark::State& state) {
  PerButton(state, [](const Bitmap& button) {
    Bitmap copy = button;
    benchmark::DoNotOptimize(ReduceColors(copy, TColorReduction::rmQuantize, TDitherMode::dmFloydSteinberg));
  });
}

void BM_ButtonEncodeGif(benchmark::State& state) {
  PerButton(state, [](const Bitmap& button) {
    benchmark::DoNotOptimize(
        EncodeGif(button, TColorReduction::rmQuantize, TDitherMode::dmFloydSteinberg, TGIFCompression::gcLZW));
  });
}

}  // namespace

BENCHMARK(BM_ButtonOctreePalette)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ButtonReduceOctreeFloydSteinberg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ButtonEncodeGif)->Unit(benchmark::kMillisecond);
