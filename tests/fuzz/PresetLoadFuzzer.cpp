// libFuzzer target: a preset file (an INI file) on any byte string, read the
// way the presets dialog reads it. Each of its first presets is brought into
// the window's limits and drawn as the dialog's preview, then stored as a new
// preset of another file and read back: the stored preset must be the one
// drawn. Nothing may crash, raise, overflow or keep running (libFuzzer's
// -timeout catches a preview that never ends).
// ctest in build-fuzz runs it for a few seconds from its seed files; for a longer run:
//   build-fuzz/tests/fuzz/fuzz_preset_load /tmp/preset-corpus tests/fuzz/corpus/preset -max_total_time=600

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/files/PresetSetList.h"
#include "core/files/ProjectFile.h"
#include "core/support/FileAccess.h"
#include "rendering/BaseImageComposer.h"
#include "tests/fuzz/FuzzFolder.h"
#include "ui/model/dialogs/PresetGrid.h"
#include "ui/model/form/MainForm.h"

namespace {

// The window whose controls' limits the presets take; its settings files go
// into the private folder.
const kestrova::TForm1& Window() {
  static const kestrova::TForm1 form = [] {
    ::setenv("XDG_CONFIG_HOME", kestrova::fuzz::PrivateFolder().c_str(), 1);
    return kestrova::TForm1();
  }();
  return form;
}

// Presets drawn per input: enough to reach past the first section, few enough
// to keep every input quick.
constexpr std::size_t kDrawnPresets = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  const TForm1& form = Window();
  // New names for every input: the reader keeps parsed files by name.
  static unsigned long run = 0;
  const std::string file = kestrova::fuzz::PrivateFolder() + std::to_string(++run) + ".ini";
  const std::string stored = kestrova::fuzz::PrivateFolder() + std::to_string(run) + "-stored.ini";
  if (!WriteFileAtomically(file, std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
  PresetSets = {"fuzz=" + file, "stored=" + stored};
  CurrentPresetSet = "fuzz";
  const std::vector<TPresetSection> presets = CurrentSetPresets();
  for (std::size_t i = 0; i < presets.size() && i < kDrawnPresets; ++i) {
    const TSettings drawn = PresetPreviewSettings(form, file, presets[i].name, false);
    try {
      (void)ComposeBaseImage(drawn);
    } catch (const BitmapError&) {
      std::abort();  // every preset within the limits can be drawn
    }
    CurrentPresetSet = "stored";
    const int number = NextPresetNumber();
    WritePreset(drawn, number);
    TSettings back = drawn;
    const TIniFile ini(stored);
    ReadPresetKeys("preset" + std::to_string(number), &ini, back);
    if (!(back == drawn)) std::abort();  // stored and read back, it is the preset drawn
    CurrentPresetSet = "fuzz";
  }
  std::filesystem::remove(file);
  std::filesystem::remove(stored);
  return 0;
}
