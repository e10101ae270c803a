#pragma once
// The gradient renderer: paints a linear gradient of two or three colours (in
// rows, or in columns), optionally turned about the rectangle's centre, or a
// radial gradient of concentric circles; as a sample it can instead show an
// HSL colour map.
//
// The class knows no window: a widget shows it by calling Paint from its own
// paint handler and repaints whenever OnChange fires.

#include <cstdint>
#include <functional>

#include "rendering/Canvas.h"
#include "rendering/Color.h"
#include "rendering/Geometry.h"

namespace kestrova {

struct TRGBBytes {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const TRGBBytes&, const TRGBBytes&) = default;
};

// Hue, saturation and lightness as bytes (hue 255 is a full turn) to red,
// green and blue bytes.
TRGBBytes HSLToRGB(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness);
// One channel (0..1) of the HSL conversion for a hue in degrees.
double HueToRGB(double m1, double m2, double hue);

class TGradientImage {
 public:
  TGradientImage() = default;
  TGradientImage(const TGradientImage&) = delete;
  TGradientImage& operator=(const TGradientImage&) = delete;

  // Called after every property change: the owner repaints.
  std::function<void()> OnChange;

  TColor ColorStart() const { return colorStart_; }
  TColor ColorMid() const { return colorMid_; }
  TColor ColorEnd() const { return colorEnd_; }
  bool TwoOnly() const { return twoOnly_; }
  bool Horizontal() const { return horizontal_; }
  bool AsColorMap() const { return asColorMap_; }
  double Angle() const { return angle_; }
  bool IsRound() const { return isRound_; }

  void SetColorStart(TColor value) { Store(colorStart_, value); }
  void SetColorMid(TColor value) { Store(colorMid_, value); }
  void SetColorEnd(TColor value) { Store(colorEnd_, value); }
  void SetTwoOnly(bool value) { Store(twoOnly_, value); }
  void SetHorizontal(bool value) { Store(horizontal_, value); }
  void SetAsColorMap(bool value) { Store(asColorMap_, value); }
  // Degrees; a positive angle turns the bands clockwise on the screen.
  void SetAngle(double value) { Store(angle_, value); }
  void SetIsRound(bool value) { Store(isRound_, value); }

  // Copies the eight gradient properties of `source`.
  void Assign(const TGradientImage& source);

  // The colour map or the gradient over (0, 0, w, h).
  void Paint(TCanvas& canvas, int w, int h);
  void DrawGradient(TCanvas& canvas, int w, int h);
  // The gradient in the rectangle (right and bottom excluded). A radial
  // gradient's outer circles also reach beyond it, as far as the clip allows.
  void DrawGradientRect(TCanvas& canvas, int left, int top, int right, int bottom);
  void DrawColorMap(TCanvas& canvas, int w, int h);
  // Fills one band in the brush colour, turned by Angle about the centre of
  // the rectangle being drawn.
  void FillBand(TCanvas& canvas, const TRect& band);

 private:
  template <typename T>
  void Store(T& field, T value) {
    field = value;
    if (OnChange) OnChange();
  }
  void DrawBands(TCanvas& canvas, const TRect& rect);
  void DrawRadial(TCanvas& canvas, const TRect& rect);
  TPoint Turned(int x, int y) const;

  TColor colorStart_ = clRed;
  TColor colorMid_ = 0x00FFFF;
  TColor colorEnd_ = 0x00FF00;
  bool twoOnly_ = false;
  bool horizontal_ = false;
  bool asColorMap_ = false;
  double angle_ = 0;
  bool isRound_ = false;
  // Working values of the drawing in progress.
  double sin_ = 0;
  double cos_ = 1;
  int centreX_ = 0;
  int centreY_ = 0;
};

}  // namespace kestrova
