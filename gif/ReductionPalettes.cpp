#include "gif/ReductionPalettes.h"

#include "rendering/SystemPalettes.h"

namespace kestrova {

std::vector<TColor> CreateNetscapePalette() { return ColorCube216(); }

std::vector<TColor> CreateGrayScalePalette() {
  std::vector<TColor> p;
  p.reserve(256);
  for (unsigned v = 0; v < 256; ++v) p.push_back(RGBColor(v, v, v));
  return p;
}

std::vector<TColor> CreateMonochromePalette() { return MonochromePalette(); }

std::vector<TColor> CreateWindowsGrayPalette() {
  return {RGBColor(0, 0, 0), RGBColor(0x80, 0x80, 0x80), RGBColor(0xC0, 0xC0, 0xC0),
          RGBColor(0xFF, 0xFF, 0xFF)};
}

std::vector<TColor> CreateWindows20Palette() { return StaticColors20(); }

std::vector<TColor> CreateScreenHalftonePalette() { return HalftonePalette256(); }

}  // namespace kestrova
