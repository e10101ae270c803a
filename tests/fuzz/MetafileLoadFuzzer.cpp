// libFuzzer target: the metafile players (16-bit with or without the placeable
// header, and enhanced) on any byte string, drawn as the program draws a base
// image (see FuzzSupport.h).
// ctest in build-fuzz runs it for a few seconds from its seed files; for a longer run:
//   build-fuzz/tests/fuzz/fuzz_metafile_load /tmp/metafile-corpus tests/fuzz/corpus/metafile -max_total_time=600

#include <vector>

#include "core/images/metafile/Metafile.h"
#include "core/support/InputStreams.h"
#include "tests/fuzz/FuzzSupport.h"

// fontconfig loses a small block while it reads its configuration. The
// rendering library tells the leak checker so where the compiler announces
// AddressSanitizer the way GCC does; clang 14 does not.
#if !defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // As a file is read: as far as its end record, then drawn.
  return kestrova::fuzz::CheckPictureReader(data, size, [](std::span<const std::uint8_t> file) {
    kestrova::MemoryInputStream in(file);
    return kestrova::RenderMetafile(in);
  });
}
