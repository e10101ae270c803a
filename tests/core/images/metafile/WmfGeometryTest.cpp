// 16-bit metafiles: region objects and the records that fill, frame, paint,
// invert and clip with them, clip rectangles, the mapping records and the
// placeable header's units; and, where libwmf's renderer is installed, the
// same picture drawn by it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "core/images/metafile/Metafile.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/core/images/metafile/WmfBuilder.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 96;

// A region of two bands: rows 10..29 with columns 10..39 and 50..79, rows
// 30..59 with columns 20..69.
bool InRegion(int x, int y) {
  const auto in = [](int v, int a, int b) { return v >= a && v < b; };
  return (in(y, 10, 30) && (in(x, 10, 40) || in(x, 50, 80))) || (in(y, 30, 60) && in(x, 20, 70));
}

std::vector<std::uint8_t> RegionObject() {
  ByteWriter scans;
  scans.U16(4).U16(10).U16(30).U16(10).U16(40).U16(50).U16(80).U16(4);
  scans.U16(2).U16(30).U16(60).U16(20).U16(70).U16(2);
  ByteWriter r;
  r.U16(0).U16(6).U32(0).U16(static_cast<unsigned>(22 + scans.bytes.size())).U16(2).U16(4);
  r.U16(10).U16(10).U16(80).U16(60);
  r.bytes.insert(r.bytes.end(), scans.bytes.begin(), scans.bytes.end());
  return r.bytes;
}

// Slot 0: a black brush; slot 1: the region; slot 2: the null pen.
WmfBuilder WithObjects() {
  WmfBuilder b;
  b.Record(0x02FC, {0, 0, 0, 0}).Record(0x06FF, {}, RegionObject()).Record(0x02FA, {5, 0, 0, 0, 0});
  return b;
}

Bitmap Play(const std::vector<std::uint8_t>& file) { return RenderMetafile(file); }

bool In(int x, int y, const TRect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// Fills the whole picture with the black brush and no outline.
WmfBuilder& FillAll(WmfBuilder& b) { return b.Record(0x012D, {2}).Record(0x012D, {0}).Record(0x041B, {200, 200, -5, -5}); }

}  // namespace

TEST(WmfGeometry, RegionRecordsAndClipRectangles) {
  const struct {
    const char* name;
    std::function<void(WmfBuilder&)> records;
    std::function<bool(int, int)> inside;
  } cases[] = {
      {"a region filled", [](WmfBuilder& b) { b.Record(0x0228, {1, 0}); }, InRegion},
      {"a region painted with the brush selected", [](WmfBuilder& b) { b.Record(0x012D, {0}).Record(0x012B, {1}); },
       InRegion},
      {"a region inverted", [](WmfBuilder& b) { b.Record(0x012A, {1}); }, InRegion},
      {"a region framed three wide and two high",
       [](WmfBuilder& b) { b.Record(0x0429, {1, 0, 2, 3}); },
       [](int x, int y) {
         bool deep = true;
         for (int dy = -2; dy <= 2; ++dy)
           for (int dx = -3; dx <= 3; ++dx) deep = deep && InRegion(x + dx, y + dy);
         return InRegion(x, y) && !deep;
       }},
      {"a region selected as the clip", [](WmfBuilder& b) { FillAll(b.Record(0x012C, {1})); }, InRegion},
      {"a region object selected", [](WmfBuilder& b) { FillAll(b.Record(0x012D, {1})); }, InRegion},
      {"a region clip moved and cut by a rectangle",
       [](WmfBuilder& b) { FillAll(b.Record(0x012C, {1}).Record(0x0220, {5, 6}).Record(0x0416, {50, 60, 0, 0})); },
       [](int x, int y) { return InRegion(x - 6, y - 5) && x < 60 && y < 50; }},
      {"a rectangle excluded", [](WmfBuilder& b) { FillAll(b.Record(0x0415, {50, 60, 10, 20})); },
       [](int x, int y) { return !In(x, y, TRect{20, 10, 60, 50}); }},
  };
  for (const auto& c : cases) {
    WmfBuilder b = WithObjects();
    c.records(b);
    EXPECT_EQ(Play(b.Build(TRect{0, 0, kSize, kSize}, 96)), Mask(kSize, kSize, c.inside)) << c.name;
  }
}

