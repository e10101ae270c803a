// libFuzzer target: the window store ("kestrova-ui.ini") on any byte string.
// The bytes go into a file, as the store takes a file name; its placement and
// language are read, and the placement (or the first window, when none is
// read) is brought onto a few screens' available areas. Nothing may crash,
// raise or overflow, and the window must lie inside the area with a size of
// at least a pixel.
// ctest in build-fuzz runs it for a few seconds from its seed files; for a longer run:
//   build-fuzz/tests/fuzz/fuzz_window_store /tmp/store-corpus tests/fuzz/corpus/window-store -max_total_time=600

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/support/FileAccess.h"
#include "tests/fuzz/FuzzFolder.h"
#include "ui/model/form/FormStorage.h"
#include "ui/model/form/ScreenFit.h"

namespace {

using kestrova::TBounds;

bool Inside(const TBounds& r, const TBounds& area) {
  return r.width > 0 && r.height > 0 && r.left >= area.left && r.top >= area.top &&
         std::int64_t{r.left} + r.width <= std::int64_t{area.left} + area.width &&
         std::int64_t{r.top} + r.height <= std::int64_t{area.top} + area.height;
}

// Screens side by side, one left of the primary, one far out.
constexpr TBounds kAreas[] = {
    {0, 0, 1600, 1000}, {1600, 0, 1280, 1024}, {-1024, 30, 1024, 738}, {INT_MAX - 2000, INT_MAX - 1000, 2000, 1000}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  // A new name for every input: the INI reader keeps parsed files by name.
  static unsigned long run = 0;
  const std::string file = fuzz::PrivateFolder() + std::to_string(++run) + "-kestrova-ui.ini";
  if (!WriteFileAtomically(file, std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
  TFormStorage store(file);
  store.RestorePlacement();
  (void)store.ReadInteger("Language", 0);
  std::optional<TWindowPlacement> stored;
  if (store.PlacementRestored) stored = store.Placement;
  const std::size_t screen = ScreenOfPlacement(stored, kAreas);
  if (screen >= std::size(kAreas)) std::abort();
  for (const TBounds& area : kAreas) {
    if (!Inside(FitOnScreen(stored, area, 1060, 730), area)) std::abort();
  }
  std::filesystem::remove(file);
  return 0;
}
