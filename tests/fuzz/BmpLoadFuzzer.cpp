// libFuzzer target: the BMP reader on any byte string (see FuzzSupport.h).
// ctest in build-fuzz runs it for a few seconds from its seed files; for a longer run:
//   build-fuzz/tests/fuzz/fuzz_bmp_load /tmp/bmp-corpus tests/data/bmp -max_total_time=600

#include "core/images/BmpReader.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kestrova::fuzz::CheckPictureReader(data, size, kestrova::DecodeBmp);
}