TEST(WmfGeometry, MappingRecordsAndThePlaceableHeadersUnits) {
  // 1440 units an inch on the placeable header: 15 units a pixel. The
  // rectangle (150, 300)-(600, 900) covers pixels (10, 20)-(40, 60).
  const struct {
    const char* name;
    std::function<void(WmfBuilder&)> records;
    TRect expected;
  } cases[] = {
      {"the header's units", [](WmfBuilder&) {}, {10, 20, 40, 60}},
      {"the window origin moved", [](WmfBuilder& b) { b.Record(0x020F, {0, 150}); }, {0, 20, 30, 60}},
      {"the viewport origin moved", [](WmfBuilder& b) { b.Record(0x0211, {7, 5}); }, {15, 27, 45, 67}},
      {"the window extent halved across", [](WmfBuilder& b) { b.Record(0x0410, {1, 1, 2, 1}); }, {20, 20, 80, 60}},
      {"the viewport extent halved down", [](WmfBuilder& b) { b.Record(0x0412, {2, 1, 1, 1}); }, {10, 10, 40, 30}},
  };
  for (const auto& c : cases) {
    WmfBuilder b = WithObjects();
    c.records(b);
    b.Record(0x012D, {2}).Record(0x012D, {0}).Record(0x041B, {900, 600, 300, 150});
    EXPECT_EQ(Play(b.Build(TRect{0, 0, 1440, 1440}, 1440)), Mask(kSize, kSize, [&](int x, int y) { return In(x, y, c.expected); }))
        << c.name;
  }
}

TEST(WmfGeometry, LibwmfDrawsTheSamePicture) {
  if (!std::filesystem::exists("/usr/bin/wmf2gd") || !HaveImageMagick()) GTEST_SKIP() << "no wmf2gd or convert";
  // Shapes libwmf's renderer draws as we do: a white background over the
  // whole box (it sizes the picture by what is drawn), a star by the
  // alternate rule, a triangle and a rectangle.
  WmfBuilder b = WithObjects();
  b.Record(0x02FC, {0, 0xFFFF, 0xFF, 0}).Record(0x012D, {2}).Record(0x012D, {3}).Record(0x041B, {1440, 1440, 0, 0});
  b.Record(0x012D, {0}).Record(0x0324, {5, 720, 60, 1110, 1290, 90, 510, 1350, 510, 330, 1290});
  b.Record(0x0324, {3, 60, 1380, 600, 1380, 60, 900}).Record(0x041B, {300, 1380, 60, 1140});
  TempDir dir;
  const std::string wmf = dir.File("shapes.wmf"), png = dir.File("shapes.png");
  WriteBytes(wmf, b.Build(TRect{0, 0, 1440, 1440}, 1440));
  const std::string command = "/usr/bin/wmf2gd --maxwidth=96 --maxheight=96 --maxpect -o '" + png + "' '" + wmf +
                              "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const Bitmap theirs = DecodeWithImageMagick(png), ours = Play(b.Build(TRect{0, 0, 1440, 1440}, 1440));
  ASSERT_EQ(theirs.Width(), ours.Width());
  ASSERT_EQ(theirs.Height(), ours.Height());
  // Anti-aliasing and edge pixels aside (a pixel's ink within a pixel of the
  // same ink there, but for a few where the two round a vertex apart), the same.
  int stray = 0, inked = 0;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const bool dark = GreenOf(ours.GetPixel(x, y)) < 128;
      inked += dark;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          const TColor t = theirs.GetPixel(x + dx, y + dy);
          near = t != kInvalidColor && (GreenOf(t) < 128) == dark;
        }
      stray += !near;
    }
  EXPECT_GT(inked, 1500);
  EXPECT_LE(stray, inked / 100);
}
