// libFuzzer target: any byte string handed to TGIFImage::LoadFromStream must
// load or fail with an error the program reports (a std::runtime_error:
// GIFException, BitmapError, ...), and a loaded image must render and save
// (or refuse to, with such an error).
//
// Build (clang with libFuzzer):
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
//         -DKESTROVA_FUZZ=ON -DKESTROVA_SANITIZE=ON -DKESTROVA_BENCH=OFF
//   cmake --build build-fuzz
// ctest in build-fuzz runs it for a few seconds from the seed files in
// tests/data/gif and tests/fuzz/corpus/gif (inputs that once stopped it). For
// a longer run, keep a corpus of your own:
//   mkdir -p /tmp/gif-corpus
//   build-fuzz/tests/fuzz/fuzz_gif_load /tmp/gif-corpus tests/data/gif tests/fuzz/corpus/gif \
//       -max_total_time=3600 -max_len=4096

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

#include "gif/GIFImage.h"

// Pictures beyond this many pixels (frames, or the picture the first frame is
// drawn into) are refused or not drawn: a few bytes can declare 2^28 pixels,
// which takes tens of seconds to render and encode under the sanitizers and
// finds nothing a small one would not.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 22;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  TGIFImage image;
  image.OnItemWarning = [](const void*, int, const std::string&) {};
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    image.LoadFromStream(in, TGIFLoadLimits{.pixels = kMaxPixels});
  } catch (const std::runtime_error&) {
    return 0;
  }
  // The picture the first frame is drawn into: a screen without a height (or
  // width) takes the frame's extent, which may lie far beyond the screen.
  const TSize picture = image.PictureSize();
  if (std::int64_t{picture.cx} * picture.cy > kMaxPixels) return 0;
  try {
    if (const Bitmap* bitmap = image.GetBitmap()) bitmap->GetPixel(0, 0);
    if (!image.Empty()) {
      std::ostringstream out;
      image.SaveToStream(out);
    }
  } catch (const std::runtime_error&) {
    // Frames without a colour table, or pixels outside their table, are refused on output.
  }
  return 0;
}
