#include <gtest/gtest.h>

#include <QImage>

#include "ui/qt/widgets/QtText.h"

using namespace kestrova;

// What the window shows and puts on the clipboard: the colours the bitmap
// holds, whatever its format.
TEST(QtImage, EveryFormatShowsTheColoursItHolds) {
  for (PixelFormat f : {PixelFormat::pf4bit, PixelFormat::pf8bit, PixelFormat::pf15bit, PixelFormat::pf16bit,
                        PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    SCOPED_TRACE(static_cast<int>(f));
    Bitmap b(3, 2, f);
    b.SetPixel(0, 0, RGBColor(0x84, 0x41, 0x21));
    b.SetPixel(2, 1, clWhite);
    const QImage shown = qt::ToQImage(b);
    ASSERT_EQ(shown.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        const TColor c = b.GetPixel(x, y);
        EXPECT_EQ(shown.pixel(x, y), qRgb(RedOf(c), GreenOf(c), BlueOf(c))) << x << "," << y;
      }
    const Bitmap back = qt::FromQImage(shown);
    EXPECT_EQ(back.GetPixel(0, 0), b.GetPixel(0, 0));
  }
}
