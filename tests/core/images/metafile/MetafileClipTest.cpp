// Metafile clipping and regions: each clip kind in files written by libUEMF,
// the picture compared pixel by pixel with the region's own shape.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "core/images/metafile/Metafile.h"
#include "rendering/Canvas.h"
#include "tests/core/images/metafile/UemfWriter.h"
#include "tests/rendering/CanvasTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 96;

Bitmap Play(const std::vector<std::uint8_t>& file) {
  const MetafilePicture metafile = MetafilePicture::Load(file);
  Bitmap b(metafile.Width(), metafile.Height());
  b.Fill(clWhite);
  TCanvas canvas(b);
  metafile.Draw(canvas);
  return b;
}

bool In(int x, int y, int l, int t, int r, int b) { return x >= l && x < r && y >= t && y < b; }

// The two rectangles of the test region.
bool InPair(int x, int y) { return In(x, y, 0, 0, 20, 20) || In(x, y, 40, 40, 60, 90); }
bool InSquare(int x, int y) { return In(x, y, 10, 10, 70, 70); }

// An ExtSelectClipRgn record without region data.
char* NoRegion(int mode) {
  auto* r = static_cast<std::uint32_t*>(std::malloc(16));
  const std::uint32_t fields[] = {75, 16, 0, static_cast<std::uint32_t>(mode)};
  std::memcpy(r, fields, sizeof fields);
  return reinterpret_cast<char*>(r);
}

void SelectPair(UemfWriter& w, int mode) {
  const RegionData pair({Box(0, 0, 20, 20), Box(40, 40, 60, 90)});
  w.Add(U_EMREXTSELECTCLIPRGN_set(mode, pair.Get()));
}

}  // namespace

TEST(MetafileClip, EachClipKindLimitsDrawingToTheRegion) {
  const struct {
    const char* name;
    std::function<void(UemfWriter&)> clip;
    std::function<bool(int, int)> inside;
  } cases[] = {
      {"intersected with a rectangle", [](UemfWriter& w) { w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 50, 40))); },
       [](int x, int y) { return In(x, y, 10, 10, 50, 40); }},
      {"a rectangle excluded", [](UemfWriter& w) { w.Add(U_EMREXCLUDECLIPRECT_set(Box(10, 10, 50, 40))); },
       [](int x, int y) { return !In(x, y, 10, 10, 50, 40); }},
      {"a region copied", [](UemfWriter& w) { SelectPair(w, U_RGN_COPY); }, InPair},
      {"a region and the clip",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 70, 70)));
         SelectPair(w, U_RGN_AND);
       },
       [](int x, int y) { return InSquare(x, y) && InPair(x, y); }},
      {"a region or the clip",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 70, 70)));
         SelectPair(w, U_RGN_OR);
       },
       [](int x, int y) { return InSquare(x, y) || InPair(x, y); }},
      {"a region xor the clip",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 70, 70)));
         SelectPair(w, U_RGN_XOR);
       },
       [](int x, int y) { return InSquare(x, y) != InPair(x, y); }},
      {"a region taken from the clip",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 70, 70)));
         SelectPair(w, U_RGN_DIFF);
       },
       [](int x, int y) { return InSquare(x, y) && !InPair(x, y); }},
      {"the clip removed",
       [](UemfWriter& w) { w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 70, 70))).Add(NoRegion(U_RGN_COPY)); },
       [](int, int) { return true; }},
      {"the clip moved",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 30, 30))).Add(U_EMROFFSETCLIPRGN_set(point32_set(40, 20)));
       },
       [](int x, int y) { return In(x, y, 50, 30, 70, 50); }},
      {"the meta region limits a later clip",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(0, 0, 50, 50))).Add(U_EMRSETMETARGN_set());
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(30, 30, 90, 90)));
       },
       [](int x, int y) { return In(x, y, 30, 30, 50, 50); }},
      {"the meta region stays when the clip goes",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(0, 0, 50, 50))).Add(U_EMRSETMETARGN_set());
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(30, 30, 90, 90))).Add(NoRegion(U_RGN_COPY));
       },
       [](int x, int y) { return In(x, y, 0, 0, 50, 50); }},
      {"a path by the alternate rule",
       [](UemfWriter& w) {
         w.Add(U_EMRBEGINPATH_set()).Add(U_EMRRECTANGLE_set(Box(10, 10, 40, 40)));
         w.Add(U_EMRRECTANGLE_set(Box(30, 30, 80, 80))).Add(U_EMRENDPATH_set()).Add(U_EMRSELECTCLIPPATH_set(U_RGN_COPY));
       },
       [](int x, int y) { return In(x, y, 10, 10, 40, 40) != In(x, y, 30, 30, 80, 80); }},
      {"a path by the winding rule, and the clip",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(0, 0, 60, 96))).Add(U_EMRSETPOLYFILLMODE_set(U_WINDING));
         w.Add(U_EMRBEGINPATH_set()).Add(U_EMRRECTANGLE_set(Box(10, 10, 40, 40)));
         w.Add(U_EMRRECTANGLE_set(Box(30, 30, 80, 80))).Add(U_EMRENDPATH_set()).Add(U_EMRSELECTCLIPPATH_set(U_RGN_AND));
       },
       [](int x, int y) { return x < 60 && (In(x, y, 10, 10, 40, 40) || In(x, y, 30, 30, 80, 80)); }},
      {"a clip restored away",
       [](UemfWriter& w) {
         w.Add(U_EMRSAVEDC_set()).Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 20, 20))).Add(U_EMRRESTOREDC_set(-1));
       },
       [](int, int) { return true; }},
      {"a clip kept through a saved state",
       [](UemfWriter& w) {
         w.Add(U_EMRINTERSECTCLIPRECT_set(Box(10, 10, 20, 20))).Add(U_EMRSAVEDC_set());
         w.Add(U_EMREXCLUDECLIPRECT_set(Box(0, 0, 96, 96))).Add(U_EMRRESTOREDC_set(1));
       },
       [](int x, int y) { return In(x, y, 10, 10, 20, 20); }},
      {"a clip in logical units under a mapping",
       [](UemfWriter& w) {
         w.Add(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC)).Add(U_EMRSETWINDOWEXTEX_set(sizel_set(10, 10)));
         w.Add(U_EMRSETVIEWPORTEXTEX_set(sizel_set(20, 40))).Add(U_EMRINTERSECTCLIPRECT_set(Box(1, 1, 3, 2)));
       },
       [](int x, int y) { return In(x, y, 2, 4, 6, 8); }},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    w.NullPen().Brush(Rgb(0, 0, 0));
    c.clip(w);
    w.Add(U_EMRSETMAPMODE_set(U_MM_TEXT)).Add(U_EMRRECTANGLE_set(Box(-10, -10, 200, 200)));
    EXPECT_EQ(Play(w.Finish()), Mask(kSize, kSize, c.inside)) << c.name;
  }
}

