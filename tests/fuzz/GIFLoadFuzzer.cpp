// libFuzzer target: any byte string handed to TGIFImage::LoadFromStream must
// load or fail with a GIFException, and a loaded image must render and save.
//
// Build (clang with libFuzzer):
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
//         -DKESTROVA_FUZZ=ON -DKESTROVA_SANITIZE=ON -DKESTROVA_BENCH=OFF
//   cmake --build build-fuzz
// ctest in build-fuzz runs it for a few seconds from the seed files in
// tests/data/gif. For a longer run, keep a corpus of your own:
//   mkdir -p /tmp/gif-corpus
//   build-fuzz/tests/fuzz/fuzz_gif_load /tmp/gif-corpus tests/data/gif -max_total_time=3600 -max_len=4096

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "gif/GIFException.h"
#include "gif/GIFImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  TGIFImage image;
  image.OnItemWarning = [](const void*, int, const std::string&) {};
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    image.LoadFromStream(in);
  } catch (const GIFException&) {
    return 0;
  }
  try {
    if (const Bitmap* bitmap = image.GetBitmap()) bitmap->GetPixel(0, 0);
    if (!image.Empty()) {
      std::ostringstream out;
      image.SaveToStream(out);
    }
  } catch (const GIFException&) {
    // Frames without a colour table, or pixels outside their table, are refused on output.
  }
  return 0;
}
