// links: kestrova_core
// Reading every preset of a big preset file, and loading then saving a project.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/files/IniFile.h"
#include "core/files/ProjectFile.h"
#include "core/support/FileAccess.h"

using namespace kestrova;

namespace {

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern + "/";
  }
  ~BenchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

std::string PresetFileText(int presets) {
  static const char* keys[] = {"BNX", "BNY", "BNOpacity", "BNColorBG", "BNColorFG", "BNColorBL", "BNColorTR",
                               "Myblack", "Mywhite", "Angle", "ExtRadius", "roundmargin", "smooth", "Round3DLike",
                               "RoundBtn", "FrameOn", "FrameColor", "FrameWidth", "FrameRound", "FrameMargin",
                               "FrameRX", "FrameRY", "gradient", "horizontal", "twoonly", "gc1", "gc2", "gc3",
                               "radial"};
  std::string text;
  for (int p = 1; p <= presets; ++p) {
    text += "[preset" + std::to_string(p) + "]\r\n";
    for (const char* key : keys) text += std::string(key) + "=" + std::to_string(p % 7) + "\r\n";
  }
  return text;
}

void ReadEveryPreset(const std::string& file, benchmark::State& state) {
  const TIniFile ini(file);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  TSettings settings;
  for (const std::string& section : sections) ReadPresetKeys(section, &ini, settings);
  benchmark::DoNotOptimize(settings);
  if (sections.size() != 1000) state.SkipWithError("wrong preset count");
}

// The file unchanged between runs: one parse, then lookups.
void BM_ReadThousandPresets(benchmark::State& state) {
  BenchFolder folder;
  const std::string file = folder.File("presets.ini");
  WriteFileAtomically(file, PresetFileText(1000));
  for (auto _ : state) ReadEveryPreset(file, state);
}
BENCHMARK(BM_ReadThousandPresets)->Unit(benchmark::kMillisecond);

// The file replaced before every run, so each run parses it once.
void BM_ReadThousandPresetsFresh(benchmark::State& state) {
  BenchFolder folder;
  const std::string file = folder.File("presets.ini");
  const std::string text = PresetFileText(1000);
  for (auto _ : state) {
    state.PauseTiming();
    WriteFileAtomically(file, text);
    state.ResumeTiming();
    ReadEveryPreset(file, state);
  }
}
BENCHMARK(BM_ReadThousandPresetsFresh)->Unit(benchmark::kMillisecond);

void BM_LoadAndSaveProject(benchmark::State& state) {
  BenchFolder folder;
  const std::string file = folder.File("p.btn");
  std::vector<std::string> captions;
  for (int i = 0; i < 20; ++i) captions.push_back("Caption " + std::to_string(i));
  TSettings settings = DefaultSettings();
  settings.image_file = folder.File("img/base.png");
  std::string error;
  SaveProject(file, captions, error, settings);
  for (auto _ : state) {
    if (!LoadProject(file, settings, error) || !SaveProject(file, captions, error, settings)) {
      state.SkipWithError("project round trip failed");
    }
  }
}
BENCHMARK(BM_LoadAndSaveProject)->Unit(benchmark::kMillisecond);

}  // namespace