TEST(MetafileClip, RegionsAreFilledFramedPaintedAndInverted) {
  const struct {
    const char* name;
    std::function<void(UemfWriter&, PU_RGNDATA)> draw;
    std::function<bool(int, int)> inside;
  } cases[] = {
      {"filled with a brush",
       [](UemfWriter& w, PU_RGNDATA rgn) { w.Add(U_EMRFILLRGN_set(Box(0, 0, 96, 96), w.NewBrush(Rgb(0, 0, 0)), rgn)); },
       [](int x, int y) { return In(x, y, 10, 10, 50, 40) || In(x, y, 60, 20, 90, 90); }},
      {"framed two wide and three high",
       [](UemfWriter& w, PU_RGNDATA rgn) {
         w.Add(U_EMRFRAMERGN_set(Box(0, 0, 96, 96), w.NewBrush(Rgb(0, 0, 0)), sizel_set(2, 3), rgn));
       },
       [](int x, int y) {
         return (In(x, y, 10, 10, 50, 40) && !In(x, y, 12, 13, 48, 37)) ||
                (In(x, y, 60, 20, 90, 90) && !In(x, y, 62, 23, 88, 87));
       }},
      {"painted with the brush selected",
       [](UemfWriter& w, PU_RGNDATA rgn) { w.Brush(Rgb(0, 0, 0)).Add(U_EMRPAINTRGN_set(rgn)); },
       [](int x, int y) { return In(x, y, 10, 10, 50, 40) || In(x, y, 60, 20, 90, 90); }},
      {"inverted",
       [](UemfWriter& w, PU_RGNDATA rgn) { w.Add(U_EMRINVERTRGN_set(rgn)); },
       [](int x, int y) { return In(x, y, 10, 10, 50, 40) || In(x, y, 60, 20, 90, 90); }},
  };
  for (const auto& c : cases) {
    UemfWriter w(kSize, kSize);
    const RegionData region({Box(10, 10, 50, 40), Box(60, 20, 90, 90)});
    c.draw(w, region.Get());
    EXPECT_EQ(Play(w.Finish()), Mask(kSize, kSize, c.inside)) << c.name;
  }
}
