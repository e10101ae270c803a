#include <gtest/gtest.h>

#include "rendering/Bitmap.h"
#include "rendering/SystemPalettes.h"

using namespace kestrova;

TEST(Bitmap, RowsArePaddedToFourBytes) {
  EXPECT_EQ(Bitmap(1, 1, PixelFormat::pf24bit).Stride(), 4);
  EXPECT_EQ(Bitmap(5, 1, PixelFormat::pf24bit).Stride(), 16);
  EXPECT_EQ(Bitmap(33, 1, PixelFormat::pf1bit).Stride(), 8);
  EXPECT_EQ(Bitmap(9, 1, PixelFormat::pf4bit).Stride(), 8);
  EXPECT_EQ(Bitmap(3, 1, PixelFormat::pf32bit).Stride(), 12);
}

TEST(Bitmap, PixelsRoundTripInEveryTrueColourFormat) {
  for (PixelFormat f : {PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    Bitmap b(3, 2, f);
    b.SetPixel(2, 1, 0x123456);
    EXPECT_EQ(b.GetPixel(2, 1), 0x123456u);
    EXPECT_EQ(b.GetPixel(0, 0), 0u);
  }
  Bitmap b(2, 1);
  b.SetPixel(0, 0, 0x00112233);
  EXPECT_EQ(b.ScanLine(0)[0], 0x11);  // blue first
  EXPECT_EQ(b.ScanLine(0)[2], 0x33);
}

TEST(Bitmap, OutsideReadsInvalidAndWritesNothing) {
  Bitmap b(2, 2);
  b.SetPixel(-1, 0, clWhite);
  b.SetPixel(2, 0, clWhite);
  EXPECT_EQ(b.GetPixel(-1, 0), kInvalidColor);
  EXPECT_EQ(b.GetPixel(0, 2), kInvalidColor);
  EXPECT_EQ(b, Bitmap(2, 2));
}

TEST(Bitmap, IndexedFormatsStoreTheNearestPaletteEntry) {
  Bitmap mono(10, 1, PixelFormat::pf1bit);
  mono.SetPixel(9, 0, 0xF0F0F0);
  mono.SetPixel(8, 0, 0x101010);
  EXPECT_EQ(mono.GetPixel(9, 0), clWhite);
  EXPECT_EQ(mono.GetPixel(8, 0), clBlack);
  EXPECT_EQ(mono.ScanLine(0)[1], 0x40);  // x = 9 is the second bit of byte 1

  Bitmap nib(3, 1, PixelFormat::pf4bit);
  nib.SetPalette({clBlack, clRed, clWhite});
  nib.SetPixel(1, 0, 0x0000F0);
  EXPECT_EQ(nib.RawPixel(1, 0), 1u);
  EXPECT_EQ(nib.ScanLine(0)[0], 0x01);

  Bitmap byte(1, 1, PixelFormat::pf8bit);
  byte.SetPalette({clRed, clRed, clWhite});
  byte.SetPixel(0, 0, clRed);
  EXPECT_EQ(byte.RawPixel(0, 0), 0u) << "ties go to the lower index";
}

TEST(Bitmap, ConversionKeepsColoursThroughThePalette) {
  Bitmap b(2, 1);
  b.SetPixel(0, 0, clWhite);
  b.SetPixel(1, 0, 0x0000FE);
  b.SetPixelFormat(PixelFormat::pf8bit);
  EXPECT_EQ(b.Palette(), HalftonePalette256());
  EXPECT_EQ(b.GetPixel(0, 0), clWhite);
  EXPECT_EQ(b.GetPixel(1, 0), clRed);
  b.SetPixelFormat(PixelFormat::pf24bit);
  EXPECT_TRUE(b.Palette().empty());
  EXPECT_EQ(b.GetPixel(1, 0), clRed);
}

TEST(Bitmap, SizesAreChecked) {
  EXPECT_THROW(Bitmap(-1, 5), BitmapError);
  EXPECT_THROW(Bitmap(1 << 15, 1 << 14), BitmapError);  // 2^29 pixels
  EXPECT_THROW(Bitmap(0x7FFFFFFF, 0x7FFFFFFF), BitmapError);
  EXPECT_NO_THROW(Bitmap(0, 0));
  Bitmap b(4, 4);
  EXPECT_THROW(b.SetSize(1 << 20, 1 << 20), BitmapError);
  EXPECT_EQ(b.Width(), 4) << "a refused resize leaves the bitmap as it was";
}

TEST(Bitmap, ResizeKeepsTheOverlap) {
  Bitmap b(3, 3);
  b.SetPixel(1, 1, 0xABCDEF);
  b.SetPixel(2, 2, clWhite);
  b.SetSize(2, 5);
  EXPECT_EQ(b.GetPixel(1, 1), 0xABCDEFu);
  EXPECT_EQ(b.GetPixel(1, 4), 0u);
  b.SetSize(3, 3);
  EXPECT_EQ(b.GetPixel(2, 2), 0u) << "pixels cut off do not come back";
}

TEST(SystemPalettes, Shapes) {
  EXPECT_EQ(StaticColors20().size(), 20u);
  EXPECT_EQ(VgaPalette16().size(), 16u);
  ASSERT_EQ(HalftonePalette256().size(), 256u);
  EXPECT_EQ(HalftonePalette256()[10], clBlack);
  EXPECT_EQ(HalftonePalette256()[10 + 215], clWhite);
  EXPECT_EQ(HalftonePalette256()[255], clWhite);
}
