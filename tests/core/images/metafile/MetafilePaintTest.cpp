// Pens, brushes and raster operations of metafile records, each picture
// compared with the same shapes drawn directly on a canvas with the pen and
// brush the records ask for; and the cost of wide pens.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

#include "core/images/metafile/Metafile.h"
#include "rendering/BrushPattern.h"
#include "rendering/Canvas.h"
#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/support/CpuClock.h"

using namespace kestrova;
using namespace kestrova::testing;
using kestrova::test::ThreadSeconds;

namespace {

using W = WmfBuilder;

constexpr TColor kInk = 0x204080, kBack = 0x30C0F0;

// A 64 x 48 placeable metafile, one unit a pixel, after the given records.
std::vector<std::uint8_t> Wmf64x48(const std::function<void(WmfBuilder&)>& records) {
  WmfBuilder w;
  records(w);
  return w.Build(Rect(0, 0, 64, 48), 96);
}

}  // namespace

TEST(MetafilePaint, PenStylesAndHatchesOfTheRecordsDrawAsOnTheCanvas) {
  const PenStyle penStyles[] = {PenStyle::psSolid, PenStyle::psDash, PenStyle::psDot, PenStyle::psDashDot,
                                PenStyle::psDashDotDot};
  for (int hatch = 0; hatch <= 5; ++hatch) {
    for (const bool transparent : {false, true}) {
      const int penStyle = hatch % 5;  // every dash style meets a few hatches and both background modes
      const auto file = Wmf64x48([&](WmfBuilder& w) {
        w.Record(0x0201, {W::Lo(kBack), W::Hi(kBack)})  // background colour
            .Record(0x0102, {transparent ? 1 : 2})       // background mode
            .Record(0x02FA, {penStyle, 1, 0, W::Lo(kInk), W::Hi(kInk)})
            .Record(0x012D, {0})
            .Record(0x02FC, {2, W::Lo(clRed), W::Hi(clRed), hatch})
            .Record(0x012D, {1})
            .Record(0x041B, {40, 60, 4, 4})  // rectangle (4, 4)-(60, 40)
            .Record(0x0325, {3, 2, 44, 62, 44, 62, 47});
      });
      const Bitmap want = Direct(64, 48, [&](TCanvas& c) {
        c.Pen.color = kInk;
        c.Pen.style = penStyles[penStyle];
        c.Pen.paintGaps = !transparent;
        c.Pen.gapColor = kBack;
        c.Brush.pattern = std::make_shared<BrushPattern>(BrushPattern::Hatch(
            static_cast<HatchStyle>(hatch), clRed, transparent ? std::nullopt : std::optional<TColor>(kBack)));
        c.Rectangle(4, 4, 60, 40);
        const std::vector<TPoint> line{{2, 44}, {62, 44}, {62, 47}};
        c.Polyline(line);
      });
      EXPECT_TRUE(RenderMetafile(file) == want) << "hatch " << hatch << " pen " << penStyle << " transparent " << transparent;
    }
  }
}

TEST(MetafilePaint, BinaryRasterOperationAndPatternBlits) {
  const struct {
    int rop2;
    std::uint32_t patBlt;
  } cases[] = {{7, 0x5A0049}, {13, 0xF00021}, {6, 0x550009}, {9, 0x0A0329}};
  for (const auto& k : cases) {
    const auto file = Wmf64x48([&](WmfBuilder& w) {
      w.Record(0x02FC, {0, W::Lo(0x336699), W::Hi(0x336699), 0})
          .Record(0x012D, {0})
          .Record(0x041B, {30, 30, 0, 0})  // the first rectangle in plain copy
          .Record(0x0104, {k.rop2})
          .Record(0x041B, {40, 40, 10, 10})
          .Record(0x061D, {int(k.patBlt & 0xFFFF), int(k.patBlt >> 16), 20, 20, 20, 40});  // (40, 20) 20 x 20
    });
    const Bitmap want = Direct(64, 48, [&](TCanvas& c) {
      c.Brush.color = 0x336699;
      c.Rectangle(0, 0, 30, 30);
      c.Rop2 = k.rop2;
      c.Rectangle(10, 10, 40, 40);
      c.Rop2 = kRop2CopyPen;
      c.PatternBlit(Rect(40, 20, 60, 40), static_cast<std::uint8_t>(k.patBlt >> 16));
    });
    EXPECT_TRUE(RenderMetafile(file) == want) << "operation " << k.rop2;
  }
}

