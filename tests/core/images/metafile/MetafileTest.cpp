#include <gtest/gtest.h>

#include <climits>

#include "core/images/ImageFiles.h"
#include "core/images/metafile/Metafile.h"
#include "core/images/metafile/MetafileDevice.h"
#include "tests/core/images/metafile/EmfSample.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/core/images/metafile/MetafileBuilders.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// "Hi" as UTF-16.
const std::vector<std::uint8_t> kHi{'H', 0, 'i', 0};

bool DarkIn(const Bitmap& b, const TRect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (GreenOf(b.GetPixel(x, y)) < 128) return true;
  return false;
}

}  // namespace

TEST(Metafile, EnhancedMetafileFrameFillsThePicture) {
  // Frame 2 x 1 inches = 192 x 96 pixels; the reference device's 162.56 x 81.28
  // pixels of it are stretched by 192 / 162.56.
  const Bitmap b = RenderMetafile(SampleEmf());
  ASSERT_EQ(b.Width(), 192);
  ASSERT_EQ(b.Height(), 96);
  // Rectangle (10, 10)-(60, 40) -> (12, 12)-(71, 47): black outline, red inside.
  EXPECT_EQ(b.GetPixel(12, 12), clBlack);
  EXPECT_EQ(b.GetPixel(11, 12), clWhite);
  EXPECT_EQ(b.GetPixel(40, 30), RGBColor(255, 0, 0));
  EXPECT_EQ(b.GetPixel(70, 46), clBlack);
  EXPECT_EQ(b.GetPixel(71, 46), clWhite);
  EXPECT_EQ(b.GetPixel(40, 47), clWhite);
  // Ellipse (80, 5)-(150, 45) -> (94, 6)-(177, 53), blue without outline.
  EXPECT_EQ(b.GetPixel(135, 29), RGBColor(0, 0, 255));
  EXPECT_EQ(b.GetPixel(96, 8), clWhite);
  EXPECT_EQ(b.GetPixel(94, 29), RGBColor(0, 0, 255));
  // "Hi" with its cell's top-left corner at (20, 50) -> (24, 59).
  EXPECT_TRUE(DarkIn(b, Rect(24, 59, 60, 90)));
  EXPECT_FALSE(DarkIn(b, Rect(14, 48, 80, 59)));
  EXPECT_FALSE(DarkIn(b, Rect(0, 59, 24, 96)));
}

TEST(Metafile, PlaceableWmfMapsItsBoxAndReusesFreeSlots) {
  using W = WmfBuilder;
  const auto file = WmfBuilder()
                        .Record(0x020B, {0, 0})        // window origin
                        .Record(0x020C, {1440, 2880})  // window extent
                        .Record(0x02FC, {0, W::Lo(0x0000FF), W::Hi(0x0000FF), 0})  // red brush, slot 0
                        .Record(0x012D, {0})
                        .Record(0x041B, {600, 1200, 300, 300})                     // rectangle
                        .Record(0x02FA, {5, 0, 0, 0, 0})                          // null pen, slot 1
                        .Record(0x012D, {1})
                        .Record(0x02FC, {0, W::Lo(0xFF0000), W::Hi(0xFF0000), 0})  // blue brush, slot 2
                        .Record(0x012D, {2})
                        .Record(0x0418, {1200, 2700, 300, 1500})                   // ellipse
                        .Record(0x0999, {1, 2, 3})                                 // unknown: skipped
                        .Record(0x01F0, {0})                                       // slot 0 free again
                        .Record(0x02FC, {0, W::Lo(0x00FF00), W::Hi(0x00FF00), 0})  // green brush, slot 0
                        .Record(0x012D, {0})
                        .Record(0x041B, {1350, 450, 1050, 150})
                        .Build(Rect(0, 0, 2880, 1440), 1440);
  const Bitmap b = RenderMetafile(file);
  ASSERT_EQ(b.Width(), 192);
  ASSERT_EQ(b.Height(), 96);
  EXPECT_EQ(b.GetPixel(20, 20), clBlack);  // rectangle (20, 20)-(80, 40)
  EXPECT_EQ(b.GetPixel(50, 30), RGBColor(255, 0, 0));
  EXPECT_EQ(b.GetPixel(80, 30), clWhite);
  EXPECT_EQ(b.GetPixel(140, 50), RGBColor(0, 0, 255));  // ellipse (100, 20)-(180, 80)
  EXPECT_EQ(b.GetPixel(102, 22), clWhite);
  EXPECT_EQ(b.GetPixel(20, 80), RGBColor(0, 255, 0));  // rectangle (10, 70)-(30, 90)
}

