// Bitmaps carried by copy and brush records: a compressed one declaring more
// pixels than its codes can give is left out (and counted), so is a brush
// picture larger than any pattern; a brush's pattern is made once, when the
// brush is, however often it fills and whatever colours a two-colour one
// takes.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/PlayingCost.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

enum : std::uint32_t {
  kSelectObject = 37, kRectangle = 43, kSetTextColor = 24, kSetBkColor = 25, kStretchDIBits = 81,
  kCreateMonoBrush = 93, kCreateDibPatternBrushPt = 94,
};
constexpr std::uint32_t kRle8 = 1;
constexpr TColor kGreen = 0x00FF00, kBlue = 0xFF0000;

// A device-independent bitmap: its header and colour table, and its pixels.
struct Dib {
  std::vector<std::uint8_t> info, bits;
};

// `colours` table entries; rows as given (bottom row first unless compressed codes).
Dib MakeDib(int width, int height, int bitCount, std::uint32_t compression, const std::vector<TColor>& colours,
            std::vector<std::uint8_t> bits) {
  ByteWriter h;
  h.U32(40).U32(width).U32(height).U16(1).U16(bitCount).U32(compression).U32(bits.size()).U32(0).U32(0);
  h.U32(colours.size()).U32(0);
  for (const TColor c : colours) h.U8(BlueOf(c)).U8(GreenOf(c)).U8(RedOf(c)).U8(0);
  return Dib{h.bytes, std::move(bits)};
}

// Fields then header then pixels, the offsets (from the record's start) of both in `fields` at `at`.
void WithDib(EmfBuilder& emf, std::uint32_t type, std::vector<std::int64_t> fields, std::size_t at, const Dib& dib) {
  const std::int64_t infoAt = 8 + 4 * static_cast<std::int64_t>(fields.size());
  fields[at] = infoAt;
  fields[at + 1] = static_cast<std::int64_t>(dib.info.size());
  fields[at + 2] = infoAt + static_cast<std::int64_t>(dib.info.size());
  fields[at + 3] = static_cast<std::int64_t>(dib.bits.size());
  std::vector<std::uint8_t> tail = dib.info;
  tail.insert(tail.end(), dib.bits.begin(), dib.bits.end());
  tail.resize((tail.size() + 3) / 4 * 4);
  for (std::size_t i = 0; i < tail.size(); i += 4)
    fields.push_back(tail[i] | tail[i + 1] << 8 | tail[i + 2] << 16 | std::int64_t{tail[i + 3]} << 24);
  emf.RecordFields(type, fields);
}

// The bitmap stretched over the logical rectangle (0, 0)-(w, h).
void StretchOver(EmfBuilder& emf, const Dib& dib, int srcW, int srcH, int w, int h) {
  WithDib(emf, kStretchDIBits, {0, 0, 0, 0, 0, 0, 0, 0, srcW, srcH, 0, 0, 0, 0, 0, 0x00CC0020, w, h}, 10, dib);
}

// A pattern brush made of the bitmap in slot 1, selected.
void BrushOf(EmfBuilder& emf, std::uint32_t type, const Dib& dib) {
  WithDib(emf, type, {1, 0, 0, 0, 0, 0}, 2, dib);
  emf.Record(kSelectObject, {1});
}

// An RLE8 picture of `codes`, declaring width x height.
Dib Rle(int width, int height, std::vector<std::uint8_t> codes) {
  return MakeDib(width, height, 8, kRle8, {clRed, kBlue}, std::move(codes));
}

// An RLE8 picture of `rows` rows of `width` pixels of colour 1, every pixel given by a run.
Dib RunsOnly(int width, int rows) {
  std::vector<std::uint8_t> codes;
  for (int y = 0; y < rows; ++y) {
    for (int left = width; left > 0; left -= 255) codes.insert(codes.end(), {std::uint8_t(std::min(left, 255)), 1});
    codes.insert(codes.end(), {0, 0});
  }
  codes.insert(codes.end(), {0, 1});
  return Rle(width, rows, codes);
}

// A one-bit picture of w x h, its pixels alternating by column.
Dib Stripes(int w, int h) {
  const int stride = (w + 31) / 32 * 4;
  return MakeDib(w, h, 1, 0, {clBlack, clWhite}, std::vector<std::uint8_t>(static_cast<std::size_t>(stride) * h, 0x55));
}

// A 64 x 64 picture after the records.
std::vector<std::uint8_t> Picture(const std::function<void(EmfBuilder&)>& records) {
  EmfBuilder emf(TRect{0, 0, 63, 63}, TRect{0, 0, 1693, 1693});
  records(emf);
  return emf.Build();
}

