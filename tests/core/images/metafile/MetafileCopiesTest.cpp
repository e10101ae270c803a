// Metafile gradients, copies under turning transforms, transparent and
// parallelogram copies, region fills with hatches, and the mix mode on
// paths, in files libUEMF writes; each checked against colours and places
// reckoned here.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "rendering/BrushPattern.h"
#include "rendering/RasterOp.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/core/images/metafile/UemfWriter.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 96;
const U_RECTL kNoBounds = Box(0, 0, kSize, kSize);

U_TRIVERTEX Vertex(int x, int y, TColor c) {
  return U_TRIVERTEX{x, y, static_cast<std::uint16_t>(RedOf(c) << 8), static_cast<std::uint16_t>(GreenOf(c) << 8),
                     static_cast<std::uint16_t>(BlueOf(c) << 8), 0};
}

// Each channel of a within `tolerance` of b's.
bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TColor Lerp(TColor a, TColor b, double t) {
  const auto mix = [t](int p, int q) { return static_cast<unsigned>(std::lround(p + (q - p) * t)); };
  return RGBColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

// Pixels whose colour is more than `tolerance` from what `expected` gives.
int WrongPixels(const Bitmap& b, const std::function<TColor(double x, double y)>& expected, int tolerance) {
  int wrong = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) wrong += !Near(b.GetPixel(x, y), expected(x + 0.5, y + 0.5), tolerance);
  return wrong;
}

constexpr TColor kPureBlue = RGBColor(0, 0, 255), kPureGreen = RGBColor(0, 255, 0);

// A 2 x 2 bitmap: blue, white on top; red, green below.
struct Dib {
  PU_BITMAPINFO info = bitmapinfo_set(bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 16, 0, 0, 0, 0), nullptr);
  char pixels[16] = {0, 0, '\xFF', 0, '\xFF', 0, 0, 0, '\xFF', 0, 0, '\xFF', '\xFF', '\xFF', 0, 0};
  ~Dib() { std::free(info); }
};

// The bitmap's colour at (u, v) in its own pixels.
TColor DibColour(double u, double v) {
  static const TColor kColours[2][2] = {{kPureBlue, clWhite}, {clRed, kPureGreen}};
  return kColours[v >= 1][u >= 1];
}

// The parallelogram copy record with a mask appended: 1 for the top-left
// pixel only (rows bottom up, each four bytes). (libUEMF's own lays the
// mask's header over the source's bits, so the mask is added here.)
char* WithMask(char* record) {
  std::uint32_t size = 0;
  std::memcpy(&size, record + 4, 4);
  const std::uint32_t header[] = {40, 2, 2, 0x00010001, 0, 8, 0, 0, 2, 0, 0x000000, 0xFFFFFF};
  const std::uint8_t bits[8] = {0, 0, 0, 0, 0x80, 0, 0, 0};
  const std::uint32_t grown = size + sizeof header + sizeof bits;
  auto* out = static_cast<char*>(std::realloc(record, grown));
  std::memcpy(out + size, header, sizeof header);
  std::memcpy(out + size + sizeof header, bits, sizeof bits);
  const std::uint32_t fields[] = {size, sizeof header, static_cast<std::uint32_t>(size + sizeof header), sizeof bits};
  std::memcpy(out + 124, fields, sizeof fields);
  std::memcpy(out + 4, &grown, 4);
  return out;
}

}  // namespace

