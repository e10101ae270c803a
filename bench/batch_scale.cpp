// links: kestrova_model
// Batch runs of many GIF buttons, as a script starts them: a project of
// 120 x 32 buttons (gradient base with a bevel, the post effect, anti-aliased
// bold captions with a shadow, octree quantizer with Floyd-Steinberg, LZW) and
// a captions file of 1,000, 10,000 or 100,000 lines, saved with the test
// page, each on one thread and on every processor the program may use (the
// two figures side by side). Reports buttons per second and the time per button;
// BM_BatchPeakMemory runs the same job with the program itself
// (build/kestrova, beside the bench folder) and reports that process's peak
// resident size.
//
// The runs work in a folder under TMPDIR (TMPDIR=/dev/shm puts them on
// tmpfs). "All" processors are those the program may use (taskset limits
// them). Use --benchmark_repetitions for medians.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/support/CommandLine.h"
#include "core/support/Messages.h"
#include "core/support/OrderedWork.h"
#include "ui/model/commands/BatchRun.h"

extern char** environ;

using namespace kestrova;

namespace {

namespace fs = std::filesystem;

constexpr const char* kProject =
    "[main]\r\nnewx=120\r\nnewy=32\r\ngradient=1\r\nBNOpacity=60\r\nBNX=3\r\nBNY=3\r\n"
    "fontname=DejaVu Sans\r\nfontsize=9\r\nfontstyle=B\r\ntextalign=1\r\ntextyalign=1\r\n"
    "antialias=1\r\nshadow=1\r\npostBNopacity=40\r\npostBNx=1\r\npostBNy=1\r\n"
    "FileFormat=1\r\nGIFColorReduc=7\r\nGIFDither=1\r\nGIFCompr=0\r\noutputdir=out\r\nForceDirs=1\r\nsavehtml=1\r\n"
    "[captions]\r\nc0=unused\r\n";

void WriteText(const fs::path& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

// The folder the runs of this process work in, each in a sub-folder.
fs::path BenchFolder() { return fs::temp_directory_path() / ("kestrova-bench-scale-" + std::to_string(::getpid())); }

// A fresh folder holding the project and a captions file of `captions` lines,
// all of one length ("Button 000001", ...), so that every button costs the
// same whatever the count.
// Every run writes into a folder of its own: files deleted just before would
// make some file systems (ext4) search longer for free inodes.
fs::path PrepareFolder(long captions, int run) {
  const fs::path folder = BenchFolder() / std::to_string(run);
  fs::remove_all(folder);
  fs::create_directories(folder);
  WriteText(folder / "bench.btn", kProject);
  std::string lines;
  for (long i = 1; i <= captions; ++i) {
    const std::string number = std::to_string(i);
    lines.append("Button ").append(6 - std::min<std::size_t>(number.size(), 6), '0').append(number).append("\r\n");
  }
  WriteText(folder / "captions.txt", lines);
  return folder;
}

// One batch run in `folder` (its current folder for the run); the exit status.
int RunIn(const fs::path& folder) {
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  const fs::path oldFolder = fs::current_path();
  fs::current_path(folder);
  ShellMode = ParseCommandLine({"/x", "bench.btn", "captions.txt"});
  const int status = RunBatch();
  ShellMode = false;
  fs::current_path(oldFolder);
  return status;
}

void BM_BatchGif(benchmark::State& state) {
  const long captions = state.range(0);
  SetWorkerThreadCount(static_cast<int>(state.range(1)));
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path folder = PrepareFolder(captions, run++);
    state.ResumeTiming();
    if (RunIn(folder) != 0) state.SkipWithError("the batch run logged an error");
  }
  SetWorkerThreadCount(0);
  const double buttons = static_cast<double>(captions) * state.iterations();
  state.counters["buttons/s"] = benchmark::Counter(buttons, benchmark::Counter::kIsRate);
  state.counters["time/button"] =
      benchmark::Counter(buttons, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  fs::remove_all(BenchFolder());
}

// Runs the program's batch job in `folder`; the peak resident size of that
// process in MB, negative when it failed.
double PeakMegabytesOfProgramRun(const fs::path& folder) {
  const std::string program = (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "kestrova").string();
  const std::string config = "XDG_CONFIG_HOME=" + (folder / "config").string();
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("/x"), const_cast<char*>("bench.btn"),
                  const_cast<char*>("captions.txt"), nullptr};
  std::vector<char*> env{const_cast<char*>(config.c_str())};
  for (char** e = environ; *e; ++e) env.push_back(*e);
  env.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  pid_t pid = 0;
  const int started = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
  ::posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return -1;
  int status = 0;
  struct rusage usage {};
  if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

void BM_BatchPeakMemory(benchmark::State& state) {
  const long captions = state.range(0);
  int run = 0;
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path folder = PrepareFolder(captions, run++);
    state.ResumeTiming();
    peak = PeakMegabytesOfProgramRun(folder);
    if (peak < 0) state.SkipWithError("the batch run failed");
  }
  state.counters["peak_MB"] = peak;
  state.counters["time/button"] = benchmark::Counter(static_cast<double>(captions) * state.iterations(),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  fs::remove_all(BenchFolder());
}

}  // namespace

// Each count of captions on one thread, then on all the processors.
void OnOneAndAllProcessors(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"buttons", "threads"});
  for (const long captions : {1000, 10000, 100000}) {
    bench->Args({captions, 1});
    if (MachineThreadCount() > 1) bench->Args({captions, MachineThreadCount()});
  }
}

BENCHMARK(BM_BatchGif)->Apply(OnOneAndAllProcessors)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchPeakMemory)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
