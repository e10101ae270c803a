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

// Pictures beyond this many pixels (frames or screen) are refused or not
// drawn: a few bytes can declare 2^28 pixels, which takes tens of seconds to
// render and encode under the sanitizers and finds nothing a small one would not.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 22;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  TGIFImage image;
  image.OnItemWarning = [](const void*, int, const std::string&) {};
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    image.LoadFromStream(in, TGIFLoadLimits{.pixels = kMaxPixels});
  } catch (const GIFException&) {
    return 0;
  }
  if (std::int64_t{image.Width()} * image.Height() > kMaxPixels) return 0;
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
