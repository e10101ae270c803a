// libFuzzer target: the JPEG reader on any byte string (see FuzzSupport.h).
// ctest in build-fuzz runs it for a few seconds from its seed files; for a longer run:
//   build-fuzz/tests/fuzz/fuzz_jpeg_load /tmp/jpeg-corpus tests/data/jpeg -max_total_time=600

#include "core/images/JpegCodec.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kestrova::fuzz::CheckPictureReader(data, size, kestrova::DecodeJpeg);
}
