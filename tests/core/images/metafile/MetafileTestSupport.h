#pragma once
// What the metafile tests share: playing a file onto a white picture, the
// same shapes drawn directly on the canvas, curves reckoned independently,
// and a comparison that lets edges differ by a pixel.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/images/metafile/Metafile.h"
#include "rendering/Canvas.h"
#include "tests/support/PaintingTime.h"

namespace kestrova::testing {

struct Played {
  Bitmap picture;
  std::size_t notDrawn = 0;
};

// The file played onto a white picture of its own size.
inline Played Play(const std::vector<std::uint8_t>& file) {
  const MetafilePicture metafile = MetafilePicture::Load(file);
  Played p{Bitmap(metafile.Width(), metafile.Height()), 0};
  p.picture.Fill(clWhite);
  TCanvas canvas(p.picture);
  p.notDrawn = metafile.Draw(canvas);
  return p;
}

// What drawing a file costs the thread: the picture drawn, the seconds it
// took, and the seconds that painting the whole picture `paintings` times
// over took first (the picture is white when drawing begins).
struct DrawingCost {
  Bitmap picture;
  double drawing = 0, painting = 0;
};

inline DrawingCost CostOfDrawing(const std::vector<std::uint8_t>& file, int paintings) {
  const MetafilePicture metafile = MetafilePicture::Load(file);
  DrawingCost cost{Bitmap(metafile.Width(), metafile.Height())};
  TCanvas canvas(cost.picture);
  cost.painting = SecondsToPaint(canvas, paintings);
  const double start = ThreadSeconds();
  metafile.Draw(canvas);
  cost.drawing = ThreadSeconds() - start;
  return cost;
}

// The picture the canvas draws directly: a white w x h bitmap after `draw`.
inline Bitmap Direct(int w, int h, const std::function<void(TCanvas&)>& draw) {
  Bitmap b(w, h);
  b.Fill(clWhite);
  TCanvas c(b);
  draw(c);
  return b;
}

// Pixels of one picture whose colour the other has nowhere within `reach`
// pixels (so edges may differ by that much, shapes may not).
inline int StrayPixels(const Bitmap& a, const Bitmap& b, int reach = 1) {
  int stray = 0;
  for (const auto& [p, q] : {std::pair{&a, &b}, std::pair{&b, &a}})
    for (int y = 0; y < p->Height(); ++y)
      for (int x = 0; x < p->Width(); ++x) {
        bool found = false;
        for (int dy = -reach; dy <= reach && !found; ++dy)
          for (int dx = -reach; dx <= reach && !found; ++dx) found = q->GetPixel(x + dx, y + dy) == p->GetPixel(x, y);
        stray += !found;
      }
  return stray;
}

// A cubic curve by de Casteljau's construction at many steps: a reference
// that shares nothing with the player's flattening.
inline std::vector<TPoint> CurvePoints(const std::vector<TPoint>& p, int steps = 256) {
  std::vector<TPoint> out{p[0]};
  for (std::size_t i = 0; i + 3 < p.size(); i += 3)
    for (int s = 1; s <= steps; ++s) {
      const double t = double(s) / steps;
      double x[4], y[4];
      for (int k = 0; k < 4; ++k) x[k] = p[i + k].x, y[k] = p[i + k].y;
      for (int level = 3; level > 0; --level)
        for (int k = 0; k < level; ++k) x[k] += t * (x[k + 1] - x[k]), y[k] += t * (y[k + 1] - y[k]);
      const TPoint q{int(std::lround(x[0])), int(std::lround(y[0]))};
      if (!(q == out.back())) out.push_back(q);
    }
  return out;
}

// A black rectangle on white: the pixels [left, right) x [top, bottom).
inline Bitmap RectangleOnWhite(int w, int h, const TRect& r) {
  Bitmap b(w, h);
  b.Fill(clWhite);
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x) b.SetPixel(x, y, clBlack);
  return b;
}

// A rectangle from the logical origin to (ux, uy) in each mapping mode (the
// platform's numbers), on a 96 x 96 picture of 96 pixels an inch, with the
// viewport origin at (8, 88) for the modes whose y grows upwards; for the
// last two, a window of 100 x 50 on a viewport of 50 x 100 at (4, 4) or
// (4, 8): anisotropic halves x and doubles y, isotropic takes the smaller
// scale, a half, for both. Where it lands on the picture.
struct MappingCase {
  const char* name;
  int mode;
  int ux, uy;
  TRect expected;
};

inline constexpr MappingCase kMappingCases[] = {
    {"pixels", 1, 40, 30, {0, 0, 40, 30}},
    {"0.1 mm", 2, 127, 254, {8, 88 - 96, 8 + 48, 88}},  // 12.7 mm, 25.4 mm
    {"0.01 mm", 3, 1270, 2540, {8, 88 - 96, 8 + 48, 88}},
    {"0.01 inch", 4, 50, 25, {8, 88 - 24, 8 + 48, 88}},
    {"0.001 inch", 5, 500, 250, {8, 88 - 24, 8 + 48, 88}},
    {"twips", 6, 720, 360, {8, 88 - 24, 8 + 48, 88}},
    {"isotropic", 7, 40, 20, {4, 4, 24, 14}},
    {"anisotropic", 8, 40, 20, {4, 8, 24, 48}},
};

}  // namespace kestrova::testing
