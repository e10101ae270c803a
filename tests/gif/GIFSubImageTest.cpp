#include <gtest/gtest.h>

#include "gif/GIFExtensionGraphicControl.h"
#include "tests/gif/GIFTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// Restores the process-wide default colour reduction after a test.
class DefaultReduction {
 public:
  explicit DefaultReduction(TColorReduction r) : saved_(GIFDefaultColorReduction) { GIFDefaultColorReduction = r; }
  ~DefaultReduction() { GIFDefaultColorReduction = saved_; }

 private:
  TColorReduction saved_;
};

Bitmap Filled(int w, int h, PixelFormat format, TColor c) {
  Bitmap b(w, h, format);
  b.Fill(c);
  return b;
}

}  // namespace

TEST(GIFSubImage, TrueColourWithoutReduction) {
  DefaultReduction none(TColorReduction::rmNone);
  TGIFImage image;
  image.Assign(Filled(3, 2, PixelFormat::pf24bit, RGBColor(10, 20, 30)));
  ASSERT_EQ(image.Images().Count(), 1);
  const TGIFSubImage& frame = image.Images()[0];
  EXPECT_EQ(frame.ColorMap().ExportPalette(), std::vector<TColor>{RGBColor(10, 20, 30)});
  const std::string bytes = Save(image);
  EXPECT_EQ(bytes.substr(0, 6), "GIF87a");
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[13 + 10 + 6]), 2);  // code size after a 2-entry table

  // Colours are numbered in order of appearance; 32-bit pixels are read as 24-bit.
  Bitmap four(4, 1, PixelFormat::pf32bit);
  for (int x = 0; x < 4; ++x) four.SetPixel(x, 0, x % 2 ? clRed : clWhite);
  image.Assign(four);
  EXPECT_EQ(image.Images()[0].ColorMap().ExportPalette(), (std::vector<TColor>{clWhite, clRed}));
  EXPECT_EQ(image.Images()[0].Data(), (Bytes{0, 1, 0, 1}));

  Bitmap many(257, 1, PixelFormat::pf24bit);
  for (int x = 0; x < 257; ++x) many.SetPixel(x, 0, RGBColor(x % 256, x / 256, 0));
  try {
    image.Assign(many);
    FAIL() << "assigned";
  } catch (const GIFException& e) {
    EXPECT_STREQ(e.what(), "Color table overflow");
  }
}

TEST(GIFSubImage, SixteenBitPixelsAreReadAsTheColoursTheyHold) {
  DefaultReduction none(TColorReduction::rmNone);
  const struct {
    PixelFormat format;
    std::vector<TColor> palette;
  } cases[] = {
      {PixelFormat::pf15bit, {clWhite, RGBColor(0x84, 0x42, 0x21), RGBColor(0, 0, 255)}},
      {PixelFormat::pf16bit, {clWhite, RGBColor(0x84, 0x41, 0x21), RGBColor(0, 4, 255)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.format));
    Bitmap words(4, 1, c.format);
    const TColor drawn[] = {clWhite, RGBColor(0x84, 0x42, 0x21), clWhite, RGBColor(7, 6, 250)};
    for (int x = 0; x < 4; ++x) words.SetPixel(x, 0, drawn[x]);
    // Through an image (its reduction converts first) and as a frame of no image.
    TGIFImage image;
    image.Assign(words);
    TGIFSubImage alone(nullptr);
    alone.Assign(words);
    const TGIFSubImage* frames[] = {&image.Images()[0], &alone};
    for (const TGIFSubImage* frame : frames) {
      EXPECT_EQ(frame->ColorMap().ExportPalette(), c.palette);
      EXPECT_EQ(frame->Data(), (Bytes{0, 1, 0, 2}));
    }
  }
}

TEST(GIFSubImage, IndexedBitmapsKeepTheirPalette) {
  DefaultReduction quantize(TColorReduction::rmQuantize);
  Bitmap eight(3, 2, PixelFormat::pf8bit);  // the 256-entry halftone palette
  eight.SetRawPixel(0, 0, 200);
  eight.SetRawPixel(2, 1, 17);
  TGIFImage image;
  image.Assign(eight);
  const TGIFSubImage& frame = image.Images()[0];
  EXPECT_EQ(frame.ColorMap().ExportPalette(), eight.Palette());
  EXPECT_EQ(frame.Data(), (Bytes{200, 0, 0, 0, 0, 17}));

  Bitmap four(3, 1, PixelFormat::pf4bit);
  four.SetRawPixel(0, 0, 0xA);
  four.SetRawPixel(1, 0, 0x3);
  four.SetRawPixel(2, 0, 0xF);
  image.Assign(four);
  EXPECT_EQ(image.Images()[0].Data(), (Bytes{0xA, 0x3, 0xF}));
  EXPECT_EQ(image.Images()[0].ColorMap().Count(), 16);

  Bitmap one(10, 1, PixelFormat::pf1bit);
  for (int x : {0, 7, 8}) one.SetRawPixel(x, 0, 1);
  image.Assign(one);
  EXPECT_EQ(image.Images()[0].Data(), (Bytes{1, 0, 0, 0, 0, 0, 0, 1, 1, 0}));
  // Rendered back: the same colours.
  const Bitmap* back = image.GetBitmap();
  ASSERT_NE(back, nullptr);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(back->GetPixel(x, 0), one.GetPixel(x, 0)) << x;
}