TEST(MetafilePaint, GeometricPensAndPatternBrushesOfEnhancedRecords) {
  // 96 x 96 pixels; the window and viewport undo the frame's stretch, so one unit is one pixel.
  const std::uint32_t style = 0x10000 | 0x2000 | 0x200 | 1;  // geometric, miter join, flat ends, dashed
  auto dib = [] {
    ByteWriter d;  // a 2 x 2 one-bit picture: index 1 at the top left and bottom right
    d.U32(40).U32(2).U32(2).U16(1).U16(1).U32(0).U32(8).U32(0).U32(0).U32(2).U32(0);
    d.U32(0x000000).U32(0xFFFFFF);
    d.Raw({0x40, 0, 0, 0, 0x80, 0, 0, 0});  // bottom row 0 1, top row 1 0
    return d.bytes;
  }();
  const auto file = EmfBuilder(TRect{}, TRect{0, 0, 2540, 2540})
                        .Record(17, {8})             // anisotropic
                        .Record(9, {9600, 9600})     // window extent
                        .Record(11, {8128, 8128})    // viewport extent
                        .Record(95, {1, 0, 0, 0, 0, style, 6, 0, kInk, 0, 0})  // the pen, slot 1
                        .Record(37, {1})
                        .Record(58, {3})             // miter limit
                        .Record(93, {2, 0, 32, 48, 80, 8}, dib)  // two-colour brush, slot 2
                        .Record(37, {2})
                        .Record(24, {clRed})          // text colour: index 0
                        .Record(25, {kBack})          // background colour: index 1
                        .Record(13, {1, 0})           // brush origin
                        .Record(43, {10, 10, 50, 40})  // rectangle
                        .Record(4, {0, 0, 0, 0, 3, 10, 60, 80, 60, 80, 90})  // polyline
                        .Build();
  const Bitmap want = Direct(96, 96, [&](TCanvas& c) {
    c.Pen.color = kInk;
    c.Pen.width = 6;
    c.Pen.geometric = true;
    c.Pen.style = PenStyle::psDash;
    c.Pen.endCap = PenEndCap::pcFlat;
    c.Pen.join = PenJoin::pjMiter;
    c.Pen.miterLimit = 3;
    c.Pen.paintGaps = true;
    c.Pen.gapColor = kBack;
    Bitmap picture(2, 2, PixelFormat::pf1bit);
    picture.SetPalette({clBlack, clWhite});
    picture.SetRawPixel(0, 0, 1);
    picture.SetRawPixel(1, 1, 1);
    c.Brush.pattern = std::make_shared<BrushPattern>(BrushPattern::TwoColor(picture, clRed, kBack));
    c.Brush.origin = TPoint{1, 0};
    c.Rectangle(10, 10, 50, 40);
    const std::vector<TPoint> line{{10, 60}, {80, 60}, {80, 90}};
    c.Polyline(line);
  });
  const Bitmap got = RenderMetafile(file);
  ASSERT_EQ(got.Width(), 96);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) ASSERT_EQ(got.GetPixel(x, y), want.GetPixel(x, y)) << x << "," << y;
}

TEST(MetafilePaint, APenOfMoreDashesThanThePlatformTakesIsNotMade) {
  for (const int dashes : {16, 17}) {
    // A black pen, then slot 1 filled with a red geometric pen of that many
    // dashes and gaps of 4 units and selected, and a line across.
    EmfBuilder emf(TRect{0, 0, 63, 15}, TRect{0, 0, 1693, 423});
    std::vector<std::int64_t> pen{1, 0, 0, 0, 0, 0x10207, 3, 0, 0x0000FF, 0, dashes};
    pen.resize(pen.size() + dashes, 4);
    emf.Record(37, {0x80000007}).RecordFields(95, pen).Record(37, {1});
    emf.Record(27, {0, 6}).Record(54, {54, 6});
    const Bitmap got = Play(emf.Build()).picture;
    int red = 0, black = 0, white = 0;
    for (int x = 0; x < 64; ++x) {
      red += got.GetPixel(x, 7) == clRed;
      black += got.GetPixel(x, 7) == clBlack;
      white += got.GetPixel(x, 7) == clWhite;
    }
    EXPECT_EQ(black, dashes == 16 ? 0 : 64 - white) << dashes << " dashes";
    EXPECT_EQ(red > 20 && white > 20, dashes == 16) << dashes << " dashes: " << red << " red, " << white << " white";
  }
}

TEST(MetafilePaint, WidePenArcsCostWhatTheyDrawNotTheirBand) {
  // 50 arcs of one degree each with a round pen 100,000 units wide on a
  // 4000 x 4000 picture: each covers the whole picture, its ends reaching
  // everywhere. Playing them must cost about as much as painting the picture
  // 50 times, not one angle test for each pixel of each arc.
  constexpr int kFrame = 105834;  // 0.01 mm: 4000 pixels
  EmfBuilder emf(TRect{}, TRect{0, 0, kFrame, kFrame});
  emf.Record(38, {1, 0, 100000, 0, 0}).Record(37, {1});
  const double c = 1693, r = 1500;
  for (int k = 0; k < 50; ++k) {
    const double a = k * 7.2 * std::numbers::pi / 180, b = a - std::numbers::pi / 180;
    emf.Record(45, {0, 0, 3387, 3387, std::lrint(c + r * std::cos(a)), std::lrint(c + r * std::sin(a)),
                    std::lrint(c + r * std::cos(b)), std::lrint(c + r * std::sin(b))});
  }
  const DrawingCost cost = CostOfDrawing(emf.Build(), 50);
  ASSERT_EQ(cost.picture.Width(), 4000);
  EXPECT_LT(cost.drawing, 10 * cost.painting + 0.05) << "arcs " << cost.drawing << " s, 50 fills " << cost.painting << " s";
  EXPECT_EQ(cost.picture.GetPixel(0, 0), clBlack);
  EXPECT_EQ(cost.picture.GetPixel(3999, 3999), clBlack);
}

