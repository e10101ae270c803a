// Writes clipart.emf and clipart.wmf, the clip art of the metafile batch
// test, through libUEMF (independent software):
//   g++ make_clipart.cpp -luemf -o make_clipart && ./make_clipart
// A sky of bands shading from deep to pale blue, a sun, hills of curves
// filled and outlined, a red heart of curves, a star filled by the winding
// rule, a hatched window, a dashed path, and the word "Kestrova" clipped to
// an ellipse. The 16-bit file has no curves or paths: it gets the same
// curves as lines and a clipping rectangle, and keeps to what libwmf's
// renderer draws alike (it fills no ellipses and fills by one rule only):
// the sun and the star are outlines of lines there.

#include <uemf.h>
#include <uwmf.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 200, kHeight = 160;

struct P {
  int x, y;
};

// A cubic curve as lines: the points after `a`.
void Flatten(std::vector<P>& out, P a, P b, P c, P d) {
  for (int i = 1; i <= 24; ++i) {
    const double t = i / 24.0, u = 1 - t;
    out.push_back(P{int(std::lround(u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x)),
                    int(std::lround(u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y))});
  }
}

// The shapes: each curve run is a start and triples of points.
const std::vector<P> kHills{{0, 120}, {40, 80}, {70, 90}, {100, 110}, {130, 130}, {160, 70}, {200, 100}};
const std::vector<P> kHeart{{150, 58}, {150, 40}, {178, 40}, {178, 58}, {178, 72}, {160, 80}, {150, 92},
                            {140, 80}, {122, 72}, {122, 58}, {122, 40}, {150, 40}, {150, 58}};
const std::vector<P> kStar{{40, 100}, {49, 128}, {25, 111}, {55, 111}, {31, 128}};
// The same star's outline without its crossings.
const std::vector<P> kStarOutline{{40, 100}, {44, 111}, {55, 111}, {46, 118}, {49, 128},
                                  {40, 121}, {31, 128}, {34, 118}, {25, 111}, {36, 111}};

// The sun's circle as lines.
std::vector<P> Circle(double cx, double cy, double r) {
  std::vector<P> out;
  for (int i = 0; i < 48; ++i)
    out.push_back(P{int(std::lround(cx + r * std::cos(i * M_PI / 24))), int(std::lround(cy + r * std::sin(i * M_PI / 24)))});
  return out;
}

std::vector<P> Flattened(const std::vector<P>& run) {
  std::vector<P> out{run[0]};
  for (std::size_t i = 1; i + 2 < run.size(); i += 3) Flatten(out, out.back(), run[i], run[i + 1], run[i + 2]);
  return out;
}

std::uint16_t kWord[] = {'K', 'e', 's', 't', 'r', 'o', 'v', 'a', 0};

