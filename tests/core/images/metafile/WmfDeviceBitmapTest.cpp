// The bit copies of the oldest 16-bit files, written by libUEMF: their
// device-dependent bitmaps are drawn, a one-bit one in the text and
// background colours, deeper ones in the display's own colours.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/core/images/metafile/UwmfWriter.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr std::uint32_t kSourceCopy = 0x00CC0020;

struct DeviceBitmapCase {
  const char* name;
  int width, height, bitsPixel;
  std::string bits;  // rows top down, each padded to whole 16-bit words
  bool stretch;      // drawn twice as large
  std::vector<TColor> expected;  // the copy's pixels, rows top down, from (2, 1)
};

std::vector<std::uint8_t> Written(const DeviceBitmapCase& c) {
  UwmfWriter w(16, 8);
  w.Add(U_WMRSETTEXTCOLOR_set(colorref3_set(255, 0, 0))).Add(U_WMRSETBKCOLOR_set(colorref3_set(0, 0, 255)));
  U_BITMAP16* bitmap = U_BITMAP16_set(0, static_cast<std::int16_t>(c.width), static_cast<std::int16_t>(c.height), 2,
                                      static_cast<std::uint8_t>(c.bitsPixel), c.bits.data());
  const int scale = c.stretch ? 2 : 1;
  if (c.stretch)
    w.Add(U_WMRSTRETCHBLT_set(point16_set(2, 1), point16_set(c.width * scale, c.height * scale), point16_set(0, 0),
                              point16_set(c.width, c.height), kSourceCopy, bitmap));
  else
    w.Add(U_WMRBITBLT_set(point16_set(2, 1), point16_set(c.width, c.height), point16_set(0, 0), kSourceCopy, bitmap));
  free(bitmap);
  return w.Finish();
}

}  // namespace

TEST(WmfDeviceBitmap, CopiesOfDeviceBitmapsAreDrawn) {
  constexpr TColor red = 0x0000FF, blue = 0xFF0000, white = 0xFFFFFF, olive = 0x008080;
  const DeviceBitmapCase cases[] = {
      {"one bit: 0 in the text colour, 1 in the background colour", 4, 1, 1, std::string("\x50\0", 2), false,
       {red, blue, red, blue}},
      {"one bit, stretched", 2, 1, 1, std::string("\x40\0", 2), true, {red, red, blue, blue, red, red, blue, blue}},
      {"four bits: the display's sixteen colours", 2, 1, 4, std::string("\x3F\0", 2), false, {olive, white}},
      {"24 bits", 2, 2, 24, std::string("\xFF\0\0\0\0\xFF\x80\x80\0\0\x80\x80", 12), false,
       {blue, red, 0x808000, olive}},
  };
  for (const auto& c : cases) {
    const Played p = Play(Written(c));
    EXPECT_EQ(p.notDrawn, 0u) << c.name;
    const int width = c.stretch ? 2 * c.width : c.width;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      const int x = 2 + static_cast<int>(i) % width, y = 1 + static_cast<int>(i) / width;
      EXPECT_EQ(p.picture.GetPixel(x, y), c.expected[i]) << c.name << " at " << x << "," << y;
    }
    EXPECT_EQ(p.picture.GetPixel(1, 1), clWhite) << c.name;
  }
}
