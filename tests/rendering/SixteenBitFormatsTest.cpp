// The 15-bit (5-5-5) and 16-bit (5-6-5) pixel formats: the words they store,
// the colours they give back, conversions, and drawing on them.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rendering/Bitmap.h"
#include "rendering/Canvas.h"
#include "rendering/ClipRegion.h"

using namespace kestrova;

namespace {

constexpr PixelFormat kWordFormats[] = {PixelFormat::pf15bit, PixelFormat::pf16bit};

// Expected channel values worked out without the code under test: the top
// 5 (or 6) bits kept, then repeated into the low bits.
unsigned Kept5(unsigned v) { return (v & 0xF8) | (v >> 5); }
unsigned Kept6(unsigned v) { return (v & 0xFC) | (v >> 6); }

TColor Kept(PixelFormat f, TColor c) {
  const unsigned g = GreenOf(c);
  return RGBColor(Kept5(RedOf(c)), f == PixelFormat::pf16bit ? Kept6(g) : Kept5(g), Kept5(BlueOf(c)));
}

// Every value of every channel, in a mix that changes from pixel to pixel.
Bitmap EveryValue(PixelFormat f = PixelFormat::pf24bit) {
  Bitmap b(256, 2, f);
  for (int x = 0; x < 256; ++x) {
    b.SetPixel(x, 0, RGBColor(x, 255 - x, x ^ 0xA5));
    b.SetPixel(x, 1, RGBColor((x * 7) & 0xFF, x, (x * 13 + 5) & 0xFF));
  }
  return b;
}

// A 23 x 17 picture of many colours to draw over.
Bitmap Background(PixelFormat f) {
  Bitmap b(23, 17, PixelFormat::pf24bit);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, RGBColor(x * 11, y * 15, 255 - x * y % 256));
  return b.Converted(f);
}

}  // namespace