void WriteEmf() {
  EMFTRACK* et = nullptr;
  EMFHANDLES* eht = nullptr;
  emf_start("clipart.emf", 100000, 100000, &et);
  emf_htable_create(128, 128, &eht);
  const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(kWidth * 2540 / 96, kHeight * 2540 / 96));
  const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(kWidth - 1, kHeight - 1));
  emf_append((PU_ENHMETARECORD)U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(960, 960),
                                                sizel_set(254, 254), 0), et, 1);
  const auto add = [&](char* r) { emf_append((PU_ENHMETARECORD)r, et, 1); };
  std::uint32_t h = 0;
  const auto brush = [&](std::uint32_t style, U_COLORREF c, int hatch) {
    add(createbrushindirect_set(&h, eht, logbrush_set(style, c, hatch)));
    add(selectobject_set(h, eht));
  };
  const auto pen = [&](std::uint32_t style, int width, U_COLORREF c) {
    add(createpen_set(&h, eht, logpen_set(style, point32_set(width, 0), c)));
    add(selectobject_set(h, eht));
  };
  // The sky: sixteen bands.
  add(selectobject_set(U_NULL_PEN, eht));
  for (int i = 0; i < 16; ++i) {
    brush(U_BS_SOLID, colorref3_set(40 + i * 12, 80 + i * 10, 200 + i * 3), 0);
    add(U_EMRRECTANGLE_set(rectl_set(point32_set(0, i * 8), point32_set(kWidth + 1, i * 8 + 9))));
  }
  // The sun.
  pen(U_PS_SOLID, 2, colorref3_set(255, 140, 0));
  brush(U_BS_SOLID, colorref3_set(255, 220, 0), 0);
  add(U_EMRELLIPSE_set(rectl_set(point32_set(20, 14), point32_set(56, 50))));
  // The hills: a path of curves closed along the bottom, filled and outlined.
  pen(U_PS_SOLID, 2, colorref3_set(20, 90, 20));
  brush(U_BS_SOLID, colorref3_set(60, 170, 60), 0);
  add(U_EMRBEGINPATH_set());
  add(U_EMRMOVETOEX_set(point32_set(kHills[0].x, kHills[0].y)));
  std::vector<U_POINTL> run;
  for (std::size_t i = 1; i < kHills.size(); ++i) run.push_back(point32_set(kHills[i].x, kHills[i].y));
  add(U_EMRPOLYBEZIERTO_set(bounds, run.size(), run.data()));
  add(U_EMRLINETO_set(point32_set(kWidth, kHeight)));
  add(U_EMRLINETO_set(point32_set(0, kHeight)));
  add(U_EMRCLOSEFIGURE_set());
  add(U_EMRENDPATH_set());
  add(U_EMRSTROKEANDFILLPATH_set(bounds));
  // The heart: curves filled red.
  add(selectobject_set(U_NULL_PEN, eht));
  brush(U_BS_SOLID, colorref3_set(220, 30, 40), 0);
  std::vector<U_POINT16> heart;
  for (const P& p : kHeart) heart.push_back(point16_set(p.x, p.y));
  add(U_EMRBEGINPATH_set());
  add(U_EMRPOLYBEZIER16_set(bounds, heart.size(), heart.data()));
  add(U_EMRCLOSEFIGURE_set());
  add(U_EMRENDPATH_set());
  add(U_EMRFILLPATH_set(bounds));
  // The star, by the winding rule.
  pen(U_PS_SOLID, 1, colorref3_set(120, 80, 0));
  brush(U_BS_SOLID, colorref3_set(255, 200, 40), 0);
  add(U_EMRSETPOLYFILLMODE_set(U_WINDING));
  std::vector<U_POINT16> star;
  for (const P& p : kStar) star.push_back(point16_set(p.x, p.y));
  add(U_EMRPOLYGON16_set(bounds, star.size(), star.data()));
  // A hatched window and a dashed path.
  add(U_EMRSETBKMODE_set(U_OPAQUE));
  add(U_EMRSETBKCOLOR_set(colorref3_set(255, 255, 230)));
  pen(U_PS_SOLID, 1, colorref3_set(0, 0, 0));
  brush(U_BS_HATCHED, colorref3_set(90, 60, 30), U_HS_CROSS);
  add(U_EMRRECTANGLE_set(rectl_set(point32_set(86, 118), point32_set(118, 146))));
  add(U_EMRSETBKMODE_set(U_TRANSPARENT));
  pen(U_PS_DASH, 1, colorref3_set(255, 255, 255));
  const std::vector<U_POINTL> trail{point32_set(120, 150), point32_set(140, 140), point32_set(170, 146),
                                    point32_set(196, 132)};
  add(U_EMRPOLYLINE_set(bounds, trail.size(), trail.data()));
  // The word, clipped to an ellipse.
  add(U_EMRSAVEDC_set());
  add(U_EMRBEGINPATH_set());
  add(U_EMRELLIPSE_set(rectl_set(point32_set(64, 40), point32_set(196, 84))));
  add(U_EMRENDPATH_set());
  add(U_EMRSELECTCLIPPATH_set(U_RGN_AND));
  U_LOGFONT font = logfont_set(-30, 0, 0, 0, U_FW_BOLD, 0, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                               U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, nullptr);
  const char* face = "Arial";
  for (int i = 0; face[i]; ++i) font.lfFaceName[i] = face[i];
  add(extcreatefontindirectw_set(&h, eht, reinterpret_cast<char*>(&font), nullptr));
  add(selectobject_set(h, eht));
  add(U_EMRSETTEXTCOLOR_set(colorref3_set(120, 0, 120)));
  add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
  std::uint32_t dx[8] = {22, 18, 17, 11, 12, 18, 17, 17};
  add(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1, 1,
                           (PU_EMRTEXT)emrtext_set(point32_set(62, 72), 8, 2, kWord, 0,
                                                   rectl_set(point32_set(0, 0), point32_set(-1, -1)), dx)));
  add(U_EMRRESTOREDC_set(-1));
  add(U_EMREOF_set(0, nullptr, et));
  emf_finish(et, eht);
  emf_free(&et);
  emf_htable_free(&eht);
}