TEST(MetafileGradients, RectanglesAndTrianglesShadeBetweenTheirCorners) {
  const struct {
    const char* name;
    std::vector<U_TRIVERTEX> vertices;
    std::vector<std::uint32_t> pieces;
    std::uint32_t mode;
    std::function<TColor(double, double)> expected;
  } cases[] = {
      {"across", {Vertex(8, 8, clRed), Vertex(88, 40, kPureBlue)}, {0, 1}, U_GRADIENT_FILL_RECT_H,
       [](double x, double y) { return x >= 8 && x < 88 && y >= 8 && y < 40 ? Lerp(clRed, kPureBlue, (x - 8) / 80) : clWhite; }},
      {"down", {Vertex(10, 20, kPureGreen), Vertex(50, 84, clBlack)}, {0, 1}, U_GRADIENT_FILL_RECT_V,
       [](double x, double y) { return x >= 10 && x < 50 && y >= 20 && y < 84 ? Lerp(kPureGreen, clBlack, (y - 20) / 64) : clWhite; }},
      {"a triangle", {Vertex(8, 8, clRed), Vertex(88, 8, kPureGreen), Vertex(8, 88, kPureBlue)}, {0, 1, 2},
       U_GRADIENT_FILL_TRIANGLE,
       [](double x, double y) {
         // Weights of the second and third corners; outside the triangle, white.
         const double wb = (x - 8) / 80, wc = (y - 8) / 80;
         if (wb < 0 || wc < 0 || wb + wc > 1) return clWhite;
         return RGBColor(static_cast<unsigned>(std::lround(255 * (1 - wb - wc))), static_cast<unsigned>(std::lround(255 * wb)),
                         static_cast<unsigned>(std::lround(255 * wc)));
       }},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    std::vector<U_TRIVERTEX> vertices = c.vertices;
    w.Add(U_EMRGRADIENTFILL_set(kNoBounds, vertices.size(), c.pieces.size() / (c.mode == U_GRADIENT_FILL_TRIANGLE ? 3 : 2),
                                c.mode, vertices.data(), c.pieces.data()));
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.notDrawn, 0u) << c.name;
    // Edge pixels of the triangle's slanted side may fall either way.
    EXPECT_LE(WrongPixels(played.picture, c.expected, 2), c.mode == U_GRADIENT_FILL_TRIANGLE ? 90 : 0) << c.name;
  }
}

TEST(MetafileCopies, CopiesUnderATurnAreTheTurnedPicture) {
  // A quarter turn counter-clockwise: logical (x, y) lands on (y, 96 - x); a
  // canvas pixel centre (x, y) comes from logical (96 - y, x).
  const auto turnedBack = [](double x, double y) { return std::pair{96 - y, x}; };
  const auto quarter = [](UemfWriter& w) { w.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(0, -1, 1, 0, 0, 96))); };
  const struct {
    const char* name;
    std::function<void(UemfWriter&, Dib&)> records;
    std::function<TColor(double lx, double ly)> expected;  // by logical point
  } cases[] = {
      {"a stretched copy",
       [&](UemfWriter& w, Dib& dib) {
         quarter(w);
         w.Add(U_EMRSTRETCHDIBITS_set(kNoBounds, point32_set(20, 30), point32_set(40, 40), point32_set(0, 0),
                                      point32_set(2, 2), U_DIB_RGB_COLORS, U_SRCCOPY, dib.info, 16, dib.pixels));
       },
       [](double lx, double ly) {
         return lx >= 20 && lx < 60 && ly >= 30 && ly < 70 ? DibColour((lx - 20) / 20, (ly - 30) / 20) : clWhite;
       }},
      {"a transparent copy over black, its white left out",
       [&](UemfWriter& w, Dib& dib) {
         quarter(w);
         w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRRECTANGLE_set(Box(0, 0, 96, 96)));
         w.Add(U_EMRTRANSPARENTBLT_set(kNoBounds, point32_set(20, 30), point32_set(40, 40), point32_set(0, 0),
                                       point32_set(2, 2), xform_set(1, 0, 0, 1, 0, 0), Rgb(0, 0, 0), U_DIB_RGB_COLORS,
                                       0xFFFFFF, dib.info, 16, dib.pixels));
       },
       [](double lx, double ly) {
         const TColor c = lx >= 20 && lx < 60 && ly >= 30 && ly < 70 ? DibColour((lx - 20) / 20, (ly - 30) / 20) : clBlack;
         return c == clWhite ? clBlack : c;
       }},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    Dib dib;
    c.records(w, dib);
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.notDrawn, 0u) << c.name;
    EXPECT_EQ(WrongPixels(played.picture,
                          [&](double x, double y) {
                            const auto [lx, ly] = turnedBack(x, y);
                            return c.expected(lx, ly);
                          },
                          0),
              0)
        << c.name;
  }
}

