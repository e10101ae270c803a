// libFuzzer target: the project reader (an INI file) on any byte string. The
// bytes go into a file, as the reader takes a file name; a project that loads
// is saved and loaded again. Neither may crash or raise.
// ctest in build-fuzz runs it for a few seconds from its seed files; for a longer run:
//   build-fuzz/tests/fuzz/fuzz_project_load /tmp/project-corpus tests/fuzz/corpus/project -max_total_time=600

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/files/ProjectFile.h"
#include "core/support/FileAccess.h"
#include "core/support/StrLib.h"
#include "tests/fuzz/FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  // A new name for every input: the reader keeps parsed files by name.
  static unsigned long run = 0;
  const std::string project = fuzz::PrivateFolder() + std::to_string(++run) + ".btn";
  const std::string copy = fuzz::PrivateFolder() + std::to_string(run) + "-saved.btn";
  if (!WriteFileAtomically(project, std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
  TSettings settings = DefaultSettings();
  std::string error;
  if (LoadProject(project, settings, error)) {
    const std::vector<std::string> captions = SplitLines(settings.captions);
    if (!SaveProject(copy, captions, error, settings)) std::abort();
    TSettings again = DefaultSettings();
    if (!LoadProject(copy, again, error)) std::abort();
  }
  std::filesystem::remove(project);
  std::filesystem::remove(copy);
  return 0;
}
