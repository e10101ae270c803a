#include "rendering/SystemPalettes.h"

#include <cmath>

namespace kestrova {

const std::vector<TColor>& StaticColors20() {
  static const std::vector<TColor> colors = {
      RGBColor(0, 0, 0),       RGBColor(128, 0, 0),     RGBColor(0, 128, 0),
      RGBColor(128, 128, 0),   RGBColor(0, 0, 128),     RGBColor(128, 0, 128),
      RGBColor(0, 128, 128),   RGBColor(192, 192, 192), RGBColor(192, 220, 192),
      RGBColor(166, 202, 240), RGBColor(255, 251, 240), RGBColor(160, 160, 164),
      RGBColor(128, 128, 128), RGBColor(255, 0, 0),     RGBColor(0, 255, 0),
      RGBColor(255, 255, 0),   RGBColor(0, 0, 255),     RGBColor(255, 0, 255),
      RGBColor(0, 255, 255),   RGBColor(255, 255, 255)};
  return colors;
}

const std::vector<TColor>& VgaPalette16() {
  static const std::vector<TColor> colors = {
      RGBColor(0, 0, 0),       RGBColor(128, 0, 0),   RGBColor(0, 128, 0),
      RGBColor(128, 128, 0),   RGBColor(0, 0, 128),   RGBColor(128, 0, 128),
      RGBColor(0, 128, 128),   RGBColor(192, 192, 192), RGBColor(128, 128, 128),
      RGBColor(255, 0, 0),     RGBColor(0, 255, 0),   RGBColor(255, 255, 0),
      RGBColor(0, 0, 255),     RGBColor(255, 0, 255), RGBColor(0, 255, 255),
      RGBColor(255, 255, 255)};
  return colors;
}

const std::vector<TColor>& ColorCube216() {
  static const std::vector<TColor> colors = [] {
    std::vector<TColor> p;
    for (unsigned r = 0; r < 6; ++r)
      for (unsigned g = 0; g < 6; ++g)
        for (unsigned b = 0; b < 6; ++b) p.push_back(RGBColor(r * 51, g * 51, b * 51));
    return p;
  }();
  return colors;
}

const std::vector<TColor>& HalftonePalette256() {
  static const std::vector<TColor> colors = [] {
    const auto& statics = StaticColors20();
    std::vector<TColor> p(statics.begin(), statics.begin() + 10);
    p.insert(p.end(), ColorCube216().begin(), ColorCube216().end());
    for (int k = 1; k <= 20; ++k) {
      const auto v = static_cast<unsigned>(std::nearbyint(255.0 * k / 21.0));
      p.push_back(RGBColor(v, v, v));
    }
    p.insert(p.end(), statics.begin() + 10, statics.end());
    return p;
  }();
  return colors;
}

const std::vector<TColor>& MonochromePalette() {
  static const std::vector<TColor> colors = {clBlack, clWhite};
  return colors;
}

}  // namespace kestrova