TEST(Metafile, PlainWmfTakesItsSizeFromTheWindowAndDrawsBitmapsAndText) {
  using W = WmfBuilder;
  const auto file = WmfBuilder()
                        .Record(0x020C, {48, 96})  // the size: 96 x 48
                        .Record(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 20, 20, 10, 10}, Dib2x2())
                        .Record(0x041F, {W::Lo(0x00FF00), W::Hi(0x00FF00), 5, 90})  // pixel at (90, 5)
                        .Record(0x0209, {W::Lo(0x000080), W::Hi(0x000080)})       // text colour
                        .Record(0x0102, {1})                                        // transparent
                        .Record(0x012E, {6})                                        // centred
                        .Record(0x0521, {2, 'O' | ('K' << 8), 20, 60})              // "OK" at (60, 20)
                        .Build();
  const Bitmap b = RenderMetafile(file);
  ASSERT_EQ(b.Width(), 96);
  ASSERT_EQ(b.Height(), 48);
  // The 2 x 2 bitmap stretched over (10, 10)-(30, 30), top row blue, white.
  EXPECT_EQ(b.GetPixel(12, 12), RGBColor(0, 0, 255));
  EXPECT_EQ(b.GetPixel(28, 12), clWhite);
  EXPECT_EQ(b.GetPixel(12, 28), RGBColor(255, 0, 0));
  EXPECT_EQ(b.GetPixel(28, 28), RGBColor(0, 255, 0));
  EXPECT_EQ(b.GetPixel(30, 30), clWhite);
  EXPECT_EQ(b.GetPixel(90, 5), RGBColor(0, 255, 0));
  // Centred on x = 60: text on both sides of it, none far off.
  EXPECT_TRUE(DarkIn(b, Rect(48, 20, 60, 40)));
  EXPECT_TRUE(DarkIn(b, Rect(60, 20, 72, 40)));
  EXPECT_FALSE(DarkIn(b, Rect(34, 0, 46, 48)));
  EXPECT_FALSE(DarkIn(b, Rect(40, 0, 80, 20)));
}

TEST(Metafile, PolygonsPiesAndSavedStates) {
  using W = WmfBuilder;
  const auto file = WmfBuilder()
                        .Record(0x020C, {100, 100})
                        .Record(0x02FC, {0, W::Lo(0x0000FF), W::Hi(0x0000FF), 0})  // red, slot 0
                        .Record(0x012D, {0})
                        .Record(0x001E, {})                                        // save
                        .Record(0x02FC, {0, W::Lo(0xFF0000), W::Hi(0xFF0000), 0})  // blue, slot 1
                        .Record(0x012D, {1})
                        .Record(0x0324, {3, 10, 10, 50, 10, 10, 50})  // triangle
                        .Record(0x0127, {0xFFFF})                    // restore: red again
                        // Pie in (50, 50)-(90, 90) from the east ray counter-clockwise to the north ray.
                        .Record(0x081A, {50, 70, 70, 90, 90, 90, 50, 50})
                        .Build();
  const Bitmap b = RenderMetafile(file);
  EXPECT_EQ(b.GetPixel(15, 15), RGBColor(0, 0, 255));
  EXPECT_EQ(b.GetPixel(40, 40), clWhite);
  EXPECT_EQ(b.GetPixel(80, 62), RGBColor(255, 0, 0));
  EXPECT_EQ(b.GetPixel(60, 80), clWhite);
  EXPECT_EQ(b.GetPixel(80, 80), clWhite);
}

