// links: kestrova_model
// A whole batch run (open the project, draw its base image, generate, save,
// log) of 1000 captions on 96 x 32 buttons with anti-aliased text, a shadow
// and the post effect; as GIF (octree quantizer, Floyd-Steinberg) and as PNG.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/support/CommandLine.h"
#include "core/support/Messages.h"
#include "ui/model/commands/BatchRun.h"

using namespace kestrova;

namespace {

constexpr int kButtons = 1000;

std::string Project(int fileFormat) {
  std::string text =
      "[main]\r\nnewx=96\r\nnewy=32\r\ngradient=1\r\nBNOpacity=60\r\nBNX=3\r\nBNY=3\r\n"
      "fontname=DejaVu Sans\r\nfontsize=9\r\nfontstyle=B\r\ntextalign=1\r\ntextyalign=1\r\n"
      "antialias=1\r\nshadow=1\r\npostBNopacity=40\r\npostBNx=1\r\npostBNy=1\r\n"
      "GIFColorReduc=7\r\nGIFDither=1\r\nPNGCompressionLevel=6\r\noutputdir=out\r\nForceDirs=1\r\n"
      "FileFormat=";
  text.append(std::to_string(fileFormat)).append("\r\n[captions]\r\n");
  for (int i = 0; i < kButtons; ++i) {
    text.append("c").append(std::to_string(i)).append("=Button ").append(std::to_string(i + 1)).append("\r\n");
  }
  return text;
}

// Runs the project's batch job in a fresh folder once per iteration.
void BatchRun(benchmark::State& state, int fileFormat) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("kestrova-bench-batch-" + std::to_string(fileFormat));
  fs::remove_all(folder);
  fs::create_directories(folder);
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  const fs::path oldFolder = fs::current_path();
  fs::current_path(folder);
  {
    std::FILE* f = std::fopen("bench.btn", "wb");
    const std::string text = Project(fileFormat);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  ShellMode = ParseCommandLine({"/x", "bench.btn"});
  for (auto _ : state) {
    if (RunBatch() != 0) state.SkipWithError("the batch run logged an error");
  }
  state.counters["buttons/s"] = benchmark::Counter(static_cast<double>(kButtons) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
  ShellMode = false;
  fs::current_path(oldFolder);
  fs::remove_all(folder);
}

void BM_BatchRunGif(benchmark::State& state) { BatchRun(state, 1); }
void BM_BatchRunPng(benchmark::State& state) { BatchRun(state, 3); }

}  // namespace

BENCHMARK(BM_BatchRunGif)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchRunPng)->Unit(benchmark::kMillisecond)->UseRealTime();
