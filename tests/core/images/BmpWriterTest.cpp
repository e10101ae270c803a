#include <gtest/gtest.h>

#include "core/images/BmpReader.h"
#include "core/images/BmpWriter.h"
#include "tests/core/images/ImageTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

TEST(BmpWriter, EveryFormatRoundTripsAndImageMagickAgrees) {
  TempDir dir;
  for (PixelFormat f : {PixelFormat::pf1bit, PixelFormat::pf4bit, PixelFormat::pf8bit, PixelFormat::pf15bit,
                        PixelFormat::pf16bit, PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    SCOPED_TRACE(static_cast<int>(f));
    const Bitmap original = SamplePicture(f);
    const auto file = EncodeBmp(original);
    EXPECT_EQ(DecodeBmp(file), original);
    if (HaveImageMagick()) {
      WriteBytes(dir.File("x.bmp"), file);
      EXPECT_TRUE(SamePixels(original, DecodeWithImageMagick(dir.File("x.bmp"))));
    }
  }
}

TEST(BmpWriter, ShortColourTableIsCountedAndRowsGoBottomUp) {
  Bitmap b(2, 2, PixelFormat::pf8bit);
  b.SetPalette({0x0000FF, 0x00FF00, 0xFF0000});
  b.SetRawPixel(0, 0, 2);
  b.SetRawPixel(1, 1, 1);
  const auto file = EncodeBmp(b);
  const std::vector<std::uint8_t> expected{
      'B', 'M', 74, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0,  // file header: size 74, pixels at 66
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0,  //
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0,   // three colours used
      0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0,                     // blue, green, red, 0
      0, 1, 0, 0,                                                   // bottom row first
      2, 0, 0, 0,
  };
  EXPECT_EQ(file, expected);
}
