// The metafile device's gradient fills: rectangles shaded from one side to
// the other, and triangles shaded between their corners' colours, each pixel
// centre mapped back to logical units to find its colour, a row at a time.

#include <algorithm>
#include <cmath>

#include "core/images/metafile/MetafileDevice.h"
#include "rendering/BitmapRows.h"
#include "rendering/PolygonScan.h"

namespace kestrova {

namespace {

std::uint8_t Mixed(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::clamp(std::lrint(a + (b - a) * t), 0L, 255L));
}

TColor Blend(TColor a, TColor b, double t) {
  return RGBColor(Mixed(RedOf(a), RedOf(b), t), Mixed(GreenOf(a), GreenOf(b), t), Mixed(BlueOf(a), BlueOf(b), t));
}

// A pixel's colour worked out and written costs about twice what a pixel mixed does.
constexpr std::int64_t kShadedPixelWork = 2 * work::kPixel;

// A row shader painting each pixel in the colour colourAt gives for the
// logical point of its centre.
template <typename ColourAt>
auto EachPixel(ColourAt colourAt) {
  return [colourAt](const AffineTransform& toLogical, int y, int x0, int count, TColor* out) {
    for (int i = 0; i < count; ++i) out[i] = colourAt(toLogical.Apply(TPointF{x0 + i + 0.5, y + 0.5}));
  };
}

TPointF At(const GradientVertex& v) { return TPointF{double(v.at.x), double(v.at.y)}; }

}  // namespace

void MetafileDevice::ShadeFigure(const std::vector<TPoint>& logicalCorners, const RowShader& shade) {
  std::vector<TPointF> logical;
  for (const TPoint& p : logicalCorners) logical.push_back(TPointF{double(p.x), double(p.y)});
  AffineTransform toLogical;
  if (!Mapping().Inverse(toLogical)) return;
  // Only the pixels of the figure that the clip leaves are shaded.
  Bitmap& target = canvas_.Target();
  RawValueEncoder encoder(target);
  std::vector<TColor> colours;
  std::vector<TPointF> outline;
  for (const TPoint& p : Rounded(Mapped(logical))) outline.push_back(TPointF{double(p.x), double(p.y)});
  WindingSpans({outline}, CanvasRows(), [&](int y, int x0, int x1) {
    canvas_.ForEachVisibleSpan(
        y, x0, x1,
        [&](int a, int b) {
          colours.resize(static_cast<std::size_t>(b - a));
          shade(toLogical, y, a, b - a, colours.data());
          WriteColorRow(target, y, a, b, colours.data(), encoder);
        },
        kShadedPixelWork);
  });
}

void MetafileDevice::GradientFill(const std::vector<GradientVertex>& vertices,
                                  const std::vector<std::array<std::uint32_t, 3>>& pieces, int mode) {
  for (const auto& piece : pieces) {
    const std::size_t corners = mode == gdi::GRADIENT_FILL_TRIANGLE ? 3 : 2;
    if (std::any_of(piece.begin(), piece.begin() + corners, [&](std::uint32_t i) { return i >= vertices.size(); }))
      continue;
    const GradientVertex &a = vertices[piece[0]], &b = vertices[piece[1]];
    if (mode == gdi::GRADIENT_FILL_TRIANGLE) {
      ShadeTriangle(a, b, vertices[piece[2]]);
      continue;
    }
    if (mode != gdi::GRADIENT_FILL_RECT_H && mode != gdi::GRADIENT_FILL_RECT_V) return;
    const bool across = mode == gdi::GRADIENT_FILL_RECT_H;
    // The colours run from the first vertex's side to the second's.
    const double from = across ? a.at.x : a.at.y, to = across ? b.at.x : b.at.y;
    ShadeFigure({a.at, {b.at.x, a.at.y}, b.at, {a.at.x, b.at.y}}, EachPixel([&](TPointF p) {
                  const double t = to == from ? 0 : std::clamp(((across ? p.x : p.y) - from) / (to - from), 0.0, 1.0);
                  return Blend(a.color, b.color, t);
                }));
  }
}

void MetafileDevice::ShadeTriangle(const GradientVertex& a, const GradientVertex& b, const GradientVertex& c) {
  const TPointF pa = At(a), pb = At(b), pc = At(c);
  const double area = (pb.x - pa.x) * (pc.y - pa.y) - (pc.x - pa.x) * (pb.y - pa.y);
  if (area == 0) return;
  ShadeFigure({a.at, b.at, c.at}, EachPixel([&](TPointF p) {
    // The weights of b and c where p lies (a takes the rest), kept inside the triangle.
    double wb = ((p.x - pa.x) * (pc.y - pa.y) - (pc.x - pa.x) * (p.y - pa.y)) / area;
    double wc = ((pb.x - pa.x) * (p.y - pa.y) - (p.x - pa.x) * (pb.y - pa.y)) / area;
    wb = std::clamp(wb, 0.0, 1.0);
    wc = std::clamp(wc, 0.0, 1.0 - wb);
    const auto mix = [&](int shift) {
      const auto channel = [shift](TColor colour) { return static_cast<double>((colour >> shift) & 0xFF); };
      return static_cast<unsigned>(std::clamp(
          std::lrint(channel(a.color) * (1 - wb - wc) + channel(b.color) * wb + channel(c.color) * wc), 0L, 255L));
    };
    return RGBColor(mix(0), mix(8), mix(16));
  }));
}

}  // namespace kestrova