const std::vector<std::uint8_t> kEndOfPicture{0, 1};

}  // namespace

TEST(MetafileRecordBitmaps, ACompressedBitmapDeclaringMorePixelsThanItsCodesGiveIsLeftOut) {
  const struct {
    const char* name;
    std::function<void(EmfBuilder&)> records;
    std::size_t notDrawn;
    TColor centre;
  } cases[] = {
      {"16384 x 16384 pixels in two bytes, copied",
       [](EmfBuilder& e) { StretchOver(e, Rle(16384, 16384, kEndOfPicture), 16384, 16384, 60, 60); }, 1, clWhite},
      {"the same as a brush's picture",
       [](EmfBuilder& e) {
         BrushOf(e, kCreateDibPatternBrushPt, Rle(16384, 16384, kEndOfPicture));
         e.Record(kRectangle, {0, 0, 60, 60});
       },
       1, clWhite},
      {"65,536 pixels in two bytes, copied",
       [](EmfBuilder& e) { StretchOver(e, Rle(256, 256, kEndOfPicture), 256, 256, 60, 60); }, 0, clRed},
      {"one row more", [](EmfBuilder& e) { StretchOver(e, Rle(256, 257, kEndOfPicture), 256, 257, 60, 60); }, 1,
       clWhite},
      {"every pixel of 1000 x 100 given by a run",
       [](EmfBuilder& e) { StretchOver(e, RunsOnly(1000, 100), 1000, 100, 60, 60); }, 0, kBlue},
  };
  for (const auto& c : cases) {
    ExpectPlayedWithin(Picture(c.records), PlayingBound{40, 5},
                       [&](const Played& p) {
                         return p.notDrawn == c.notDrawn && p.picture.GetPixel(30, 30) == c.centre;
                       },
                       c.name);
  }
}

TEST(MetafileRecordBitmaps, ASixteenBitBrushLeftOutStillTakesItsSlot) {
  // A pattern brush of 16384 x 16384 pixels in two bytes, then a red brush,
  // which takes the next slot: selecting that slot fills in red.
  const Dib huge = Rle(16384, 16384, kEndOfPicture);
  std::vector<std::uint8_t> packed = huge.info;
  packed.insert(packed.end(), huge.bits.begin(), huge.bits.end());
  WmfBuilder w;
  w.Record(0x0142, {5, 0}, packed).Record(0x02FC, {0, WmfBuilder::Lo(clRed), WmfBuilder::Hi(clRed), 0});
  w.Record(0x012D, {1}).Record(0x041B, {40, 40, 4, 4});
  const Played played = Play(w.Build(TRect{0, 0, 48, 48}, 96));
  EXPECT_EQ(played.notDrawn, 1u);
  EXPECT_EQ(played.picture.GetPixel(20, 20), clRed);
}

TEST(MetafileRecordBitmaps, ABrushPatternIsMadeOnceHoweverOftenItFills) {
  const struct {
    const char* name;
    std::uint32_t type;
    Dib picture;
    std::size_t notDrawn;
  } cases[] = {
      {"a two-colour picture of 1024 x 1024", kCreateMonoBrush, Stripes(1024, 1024), 0},
      {"a colour picture of 512 x 512", kCreateDibPatternBrushPt,
       MakeDib(512, 512, 8, 0, {clRed, kBlue}, std::vector<std::uint8_t>(512 * 512, 1)), 0},
      {"a picture of more pixels than any pattern", kCreateDibPatternBrushPt, Stripes(1100, 1000), 1},
  };
  for (const auto& c : cases) {
    // 1500 rectangles filled with the brush, a two-colour one in colours that change each time.
    const auto file = Picture([&](EmfBuilder& e) {
      BrushOf(e, c.type, c.picture);
      for (int i = 0; i < 1500; ++i) {
        e.Record(kSetTextColor, {i % 2 ? kGreen : clRed}).Record(kSetBkColor, {i % 2 ? kBlue : clWhite});
        e.Record(kRectangle, {i % 4, i % 3, 60, 60});
      }
    });
    ExpectPlayedWithin(file, PlayingBound{60, 5},
                       [&](const Played& p) {
                         // The last fill: colour 1 of the colour picture; the text and
                         // background colours of the two-colour one in its stripes.
                         const TColor a = p.picture.GetPixel(30, 30), b = p.picture.GetPixel(31, 30);
                         const bool filled = c.type == kCreateMonoBrush ? (a == kGreen && b == kBlue) ||
                                                                              (b == kGreen && a == kBlue)
                                                                        : a == kBlue && b == kBlue;
                         return p.notDrawn == c.notDrawn && (c.notDrawn > 0 || filled);
                       },
                       c.name);
  }
}