TEST(SixteenBitFormats, WordsStoredAndColoursReadBack) {
  const struct {
    TColor in;
    std::uint32_t word555;
    TColor back555;
    std::uint32_t word565;
    TColor back565;
  } cases[] = {
      {clWhite, 0x7FFF, clWhite, 0xFFFF, clWhite},
      {clBlack, 0x0000, clBlack, 0x0000, clBlack},
      {RGBColor(0x84, 0x42, 0x21), 0x4104, RGBColor(0x84, 0x42, 0x21), 0x8204, RGBColor(0x84, 0x41, 0x21)},
      {RGBColor(7, 6, 250), 0x001F, RGBColor(0, 0, 255), 0x003F, RGBColor(0, 4, 255)},
      {RGBColor(0xFF, 0x80, 0x08), 0x7E01, RGBColor(0xFF, 0x84, 0x08), 0xFC01, RGBColor(0xFF, 0x82, 0x08)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    Bitmap b15(2, 1, PixelFormat::pf15bit), b16(2, 1, PixelFormat::pf16bit);
    b15.SetPixel(1, 0, c.in);
    b16.SetPixel(1, 0, c.in);
    EXPECT_EQ(b15.RawPixel(1, 0), c.word555);
    EXPECT_EQ(b16.RawPixel(1, 0), c.word565);
    EXPECT_EQ(b15.GetPixel(1, 0), c.back555);
    EXPECT_EQ(b16.GetPixel(1, 0), c.back565);
    // Little-endian words, the second pixel at bytes 2 and 3.
    EXPECT_EQ(b16.ScanLine(0)[2], c.word565 & 0xFF);
    EXPECT_EQ(b16.ScanLine(0)[3], c.word565 >> 8);
    EXPECT_EQ(b15.RawValueOf(c.in), c.word555);
  }
}

TEST(SixteenBitFormats, RowsHoldTwoBytesAPixelAndTheUnusedBitStaysClear) {
  for (PixelFormat f : kWordFormats) {
    EXPECT_EQ(BitsPerPixel(f), 16);
    EXPECT_FALSE(IsIndexed(f));
    EXPECT_EQ(Bitmap(1, 1, f).Stride(), 4);
    EXPECT_EQ(Bitmap(3, 1, f).Stride(), 8);
    EXPECT_TRUE(Bitmap(1, 1, f).Palette().empty());
  }
  Bitmap b(1, 1, PixelFormat::pf15bit);
  b.SetRawPixel(0, 0, 0xFFFF);
  EXPECT_EQ(b.RawPixel(0, 0), 0x7FFFu);
  EXPECT_EQ(b.ScanLine(0)[1], 0x7F);
}

TEST(SixteenBitFormats, ConversionKeepsTheTopBitsAndReadsBackStable) {
  const Bitmap source = EveryValue();
  for (PixelFormat f : kWordFormats) {
    SCOPED_TRACE(f == PixelFormat::pf15bit ? "15 bits" : "16 bits");
    const Bitmap words = source.Converted(f);
    const Bitmap wide = words.Converted(PixelFormat::pf24bit);
    for (int y = 0; y < source.Height(); ++y)
      for (int x = 0; x < source.Width(); ++x) {
        ASSERT_EQ(words.GetPixel(x, y), Kept(f, source.GetPixel(x, y))) << x << "," << y;
        ASSERT_EQ(wide.GetPixel(x, y), words.GetPixel(x, y)) << x << "," << y;
      }
    // Stored, read back and stored again: the same words.
    EXPECT_EQ(wide.Converted(f), words);
    EXPECT_EQ(EveryValue(f), words) << "pixels set one by one store as the conversion does";
  }
  // 5-5-5 words go through 5-6-5 unchanged (the other way green loses its lowest bit).
  const Bitmap words = source.Converted(PixelFormat::pf15bit);
  EXPECT_EQ(words.Converted(PixelFormat::pf16bit).Converted(PixelFormat::pf15bit), words);
}

TEST(SixteenBitFormats, DrawingGivesWhatDrawingIn24BitsAndStoringGives) {
  Bitmap picture(9, 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) picture.SetPixel(x, y, RGBColor(200 - x * 20, 37 * y, x * y * 5));
  const ClipRegion clip = ClipRegion::Rectangle(TRect{2, 1, 20, 15});
  const struct {
    const char* name;
    std::function<void(TCanvas&)> draw;
  } cases[] = {
      {"clipped ellipse",
       [&](TCanvas& c) {
         c.SelectClipRegion(&clip);
         c.Pen.color = RGBColor(3, 130, 250);
         c.Brush.color = RGBColor(0x8B, 0x45, 0x13);
         c.Ellipse(-4, 2, 20, 20);
       }},
      {"antialiased text",
       [](TCanvas& c) {
         c.Font.name = "DejaVu Sans";
         c.Font.size = 9;
         c.Font.quality = fqAntialiased;
         c.Font.color = RGBColor(250, 250, 20);
         c.Brush.style = BrushStyle::bsClear;
         c.TextOut(1, 1, "Hi");
       }},
      {"stretch", [&](TCanvas& c) { c.StretchDraw(TRect{1, 2, 21, 16}, picture); }},
      {"and, then or, as icons are drawn",
       [&](TCanvas& c) {
         c.CopyRect(TRect{4, 4, 13, 11}, picture, TRect{0, 0, 9, 7}, CopyMode::cmSrcAnd);
         c.CopyRect(TRect{4, 4, 13, 11}, picture, TRect{0, 0, 9, 7}, CopyMode::cmSrcPaint);
       }},
  };
  for (PixelFormat f : kWordFormats) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (f == PixelFormat::pf15bit ? " on 15 bits" : " on 16 bits"));
      Bitmap words = Background(f);
      Bitmap wide = words.Converted(PixelFormat::pf24bit);
      TCanvas onWords(words), onWide(wide);
      c.draw(onWords);
      c.draw(onWide);
      EXPECT_NE(wide, Background(f).Converted(PixelFormat::pf24bit)) << "the case draws something";
      EXPECT_EQ(words, wide.Converted(f));
    }
  }
}