TEST(MetafileCopies, ParallelogramCopiesFollowTheirCornersAndMask) {
  // The bitmap's top-left corner at (10, 10), its top-right at (70, 22), its bottom-left at (22, 80).
  const std::vector<U_POINTL> corners{point32_set(10, 10), point32_set(70, 22), point32_set(22, 80)};
  for (const bool masked : {false, true}) {
    UemfWriter w(kSize, kSize);
    Dib dib;
    char* record = U_EMRPLGBLT_set(kNoBounds, const_cast<PU_POINTL>(corners.data()), point32_set(0, 0),
                                   point32_set(2, 2), xform_set(1, 0, 0, 1, 0, 0), Rgb(0, 0, 0), U_DIB_RGB_COLORS,
                                   point32_set(0, 0), U_DIB_RGB_COLORS, dib.info, 16, dib.pixels, nullptr, 0, nullptr);
    if (masked) record = WithMask(record);
    w.Add(record);
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.notDrawn, 0u);
    // The centre of each of the bitmap's pixels, carried to the parallelogram.
    for (const auto [u, v] : {std::pair{0.5, 0.5}, std::pair{1.5, 0.5}, std::pair{0.5, 1.5}, std::pair{1.5, 1.5}}) {
      const int x = static_cast<int>(10 + u / 2 * 60 + v / 2 * 12), y = static_cast<int>(10 + u / 2 * 12 + v / 2 * 70);
      const bool kept = !masked || (u < 1 && v < 1);
      EXPECT_EQ(played.picture.GetPixel(x, y), kept ? DibColour(u, v) : clWhite) << masked << " " << u << "," << v;
    }
    EXPECT_EQ(played.picture.GetPixel(80, 80), clWhite);
    EXPECT_EQ(played.picture.GetPixel(12, 60), clWhite);  // left of the slanted side
  }
}

TEST(MetafileCopies, RegionsAndPathsFillWithHatchesAndTheMixMode) {
  const auto hatched = [](TCanvas& c, int hatch) {
    c.Brush.pattern = std::make_shared<BrushPattern>(BrushPattern::Hatch(static_cast<HatchStyle>(hatch), kPureBlue, clWhite));
  };
  const std::vector<U_RECTL> rects{Box(10, 10, 50, 40), Box(30, 30, 80, 86)};
  const struct {
    const char* name;
    std::function<void(UemfWriter&, std::uint32_t brush)> records;
    std::function<void(TCanvas&)> reference;
  } cases[] = {
      {"a region filled with a hatched brush",
       [&](UemfWriter& w, std::uint32_t brush) {
         RegionData region(rects);
         w.Add(U_EMRFILLRGN_set(kNoBounds, brush, region.Get()));
       },
       [&](TCanvas& c) {
         hatched(c, U_HS_DIAGCROSS);
         c.FillRegion(Region::FromRect(TRect{10, 10, 50, 40}).Combined(Region::FromRect(TRect{30, 30, 80, 86}), RegionOp::Or));
       }},
      {"a region painted with the selected hatched brush",
       [&](UemfWriter& w, std::uint32_t brush) {
         RegionData region(rects);
         w.Add(selectobject_set(brush, w.Handles())).Add(U_EMRPAINTRGN_set(region.Get()));
       },
       [&](TCanvas& c) {
         hatched(c, U_HS_DIAGCROSS);
         c.FillRegion(Region::FromRect(TRect{10, 10, 50, 40}).Combined(Region::FromRect(TRect{30, 30, 80, 86}), RegionOp::Or));
       }},
      {"a path filled over black through the exclusive-or mix",
       [&](UemfWriter& w, std::uint32_t) {
         w.NullPen().Brush(Rgb(0, 0, 0)).Add(U_EMRRECTANGLE_set(Box(0, 0, 48, 96)));
         w.Brush(Rgb(255, 0, 0)).Add(U_EMRSETROP2_set(U_R2_XORPEN)).Add(U_EMRBEGINPATH_set());
         const std::vector<U_POINT16> diamond{point16_set(48, 8), point16_set(88, 48), point16_set(48, 88),
                                              point16_set(8, 48)};
         w.Add(U_EMRPOLYGON16_set(kNoBounds, diamond.size(), diamond.data())).Add(U_EMRENDPATH_set());
         w.Add(U_EMRFILLPATH_set(kNoBounds));
       },
       [&](TCanvas& c) {
         c.Pen.style = PenStyle::psClear;
         c.Brush.color = clBlack;
         c.Rectangle(0, 0, 48, 96);
         c.Brush.color = clRed;
         c.Rop2 = kRop2XorPen;
         c.Polygon(std::vector<TPoint>{{48, 8}, {88, 48}, {48, 88}, {8, 48}});
       }},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    std::uint32_t brush = 0;
    w.Add(U_EMRSETBKMODE_set(U_OPAQUE)).Add(U_EMRSETBKCOLOR_set(Rgb(255, 255, 255)));
    w.Add(createbrushindirect_set(&brush, w.Handles(), logbrush_set(U_BS_HATCHED, Rgb(0, 0, 255), U_HS_DIAGCROSS)));
    c.records(w, brush);
    const Played played = Play(w.Finish());
    EXPECT_EQ(played.notDrawn, 0u) << c.name;
    EXPECT_EQ(Art(played.picture), Art(Direct(kSize, kSize, c.reference))) << c.name;
  }
}
