// A picture as large as its header says: drawn at that size, holding one
// bitmap of that size at a time, whatever its records draw across it.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>

#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/PlayingCost.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSide = 2000;                          // pixels
constexpr int kFrame = kSide * 2540 / 96;            // 0.01 mm
constexpr double kDevice = kFrame * 1024.0 / 32000;  // reference-device pixels across
constexpr std::int64_t kPictureMib = kSide * kSide * 3 >> 20;

std::int64_t Float(float f) { return std::bit_cast<std::uint32_t>(f); }

}  // namespace

TEST(MetafileLargePicture, HoldsOneBitmapOfItsSizeWhateverCrossesIt) {
  const int across = static_cast<int>(kDevice);
  const struct {
    const char* name;
    std::function<void(EmfBuilder&)> records;
    std::function<bool(TColor)> centre;  // the colour the picture's centre takes
  } cases[] = {
      {"nothing", [](EmfBuilder&) {}, [](TColor c) { return c == clWhite; }},
      {"a bitmap stretched over it, turned",
       [&](EmfBuilder& e) {
         const float c = std::cos(0.5f), s = std::sin(0.5f);
         e.Record(35, {Float(c), Float(s), Float(-s), Float(c), Float(across / 2.0f), Float(-across / 4.0f)});
         e.Record(81, {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, across, across}, Dib2x2());
       },
       [](TColor c) { return c == clRed; }},  // the bitmap's bottom-left pixel
      {"a gradient over it",
       [&](EmfBuilder& e) {
         ByteWriter v;
         v.U32(0).U32(0).U16(0xFF00).U16(0).U16(0).U16(0);
         v.U32(across).U32(across).U16(0).U16(0).U16(0xFF00).U16(0);
         v.U32(0).U32(1);
         e.Record(118, {0, 0, 0, 0, 2, 1, 0}, v.bytes);  // red to blue, across
       },
       [](TColor c) { return GreenOf(c) == 0 && std::abs(RedOf(c) - 128) < 3 && std::abs(BlueOf(c) - 128) < 3; }},
  };
  for (const auto& c : cases) {
    EmfBuilder emf(TRect{0, 0, kSide - 1, kSide - 1}, TRect{0, 0, kFrame, kFrame});
    c.records(emf);
    ExpectPlayedWithin(emf.Build(), PlayingBound{kPictureMib * 5 / 4 + 4, 5},
                       [&](const Played& p) {
                         return p.picture.Width() == kSide && p.notDrawn == 0 &&
                                c.centre(p.picture.GetPixel(kSide / 2, kSide / 2));
                       },
                       c.name);
  }
}
