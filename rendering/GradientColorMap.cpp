// The HSL colour map that a gradient sample can show instead of its gradient.

#include <algorithm>
#include <vector>

#include "rendering/GradientImage.h"
#include "rendering/Rounding.h"

namespace kestrova {

namespace {

std::uint8_t ToByte(double unit) {
  return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(255 * unit), 0, 255));
}

}  // namespace

double HueToRGB(double m1, double m2, double hue) {
  if (hue > 360) hue -= 360;
  if (hue < 0) hue += 360;
  if (hue < 60) return m1 + (m2 - m1) * hue / 60;
  if (hue < 180) return m2;
  if (hue < 240) return m1 + (m2 - m1) * (240 - hue) / 60;
  return m1;
}

TRGBBytes HSLToRGB(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness) {
  const double h = hue * 360.0 / 255, s = saturation / 255.0, l = lightness / 255.0;
  if (s == 0) {
    const std::uint8_t grey = ToByte(l);
    return TRGBBytes{grey, grey, grey};
  }
  const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  return TRGBBytes{ToByte(HueToRGB(m1, m2, h + 120)), ToByte(HueToRGB(m1, m2, h)),
                   ToByte(HueToRGB(m1, m2, h - 120))};
}

// Hue runs along one axis; the other carries lightness (saturation with
// TwoOnly, lightness then fixed at the middle). Horizontal puts hue across.
void TGradientImage::DrawColorMap(TCanvas& canvas, int w, int h) {
  if (w < 1 || h < 1) return;
  const double sx = static_cast<float>(255.0 / w), sy = static_cast<float>(255.0 / h);
  std::vector<std::uint8_t> columns(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x) columns[x] = static_cast<std::uint8_t>(std::clamp(RoundHalfEven(x * sx), 0, 255));
  for (int y = 0; y < h; ++y) {
    const auto q = static_cast<std::uint8_t>(std::clamp(RoundHalfEven(y * sy), 0, 255));
    for (int x = 0; x < w; ++x) {
      const std::uint8_t p = columns[x];
      const std::uint8_t hue = horizontal_ ? p : q, other = horizontal_ ? q : p;
      const TRGBBytes rgb = twoOnly_ ? HSLToRGB(hue, other, 128) : HSLToRGB(hue, 128, other);
      canvas.SetPixel(x, y, RGBColor(rgb.red, rgb.green, rgb.blue));
    }
  }
}

}  // namespace kestrova