namespace {

// A 10 x 10 bitmap record part: a 24-bit picture whose pixel (x, y) is
// RGB(25x, 25y, 200), or a one-bit mask whose bit (x, y) is set where
// (x + 2y) % 3 == 0; both stored bottom row first.
std::vector<std::uint8_t> MaskDib(bool mask) {
  ByteWriter d;
  const int stride = mask ? 4 : 32;
  d.U32(40).U32(10).U32(10).U16(1).U16(mask ? 1 : 24).U32(0).U32(10 * stride).U32(0).U32(0).U32(mask ? 2 : 0).U32(0);
  if (mask) d.U32(0x000000).U32(0xFFFFFF);
  for (int y = 9; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < 10; ++x) {
      if (mask && (x + 2 * y) % 3 == 0) row[x / 8] |= 0x80 >> (x % 8);
      if (!mask) {
        row[3 * x] = 200;
        row[3 * x + 1] = static_cast<std::uint8_t>(25 * y);
        row[3 * x + 2] = static_cast<std::uint8_t>(25 * x);
      }
    }
    d.bytes.insert(d.bytes.end(), row.begin(), row.end());
  }
  return d.bytes;
}

}  // namespace

TEST(MetafilePaint, MaskedCopiesTakeTheForegroundOperationWhereTheMaskIsSet) {
  // Destination: kBack; brush: kInk; an 8 x 8 copy at (20, 20) of the source
  // from (1, 1) through the mask from (1, 2).
  using Op = TColor (*)(TColor p, TColor s, TColor d);
  const Op copy = [](TColor, TColor s, TColor) { return s; };
  const Op keep = [](TColor, TColor, TColor d) { return d; };
  const Op invert = [](TColor, TColor s, TColor d) { return (s ^ d) & 0xFFFFFF; };
  const Op pattern = [](TColor p, TColor, TColor) { return p; };
  const Op notDest = [](TColor, TColor, TColor d) { return ~d & 0xFFFFFF; };
  const struct {
    std::uint8_t fore, back;
    Op foreOp, backOp;
    bool source, mask;
  } cases[] = {{0xCC, 0xAA, copy, keep, true, true},         {0x66, 0xF0, invert, pattern, true, true},
               {0xF0, 0x55, pattern, notDest, false, true},   {0x66, 0xAA, invert, invert, true, false}};
  for (const auto& k : cases) {
    const auto picture = MaskDib(false), mask = MaskDib(true);
    const std::size_t sourceAt = 128, maskAt = sourceAt + (k.source ? picture.size() : 0);
    std::vector<std::uint8_t> tail;
    if (k.source) tail = picture;
    if (k.mask) tail.insert(tail.end(), mask.begin(), mask.end());
    const std::uint32_t rop = (std::uint32_t{k.back} << 24) | (std::uint32_t{k.fore} << 16) | 0x0020;
    const std::int64_t srcOff = k.source ? sourceAt : 0, srcBmi = k.source ? 40 : 0, srcBits = k.source ? 320 : 0;
    const std::int64_t maskOff = k.mask ? maskAt : 0, maskBmi = k.mask ? 48 : 0, maskBits = k.mask ? 40 : 0;
    const auto file = EmfBuilder(TRect{}, TRect{0, 0, 2540, 2540})
                          .Record(17, {8})
                          .Record(9, {9600, 9600})
                          .Record(11, {8128, 8128})
                          .Record(39, {1, 0, kBack, 0})  // a solid brush to paint the destination
                          .Record(37, {1})
                          .Record(38, {2, 5, 0, 0, 0})  // no pen
                          .Record(37, {2})
                          .Record(43, {10, 10, 40, 40})
                          .Record(39, {3, 0, kInk, 0})
                          .Record(37, {3})
                          .Record(78, {0, 0, 0, 0, 20, 20, 8, 8, rop, 1, 1, 0x3F800000, 0, 0, 0x3F800000, 0, 0, 0, 0,
                                       srcOff, srcBmi, srcOff + srcBmi, srcBits, 1, 2, 0, maskOff, maskBmi,
                                       maskOff + maskBmi, maskBits},
                                  tail)
                          .Build();
    const Bitmap got = RenderMetafile(file);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const int sx = 1 + x, sy = 1 + y, mx = 1 + x, my = 2 + y;
        const bool set = k.mask && (mx + 2 * my) % 3 == 0;
        const TColor s = RGBColor(static_cast<std::uint8_t>(25 * sx), static_cast<std::uint8_t>(25 * sy), 200);
        const TColor want = (set || !k.mask ? k.foreOp : k.backOp)(kInk, s, kBack);
        ASSERT_EQ(got.GetPixel(20 + x, 20 + y), want) << "operations " << int(k.fore) << "/" << int(k.back) << " at " << x
                                                      << "," << y;
      }
    EXPECT_EQ(got.GetPixel(19, 20), kBack);
    EXPECT_EQ(got.GetPixel(28, 27), kBack);
  }
}