TEST(Metafile, BrokenFilesFailWithAMessage) {
  const auto wmf = WmfBuilder().Record(0x020C, {48, 96}).Record(0x041B, {40, 40, 10, 10}).Build();
  const auto emf = SampleEmf();
  for (const auto* file : {&wmf, &emf}) {
    for (std::size_t n = 0; n < file->size(); ++n) {
      std::vector<std::uint8_t> cut(file->begin(), file->begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_THROW(RenderMetafile(cut), std::runtime_error) << "cut at " << n;
    }
  }
  auto lying = wmf;
  lying[18 + 10 + 1] = 0xFF;  // the rectangle record claims far more words than there are
  EXPECT_THROW(RenderMetafile(lying), std::runtime_error);
  const auto noSize = WmfBuilder().Record(0x041B, {40, 40, 10, 10}).Build();
  try {
    RenderMetafile(noSize);
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Metafile has no size");
  }
  // A record too short for its parameters.
  const auto shortRecord = WmfBuilder().Record(0x020C, {48, 96}).Record(0x041B, {1}).Build();
  EXPECT_THROW(RenderMetafile(shortRecord), std::runtime_error);
}

TEST(Metafile, ReadersDrawMetafilesAtTheirSize) {
  TempDir dir;
  WriteBytes(dir.File("logo.EMF"), SampleEmf());
  Bitmap target(5, 5, PixelFormat::pf8bit);
  std::string error;
  ASSERT_TRUE(LoadPictureInto(dir.File("logo.EMF"), &target, error)) << error;
  EXPECT_EQ(target.Width(), 192);
  EXPECT_EQ(target.Height(), 96);
  EXPECT_EQ(target.GetPixel(40, 30), RGBColor(255, 0, 0));
}

TEST(Metafile, EnhancedMetafileValuesBeyondTheIntRangeAreRefused) {
  constexpr std::int64_t kMax = INT_MAX, kMin = INT_MIN;
  const TRect square{0, 0, 2540, 2540};  // 1 x 1 inch: 96 x 96 pixels
  // A blit (no bitmap) filling with the brush: bounds, corner, size, operation, source corner,
  // source transform, colour, usage, bitmap offsets and sizes, [source size].
  auto blit = [](std::int64_t x, std::int64_t cx, std::int64_t xSrc, std::int64_t cxSrc) {
    return EmfBuilder(TRect{}, TRect{0, 0, 2540, 2540})
        .Record(77, {0, 0, 0, 0, x, 0, cx, 10, 0x00F00021, xSrc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, cxSrc, 10})
        .Build();
  };
  auto dibBlit = [](std::int64_t x, std::int64_t ySrc) {
    std::vector<std::uint8_t> dib = Dib2x2();
    return EmfBuilder(TRect{}, TRect{0, 0, 2540, 2540})
        .Record(81, {0, 0, 0, 0, x, 0, 0, ySrc, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 2, 2}, dib)
        .Build();
  };
  const struct {
    std::string name;
    std::vector<std::uint8_t> file;
    std::string error;  // empty: it loads
  } cases[] = {
      {"a blit inside the picture", blit(10, 20, 0, 20), ""},
      {"a frame wider than an int", EmfBuilder(TRect{}, TRect{INT_MIN, 0, INT_MAX, 2540}).Build(), "Image too large"},
      {"bounds ending at the int's end", EmfBuilder(TRect{0, 0, INT_MAX, 100}, TRect{}).Build(), kMetafileOutOfRange},
      {"bounds starting at the int's start", EmfBuilder(TRect{INT_MIN, 0, 100, 100}, TRect{}).Build(),
       kMetafileOutOfRange},
      {"a blit past the int's end", blit(kMax - 5, 10, 0, 10), kMetafileOutOfRange},
      {"a blit whose source runs past the int's end", blit(0, 10, kMax, 10), kMetafileOutOfRange},
      {"a bitmap blit past the int's end", dibBlit(kMax, 0), kMetafileOutOfRange},
      {"a bitmap blit whose source starts below the int's start", dibBlit(0, kMin), kMetafileOutOfRange},
      {"a font of the smallest height", EmfBuilder(TRect{}, square)
                                            .Record(82, {1, kMin, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                         0, 0, 0, 0, 0, 0, 0, 0})
                                            .Record(37, {1})
                                            .Record(84, {0, 0, 0, 0, 1, 0, 0, 10, 10, 2, 76, 0, 0, 0, 0, 0, 0}, kHi)
                                            .Build(),
       ""},
      {"round corners of the smallest size", EmfBuilder(TRect{}, square).Record(44, {5, 5, 50, 50, kMin, kMin}).Build(),
       ""},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteBytes(dir.File("p.emf"), c.file);
    Bitmap picture;
    std::string error;
    EXPECT_EQ(LoadPictureInto(dir.File("p.emf"), &picture, error), c.error.empty()) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
    if (c.error.empty()) {
      EXPECT_EQ(picture.Width(), 96) << c.name;
    }
  }
}
