// The preset set "default": looks for a new base image that show what the
// renderers can do. Each preset sets all 29 preset fields, starting from a
// plain white face.

#include <filesystem>

#include "core/files/PresetFiles.h"
#include "resources/generator/ResourceArt.h"

namespace kestrova::art {

namespace {

constexpr TColor kWhite = RGBColor(255, 255, 255);
constexpr TColor kBlack = RGBColor(0, 0, 0);

// A flat white face: no gradient, no visible effect, no frame.
TSettings Plain() {
  TSettings s;
  s.BNX = 3;
  s.BNY = 3;
  s.BNOpacity = 0;
  s.BNColorBG = kWhite;
  s.BNColorFG = kWhite;
  s.BNColorBL = kBlack;
  s.BNColorTR = kWhite;
  s.Myblack = RGBColor(0x30, 0x30, 0x30);
  s.Mywhite = RGBColor(0xEF, 0xEF, 0xEF);
  s.Angle = 0;
  s.ExtRadius = 0;
  s.roundmargin = 0;
  s.smooth = 0;
  s.Round3DLike = false;
  s.RoundBtn = false;
  s.FrameOn = false;
  s.FrameColor = kBlack;
  s.FrameWidth = 1;
  s.FrameRound = false;
  s.FrameMargin = 0;
  s.FrameRX = 0;
  s.FrameRY = 0;
  s.gradient = false;
  s.horizontal = false;
  s.twoonly = false;
  s.gc1 = RGBColor(0xC0, 0xC0, 0xC0);
  s.gc2 = kWhite;
  s.gc3 = RGBColor(0xC0, 0xC0, 0xC0);
  s.radial = false;
  return s;
}

// Gradient from top to bottom (or left to right) through three colours.
void ThreeColours(TSettings& s, TColor first, TColor middle, TColor last, bool horizontal = false) {
  s.gradient = true;
  s.horizontal = horizontal;
  s.gc1 = first;
  s.gc2 = middle;
  s.gc3 = last;
}

void TwoColours(TSettings& s, TColor first, TColor last, bool horizontal = false) {
  ThreeColours(s, first, last, last, horizontal);
  s.twoonly = true;
}

void Radial(TSettings& s, TColor centre, TColor edge) {
  ThreeColours(s, centre, edge, edge);
  s.radial = true;
}

// Light edge on the top and left, dark on the bottom and right, fading into the face.
void Bevel(TSettings& s, TColor face, TColor light, TColor dark, int thickness, int opacity) {
  s.BNColorFG = face;
  s.BNColorBG = light;
  s.BNColorBL = dark;
  s.BNX = thickness;
  s.BNY = thickness;
  s.BNOpacity = opacity;
}

// An elliptic button: `rings` rings from `outer` to `inner` round a face of
// `face`, on `outside`.
void Round(TSettings& s, TColor outer, TColor inner, int rings, TColor face, TColor outside) {
  s.RoundBtn = true;
  s.BNColorBG = outer;
  s.BNColorBL = inner;
  s.BNColorFG = face;
  s.BNColorTR = outside;
  s.ExtRadius = rings;
}

// The rings of a round button shaded from `shade` on the dark side to `light`
// on the lit one; the light comes from `angle` degrees.
void Shaded(TSettings& s, float angle, TColor shade, TColor light) {
  s.Round3DLike = true;
  s.Angle = angle;
  s.Myblack = shade;
  s.Mywhite = light;
}

void Frame(TSettings& s, TColor colour, int width, int margin) {
  s.FrameOn = true;
  s.FrameColor = colour;
  s.FrameWidth = width;
  s.FrameMargin = margin;
}

void RoundFrame(TSettings& s, TColor colour, int width, int margin, int corner) {
  Frame(s, colour, width, margin);
  s.FrameRound = true;
  s.FrameRX = corner;
  s.FrameRY = corner;
}

}  // namespace

std::vector<NamedPreset> DefaultPresets() {
  std::vector<NamedPreset> presets;
  const auto add = [&presets](std::string name, TSettings s) { presets.push_back({std::move(name), std::move(s)}); };

  {  // Light metal: three greys, a thin raised edge and a grey outline.
    TSettings s = Plain();
    ThreeColours(s, RGBColor(0xFB, 0xFC, 0xFD), RGBColor(0xDD, 0xE2, 0xE8), RGBColor(0xB4, 0xBD, 0xC8));
    Bevel(s, RGBColor(0xDD, 0xE2, 0xE8), kWhite, RGBColor(0x6C, 0x76, 0x82), 2, 80);
    Frame(s, RGBColor(0x8A, 0x93, 0x9E), 1, 0);
    add("silver bar", s);
  }
  {  // Blue glass: light to deep blue, navy outline with round corners.
    TSettings s = Plain();
    ThreeColours(s, RGBColor(0xC9, 0xE7, 0xFF), RGBColor(0x4C, 0x9D, 0xE3), RGBColor(0x1B, 0x5C, 0xA8));
    RoundFrame(s, RGBColor(0x12, 0x3E, 0x73), 1, 0, 10);
    add("ocean", s);
  }
  {  // Warm two-colour gradient from left to right with a soft bevel.
    TSettings s = Plain();
    TwoColours(s, RGBColor(0xFF, 0xB3, 0x47), RGBColor(0xE0, 0x3E, 0x7A), true);
    Bevel(s, RGBColor(0xF0, 0x78, 0x60), RGBColor(0xFF, 0xE6, 0xB0), RGBColor(0x7A, 0x1F, 0x3D), 2, 60);
    add("sunset", s);
  }
  {  // Green, two colours from top to bottom, a full-strength raised edge.
    TSettings s = Plain();
    TwoColours(s, RGBColor(0xB4, 0xE6, 0x78), RGBColor(0x4E, 0xA0, 0x2A));
    Bevel(s, RGBColor(0x80, 0xC4, 0x50), RGBColor(0xE2, 0xF7, 0xC8), RGBColor(0x2A, 0x5E, 0x12), 2, 100);
    add("leaf", s);
  }
  {  // The classic raised face: flat grey, white and dark edges at full strength.
    TSettings s = Plain();
    Bevel(s, RGBColor(0xD4, 0xD0, 0xC8), kWhite, RGBColor(0x40, 0x40, 0x40), 3, 100);
    add("classic raised", s);
  }
  {  // The same face pressed in: dark edge on the top and left, light below.
    TSettings s = Plain();
    Bevel(s, RGBColor(0xE4, 0xE2, 0xDC), RGBColor(0x60, 0x60, 0x60), kWhite, 2, 100);
    add("classic pressed", s);
  }
  {  // Radial glow from a pale centre to gold, with a wide rounded frame.
    TSettings s = Plain();
    Radial(s, RGBColor(0xFF, 0xF8, 0xD6), RGBColor(0xDE, 0x9B, 0x1C));
    RoundFrame(s, RGBColor(0x8C, 0x5A, 0x0A), 2, 1, 14);
    add("gold glow", s);
  }
  {  // Round red gel, lit from the upper right.
    TSettings s = Plain();
    Round(s, RGBColor(0xFF, 0x9A, 0x9A), RGBColor(0x9B, 0x08, 0x08), 5, RGBColor(0xD6, 0x22, 0x22), kWhite);
    Shaded(s, 0, RGBColor(0x40, 0x00, 0x00), RGBColor(0xFF, 0xE4, 0xE4));
    s.smooth = 1;
    s.roundmargin = 1;
    add("ruby round", s);
  }
  {  // Round blue button with a radial face, lit from below.
    TSettings s = Plain();
    Round(s, RGBColor(0xA8, 0xD4, 0xFF), RGBColor(0x14, 0x3C, 0x80), 4, RGBColor(0x3A, 0x7A, 0xD0), kWhite);
    Shaded(s, 135, RGBColor(0x0A, 0x1E, 0x40), RGBColor(0xE6, 0xF2, 0xFF));
    Radial(s, RGBColor(0xB8, 0xDC, 0xFF), RGBColor(0x1D, 0x4F, 0x9A));
    s.roundmargin = 1;
    add("sapphire round", s);
  }
  {  // Round green button, plain rings, smoothed; lit from the left.
    TSettings s = Plain();
    Round(s, RGBColor(0xC0, 0xF2, 0xD2), RGBColor(0x0B, 0x6B, 0x3A), 6, RGBColor(0x2B, 0xAE, 0x66), kWhite);
    Shaded(s, 270, RGBColor(0x06, 0x36, 0x1C), RGBColor(0xE8, 0xFF, 0xF0));
    s.smooth = 2;
    s.roundmargin = 1;
    add("emerald round", s);
  }
  {  // A pill with a three-colour face, lit from the upper left.
    TSettings s = Plain();
    Round(s, RGBColor(0xFF, 0xD0, 0xE8), RGBColor(0xA0, 0x28, 0x6C), 3, RGBColor(0xE8, 0x6A, 0xAE), kWhite);
    Shaded(s, 45, RGBColor(0x50, 0x10, 0x34), RGBColor(0xFF, 0xF0, 0xF8));
    ThreeColours(s, RGBColor(0xFF, 0xE4, 0xF2), RGBColor(0xF2, 0x8C, 0xC2), RGBColor(0xC8, 0x3C, 0x8A));
    s.roundmargin = 1;
    add("candy pill", s);
  }
  {  // Dark charcoal for dark pages, a light rounded outline.
    TSettings s = Plain();
    ThreeColours(s, RGBColor(0x50, 0x56, 0x60), RGBColor(0x2E, 0x32, 0x38), RGBColor(0x18, 0x1A, 0x1E));
    RoundFrame(s, RGBColor(0x8F, 0xA3, 0xBF), 1, 1, 8);
    s.BNColorFG = RGBColor(0x2E, 0x32, 0x38);
    add("night", s);
  }
  {  // Near black with a bright green rounded frame inside a small margin.
    TSettings s = Plain();
    TwoColours(s, RGBColor(0x22, 0x22, 0x3A), RGBColor(0x0C, 0x0C, 0x16));
    RoundFrame(s, RGBColor(0x39, 0xFF, 0x14), 2, 2, 12);
    s.BNColorFG = RGBColor(0x0C, 0x0C, 0x16);
    add("neon", s);
  }
  {  // Flat cream face with a wide golden frame and small round corners.
    TSettings s = Plain();
    s.BNColorFG = RGBColor(0xFF, 0xF8, 0xE1);
    RoundFrame(s, RGBColor(0xC9, 0xA2, 0x27), 3, 1, 6);
    add("paper tag", s);
  }
  {  // Brushed steel: a horizontal three-colour gradient, dark square outline.
    TSettings s = Plain();
    ThreeColours(s, RGBColor(0x6B, 0x75, 0x80), RGBColor(0xD2, 0xD9, 0xE0), RGBColor(0x6B, 0x75, 0x80), true);
    Bevel(s, RGBColor(0x9E, 0xA7, 0xB1), kWhite, RGBColor(0x2C, 0x32, 0x38), 2, 50);
    Frame(s, RGBColor(0x3C, 0x43, 0x4B), 1, 0);
    add("steel", s);
  }
  return presets;
}

void WriteDefaultPresets(const std::string& fileName) {
  const std::string path = std::filesystem::absolute(fileName).string();
  std::filesystem::remove(path);
  // The preset writer writes into the current set's file: make this file the
  // current set for the while, and put the user's sets back afterwards.
  struct CurrentSetOverride {
    std::vector<std::string> sets = PresetSets;
    std::string current = CurrentPresetSet;
    ~CurrentSetOverride() {
      PresetSets = std::move(sets);
      CurrentPresetSet = std::move(current);
    }
  } restore;
  PresetSets = {"default=" + path};
  CurrentPresetSet = "default";
  int number = 1;
  for (const NamedPreset& preset : DefaultPresets()) WritePreset(preset.settings, number++);
}

}  // namespace kestrova::art
