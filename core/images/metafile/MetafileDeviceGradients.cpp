// The metafile device's gradient fills: rectangles shaded from one side to
// the other, and triangles shaded between their corners' colours, each pixel
// centre mapped back to logical units to find its colour.

#include <algorithm>
#include <cmath>

#include "core/images/metafile/MetafileDevice.h"
#include "core/images/metafile/RowBands.h"

namespace kestrova {

namespace {

std::uint8_t Mixed(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::clamp(std::lrint(a + (b - a) * t), 0L, 255L));
}

TColor Blend(TColor a, TColor b, double t) {
  return RGBColor(Mixed(RedOf(a), RedOf(b), t), Mixed(GreenOf(a), GreenOf(b), t), Mixed(BlueOf(a), BlueOf(b), t));
}

// A 24-bit bitmap over a band of the canvas whose pixels take colourAt(logical
// point of their centre).
template <typename ColourAt>
Bitmap Shaded(const TRect& box, const AffineTransform& toLogical, ColourAt colourAt) {
  Bitmap out(box.Width(), box.Height());
  for (int y = box.top; y < box.bottom; ++y) {
    std::uint8_t* row = out.ScanLine(y - box.top);
    for (int x = box.left; x < box.right; ++x, row += 3) {
      const TColor c = colourAt(toLogical.Apply(TPointF{x + 0.5, y + 0.5}));
      row[0] = BlueOf(c);
      row[1] = GreenOf(c);
      row[2] = RedOf(c);
    }
  }
  return out;
}

TPointF At(const GradientVertex& v) { return TPointF{double(v.at.x), double(v.at.y)}; }

}  // namespace

void MetafileDevice::ShadeFigure(const std::vector<TPoint>& logicalCorners,
                                 const std::function<TColor(TPointF)>& colourAt) {
  std::vector<TPointF> logical;
  for (const TPoint& p : logicalCorners) logical.push_back(TPointF{double(p.x), double(p.y)});
  const Region shape = FigureRegion(Rounded(Mapped(logical)));
  const TRect box = Intersect(shape.Bounds(), TRect{0, 0, canvas_.Target().Width(), canvas_.Target().Height()});
  AffineTransform toLogical;
  if (box.IsEmpty() || !Mapping().Inverse(toLogical)) return;
  canvas_.Rop2 = kRop2CopyPen;
  WithinRegion(shape, [&] {
    ForEachRowBand(box, [&](const TRect& band) {
      canvas_.CopyRect(band, Shaded(band, toLogical, colourAt), TRect{0, 0, band.Width(), band.Height()});
    });
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
    ShadeFigure({a.at, {b.at.x, a.at.y}, b.at, {a.at.x, b.at.y}}, [&](TPointF p) {
      const double t = to == from ? 0 : std::clamp(((across ? p.x : p.y) - from) / (to - from), 0.0, 1.0);
      return Blend(a.color, b.color, t);
    });
  }
}

void MetafileDevice::ShadeTriangle(const GradientVertex& a, const GradientVertex& b, const GradientVertex& c) {
  const TPointF pa = At(a), pb = At(b), pc = At(c);
  const double area = (pb.x - pa.x) * (pc.y - pa.y) - (pc.x - pa.x) * (pb.y - pa.y);
  if (area == 0) return;
  ShadeFigure({a.at, b.at, c.at}, [&](TPointF p) {
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
  });
}

}  // namespace kestrova