TEST(GIFSubImage, DefaultsAreCopiedAtCreation) {
  DefaultReduction gray(TColorReduction::rmGrayScale);
  TGIFImage image;
  GIFDefaultColorReduction = TColorReduction::rmMonochrome;
  EXPECT_EQ(image.ColorReduction, TColorReduction::rmGrayScale);
  image.Assign(Filled(2, 2, PixelFormat::pf24bit, RGBColor(100, 100, 100)));
  EXPECT_EQ(image.Images()[0].ColorMap().Count(), 256);
  EXPECT_EQ(image.Images()[0].Data(), Bytes(4, 100));
  // Assigning an image copies its reduction and dithering, not its compression.
  TGIFImage copy;
  copy.Compression = TGIFCompression::gcRLE;
  image.DitherMode = TDitherMode::dmBurkes;
  copy.Assign(image);
  EXPECT_EQ(copy.ColorReduction, TColorReduction::rmGrayScale);
  EXPECT_EQ(copy.DitherMode, TDitherMode::dmBurkes);
  EXPECT_EQ(copy.Compression, TGIFCompression::gcRLE);
  EXPECT_EQ(copy.Images()[0].Data(), Bytes(4, 100));
  copy.Assign(copy);
  EXPECT_EQ(copy.Images().Count(), 1);
}

TEST(GIFSubImage, AssigningAnImageTellsTheSourcesHandlers) {
  // Two frames; the second carries a block of a label no class reads, which
  // gives a warning each time it is read again.
  const std::string header = std::string("GIF89a") + S({1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255});
  const std::string frame = S({',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0});
  auto source = Load(header + frame + S({0x21, 0x99, 1, 7, 0}) + frame + ";");
  std::vector<std::string> heard;
  source->image->OnProgress = [&](TProgressStage stage, int percent, bool, const std::string& message) {
    heard.push_back(message + " " + std::to_string(static_cast<int>(stage)) + " " + std::to_string(percent));
  };
  source->image->OnItemWarning = [&](const void*, int, const std::string& message) { heard.push_back(message); };

  TGIFImage copy;
  std::vector<std::string> ownHeard;
  copy.OnProgress = [&](TProgressStage, int, bool, const std::string& m) { ownHeard.push_back(m); };
  copy.OnItemWarning = [&](const void*, int, const std::string& m) { ownHeard.push_back(m); };
  copy.Assign(*source->image);
  EXPECT_EQ(heard, (std::vector<std::string>{"Copying... 0 0", "Copying... 1 50", "Unknown extension type",
                                             "Copying... 1 100", "Copying... 2 100"}));
  EXPECT_TRUE(ownHeard.empty());
  EXPECT_FALSE(copy.OnProgress);
  EXPECT_FALSE(copy.OnItemWarning);
  EXPECT_TRUE(source->image->OnProgress);
  EXPECT_EQ(copy.Images().Count(), 2);
}

TEST(GIFSubImage, TransparentButton) {
  DefaultReduction none(TColorReduction::rmNone);
  // Three colours; white is the transparent one.
  Bitmap button(4, 2, PixelFormat::pf24bit);
  const TColor colors[8] = {clWhite, clRed, clRed, clRed, clWhite, clBlack, clRed, clBlack};
  for (int i = 0; i < 8; ++i) button.SetPixel(i % 4, i / 4, colors[i]);
  TGIFImage image;
  image.Assign(button, clWhite);
  const TGIFSubImage& frame = image.Images()[0];
  // Sorted by use (red 4, white 2, black 2; the sort leaves the two equal
  // counts swapped), then black as the transparent entry.
  EXPECT_EQ(frame.ColorMap().ExportPalette(), (std::vector<TColor>{clRed, clBlack, clWhite, clBlack}));
  ASSERT_TRUE(frame.Transparent());
  EXPECT_EQ(frame.GraphicControlExtension()->TransparentColorIndex(), 3);
  EXPECT_EQ(frame.Data(), (Bytes{3, 0, 0, 0, 3, 1, 0, 1}));
  const std::string bytes = Save(image);
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  EXPECT_EQ(Hex(bytes.substr(13, 8)), Hex(std::string("\x21\xF9\x04\x01\x00\x00\x03\x00", 8)));
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[21 + 9]), 0x81);  // not flagged sorted

  // The transparent colour does not occur: no extension, the table still sorted.
  image.Assign(button, RGBColor(0, 0, 255));
  EXPECT_FALSE(image.Images()[0].Transparent());
  EXPECT_EQ(image.Images()[0].Extensions().Count(), 0);
  EXPECT_EQ(image.Images()[0].ColorMap().ExportPalette(), (std::vector<TColor>{clRed, clBlack, clWhite}));

  // A full table leaves no room for a transparent colour.
  Bitmap full(256, 1, PixelFormat::pf24bit);
  for (int x = 0; x < 256; ++x) full.SetPixel(x, 0, RGBColor(x, 0, 0));
  image.Assign(full, clBlack);
  EXPECT_FALSE(image.Images()[0].Transparent());
}

TEST(GIFSubImage, EmptyFramesAndCopies) {
  TGIFImage image;
  TGIFSubImage& frame = AddFrame(image, 0, 0, 2, 1, {clBlack, clWhite}, Bytes{1, 0});
  frame.Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(&frame));
  auto copy = std::make_unique<TGIFSubImage>(&image);
  copy->Assign(frame);
  EXPECT_EQ(copy->Data(), frame.Data());
  EXPECT_EQ(copy->Extensions().Count(), 1);
  EXPECT_NE(copy->GraphicControlExtension(), frame.GraphicControlExtension());
  // A frame of size 0 writes only its extensions.
  copy->SetBounds(0, 0, 0, 1);
  std::ostringstream out;
  copy->SaveToStream(out);
  EXPECT_EQ(out.str().size(), 8u);
  EXPECT_THROW(copy->Scanline(0), GIFException);
}
