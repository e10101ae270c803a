#include "rendering/Buttonizer.h"

#include <algorithm>

#include "rendering/Rounding.h"

namespace kestrova {

void TButtonizer::Changed() {
  if (OnChange) OnChange();
}

void TButtonizer::SetOpacity(int value) { Store(opacity_, std::clamp(value, 0, 100)); }

void TButtonizer::SetExtMargin(int value) { Store(extMargin_, std::clamp(value, -kMaxExtMargin, kMaxExtMargin)); }

void TButtonizer::Assign(const TButtonizer& source) {
  BeginUpdate();
  SetColorBG(source.colorBG_);
  SetColorFG(source.colorFG_);
  SetColorBL(source.colorBL_);
  SetColorTR(source.colorTR_);
  SetOpacity(source.opacity_);
  SetX(source.x_);
  SetY(source.y_);
  SetExtBMP(source.extBMP_);
  SetFullMix(source.fullMix_);
  SetRoundBtn(source.roundBtn_);
  SetAngle(source.angle_);
  SetRound3DLike(source.round3DLike_);
  SetMyblack(source.myblack_);
  SetMywhite(source.mywhite_);
  SetExtRadius(source.extRadius_);
  SetExtMargin(source.extMargin_);
  SetSmooth(source.smooth_);
  EndUpdate();
  Changed();
}

TColor TButtonizer::BlendColors(TColor c0, TColor c1, int w0, int w1) {
  const auto u0 = static_cast<std::uint32_t>(w0), u1 = static_cast<std::uint32_t>(w1);
  const auto mix = [&](unsigned shift) {
    const std::uint32_t a = (c0 >> shift) & 0xFF, b = (c1 >> shift) & 0xFF;
    return (((a * u0 + b * u1) >> 10) & 0xFF) << shift;
  };
  return mix(0) | mix(8) | mix(16);
}

void TButtonizer::Paint(TCanvas& canvas, int w, int h) {
  if (!updating_) Render(canvas, w, h);
}

void TButtonizer::Render(TCanvas& canvas, int w, int h) {
  if (extBMP_) {
    canvas.CopyRect(TRect{0, 0, w, h}, *extBMP_, TRect{0, 0, extBMP_->Width(), extBMP_->Height()});
  } else {
    canvas.Brush.style = BrushStyle::bsSolid;
    canvas.Brush.color = roundBtn_ ? colorTR_ : colorFG_;
    canvas.FillRect(TRect{0, 0, w, h});
    canvas.Brush.color = colorFG_;
  }
  if (roundBtn_) {
    DrawRoundEdge(canvas, w, h);
    return;
  }
  if (opacity_ == 0) return;
  DrawBevel(canvas, w, h);
}

namespace {

// Line `i` of an edge `count` lines thick: how far it is inset at its start,
// and the weights of the edge colour (a) and of the face (b).
struct EdgeLine {
  int inset;
  int a;
  int b;
};

EdgeLine EdgeLineAt(int i, int count, int otherCount, float reciprocal) {
  const double r = reciprocal;
  return EdgeLine{RoundHalfEven(static_cast<double>(i) * otherCount * r),
                  RoundHalfEven(static_cast<double>(count - i) * r * 1024),
                  RoundHalfEven(static_cast<double>(i) * r * 1024)};
}

// Mixes the edge colour into the pixel under it by the opacity, then fades the
// result back towards that pixel by the line's weights.
void MixPixel(TCanvas& canvas, int x, int y, TColor edge, int e, int f, const EdgeLine& line) {
  const TColor p = canvas.Pixel(x, y);
  canvas.SetPixel(x, y, TButtonizer::BlendColors(TButtonizer::BlendColors(edge, p, e, f), p, line.a, line.b));
}

void Line(TCanvas& canvas, TColor color, int x0, int y0, int x1, int y1) {
  canvas.Pen.color = color;
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

}  // namespace

void TButtonizer::DrawBevel(TCanvas& canvas, int w, int h) {
  const int e = RoundHalfEven(opacity_ / 100.0 * 1024);
  const int f = RoundHalfEven((100 - opacity_) / 100.0 * 1024);
  const int m = std::min(w / 2, h / 2);
  int nx = std::min(m, x_), ny = std::min(m, y_);
  if (nx == 0) nx = 1;
  if (ny == 0) ny = 1;
  const float rx = 1.0f / static_cast<float>(nx), ry = 1.0f / static_cast<float>(ny);

  const TColor light = BlendColors(colorBG_, colorFG_, e, f);
  const TColor dark = BlendColors(colorBL_, colorFG_, e, f);
  if (!fullMix_) canvas.Pen.style = PenStyle::psSolid;

  for (int i = 0; i < ny; ++i) {
    const EdgeLine line = EdgeLineAt(i, ny, nx, ry);
    if (fullMix_) {
      for (int x = line.inset; x <= w - 1 - line.inset; ++x) {
        MixPixel(canvas, x, i, colorBG_, e, f, line);
        MixPixel(canvas, x, h - 1 - i, colorBL_, e, f, line);
      }
    } else {
      Line(canvas, BlendColors(light, colorFG_, line.a, line.b), line.inset, i, w, i);
      Line(canvas, BlendColors(dark, colorFG_, line.a, line.b), 0, h - 1 - i, w, h - 1 - i);
    }
  }
  for (int j = 0; j < nx; ++j) {
    const EdgeLine line = EdgeLineAt(j, nx, ny, rx);
    if (fullMix_) {
      for (int y = line.inset; y <= h - 1 - line.inset; ++y) {
        MixPixel(canvas, j, y, colorBG_, e, f, line);
        MixPixel(canvas, w - 1 - j, y, colorBL_, e, f, line);
      }
    } else {
      Line(canvas, BlendColors(light, colorFG_, line.a, line.b), j, line.inset, j, h - line.inset);
      Line(canvas, BlendColors(dark, colorFG_, line.a, line.b), w - 1 - j, line.inset, w - 1 - j,
           h - line.inset);
    }
  }
}

}  // namespace kestrova