void WriteWmf() {
  WMFTRACK* wt = nullptr;
  WMFHANDLES* wht = nullptr;
  wmf_start("clipart.wmf", 100000, 100000, &wt);
  wmf_htable_create(128, 128, &wht);
  wmf_header_append((U_METARECORD*)U_WMRHEADER_set(U_PAIRF_set(kWidth / 96.0f, kHeight / 96.0f), 96), wt, 1);
  const auto add = [&](char* r) { wmf_append((U_METARECORD*)r, wt, 1); };
  std::uint32_t h = 0;
  // Objects are deleted once replaced: 16-bit files have few slots.
  std::uint32_t brushSlot = 0, penSlot = 0;
  const auto brush = [&](std::uint16_t style, U_COLORREF c, std::uint16_t hatch) {
    add(wcreatebrushindirect_set(&h, wht, U_WLOGBRUSH_set(style, c, hatch)));
    add(wselectobject_set(h, wht));
    if (brushSlot) add(wdeleteobject_set(&brushSlot, wht));
    brushSlot = h;
  };
  const auto pen = [&](std::uint16_t style, std::uint16_t width, U_COLORREF c) {
    add(wcreatepenindirect_set(&h, wht, U_PEN_set(style, width, c)));
    add(wselectobject_set(h, wht));
    if (penSlot) add(wdeleteobject_set(&penSlot, wht));
    penSlot = h;
  };
  const auto rect = [](int l, int t, int r, int b) { return U_RECT16{std::int16_t(l), std::int16_t(t), std::int16_t(r), std::int16_t(b)}; };
  const auto polygon = [&](const std::vector<P>& points) {
    std::vector<U_POINT16> p;
    for (const P& q : points) p.push_back(point16_set(q.x, q.y));
    add(U_WMRPOLYGON_set(p.size(), p.data()));
  };
  pen(U_PS_NULL, 0, colorref3_set(0, 0, 0));
  for (int i = 0; i < 16; ++i) {
    brush(U_BS_SOLID, colorref3_set(40 + i * 12, 80 + i * 10, 200 + i * 3), 0);
    add(U_WMRRECTANGLE_set(rect(0, i * 8, kWidth + 1, i * 8 + 9)));
  }
  pen(U_PS_SOLID, 2, colorref3_set(255, 140, 0));
  brush(U_BS_SOLID, colorref3_set(255, 220, 0), 0);
  polygon(Circle(38, 32, 18));
  pen(U_PS_SOLID, 2, colorref3_set(20, 90, 20));
  brush(U_BS_SOLID, colorref3_set(60, 170, 60), 0);
  std::vector<P> hills = Flattened(kHills);
  hills.push_back({kWidth, kHeight});
  hills.push_back({0, kHeight});
  polygon(hills);
  pen(U_PS_NULL, 0, colorref3_set(0, 0, 0));
  brush(U_BS_SOLID, colorref3_set(220, 30, 40), 0);
  polygon(Flattened(kHeart));
  pen(U_PS_SOLID, 1, colorref3_set(120, 80, 0));
  brush(U_BS_SOLID, colorref3_set(255, 200, 40), 0);
  add(U_WMRSETPOLYFILLMODE_set(U_WINDING));
  polygon(kStarOutline);
  add(U_WMRSETBKMODE_set(U_OPAQUE));
  add(U_WMRSETBKCOLOR_set(colorref3_set(255, 255, 230)));
  pen(U_PS_SOLID, 1, colorref3_set(0, 0, 0));
  brush(U_BS_HATCHED, colorref3_set(90, 60, 30), U_HS_CROSS);
  add(U_WMRRECTANGLE_set(rect(86, 118, 118, 146)));
  add(U_WMRSETBKMODE_set(U_TRANSPARENT));
  pen(U_PS_DASH, 1, colorref3_set(255, 255, 255));
  const std::vector<U_POINT16> trail{point16_set(120, 150), point16_set(140, 140), point16_set(170, 146),
                                     point16_set(196, 132)};
  add(U_WMRPOLYLINE_set(trail.size(), trail.data()));
  add(U_WMRSAVEDC_set());
  add(U_WMRSETBKMODE_set(U_TRANSPARENT));
  add(U_WMRINTERSECTCLIPRECT_set(rect(64, 48, 196, 76)));
  add(wcreatefontindirect_set(&h, wht, U_FONT_set(-30, 0, 0, 0, U_FW_BOLD, 0, 0, 0, U_ANSI_CHARSET, 0, 0, 0, 0,
                                                  const_cast<char*>("Arial"))));
  add(wselectobject_set(h, wht));
  add(U_WMRSETTEXTCOLOR_set(colorref3_set(120, 0, 120)));
  add(U_WMRSETTEXTALIGN_set(U_TA_BASELINE));
  std::int16_t dx[8] = {22, 18, 17, 11, 12, 18, 17, 17};
  add(U_WMREXTTEXTOUT_set(point16_set(62, 72), 8, 0, "Kestrova", dx, rect(0, 0, 0, 0)));
  add(U_WMRRESTOREDC_set(-1));
  add(U_WMREOF_set());
  wmf_finish(wt);
  wmf_free(&wt);
  wmf_htable_free(&wht);
}

}  // namespace

int main() {
  WriteEmf();
  WriteWmf();
}
