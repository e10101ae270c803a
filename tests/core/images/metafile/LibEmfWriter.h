#pragma once
// Enhanced metafiles written through libEMF's drawing interface (independent
// software: it turns drawing calls into records as the platform's own
// metafile device does) for the metafile tests. The calls are the drawing
// interface's own, one for one; libEMF's headers stay in LibEmfWriter.cpp,
// as their Windows names would clash with ours.
//
// The picture is w x h pixels; its reference device is given 96 pixels an
// inch, so that one logical unit is one pixel until the records say otherwise.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrova::testing {

struct EmfPoint {
  int x, y;
};

class LibEmfWriter {
 public:
  LibEmfWriter(int width, int height);
  ~LibEmfWriter();
  LibEmfWriter(const LibEmfWriter&) = delete;
  LibEmfWriter& operator=(const LibEmfWriter&) = delete;

  // Pens: CreatePen's styles and widths; ExtCreatePen's geometric pens with
  // end caps and joins (the style word of the drawing interface); the null pen.
  LibEmfWriter& Pen(int style, int width, std::uint32_t colour);
  LibEmfWriter& GeometricPen(std::uint32_t style, int width, std::uint32_t colour);
  LibEmfWriter& NullPen();
  LibEmfWriter& MiterLimit(float limit);
  // Brushes: solid, hatched (a hatch style 0..5).
  LibEmfWriter& Brush(std::uint32_t colour);
  LibEmfWriter& HatchBrush(int hatch, std::uint32_t colour);
  LibEmfWriter& Background(bool opaque, std::uint32_t colour);
  LibEmfWriter& FillMode(int mode);

  LibEmfWriter& MoveTo(int x, int y);
  LibEmfWriter& LineTo(int x, int y);
  LibEmfWriter& Polyline(const std::vector<EmfPoint>& points);
  LibEmfWriter& Polygon(const std::vector<EmfPoint>& points);
  LibEmfWriter& PolyPolygon(const std::vector<std::vector<EmfPoint>>& polygons);
  LibEmfWriter& Rectangle(int left, int top, int right, int bottom);
  LibEmfWriter& Ellipse(int left, int top, int right, int bottom);
  LibEmfWriter& PolyBezier(const std::vector<EmfPoint>& points);
  LibEmfWriter& PolyBezierTo(const std::vector<EmfPoint>& points);

  LibEmfWriter& BeginPath();
  LibEmfWriter& EndPath();
  LibEmfWriter& CloseFigure();
  LibEmfWriter& FillPath();
  LibEmfWriter& StrokePath();
  LibEmfWriter& StrokeAndFillPath();

  // x' = x m11 + y m21 + dx, y' = x m12 + y m22 + dy.
  LibEmfWriter& WorldTransform(float m11, float m12, float m21, float m22, float dx, float dy);
  LibEmfWriter& MapMode(int mode);
  LibEmfWriter& WindowExt(int cx, int cy);
  LibEmfWriter& ViewportExt(int cx, int cy);
  LibEmfWriter& ViewportOrg(int x, int y);

  // A font of the face, height (negative: em height), width and escapement
  // (tenths of a degree), selected; the text alignment and text.
  LibEmfWriter& Font(const std::string& face, int height, int width = 0, int escapement = 0);
  LibEmfWriter& TextAlign(unsigned align);
  // ExtTextOutW with its options and rectangle (when `rect` holds 4 values).
  LibEmfWriter& Text(int x, int y, const std::u16string& text, unsigned options = 0, std::vector<int> rect = {});

  std::vector<std::uint8_t> Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The drawing interface's colour from red, green, blue.
constexpr std::uint32_t EmfRgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
}

}  // namespace kestrova::testing
