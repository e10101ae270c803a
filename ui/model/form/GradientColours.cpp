// The gradient colour commands: random colours and rotating the three colours.

#include <chrono>
#include <random>

#include "ui/model/form/MainForm.h"

namespace kestrova {

namespace {

// Red, green and blue drawn in that order, each 0..254.
TColor RandomColor(std::mt19937& random) {
  std::uniform_int_distribution<int> channel(0, 254);
  const auto r = static_cast<unsigned>(channel(random));
  const auto g = static_cast<unsigned>(channel(random));
  const auto b = static_cast<unsigned>(channel(random));
  return RGBColor(r, g, b);
}

}  // namespace

void TForm1::BitBtnRndClick() {
  std::mt19937 random(static_cast<std::mt19937::result_type>(
      std::chrono::system_clock::now().time_since_epoch().count()));
  ControlsToSettings();
  CurrentSettings.gc1 = RandomColor(random);
  CurrentSettings.gc2 = RandomColor(random);
  CurrentSettings.gc3 = RandomColor(random);
  SettingsToControls();
}

void TForm1::BitBtnCycleClick() {
  ControlsToSettings();
  TSettings& s = CurrentSettings;
  const TColor first = s.gc1;
  s.gc1 = s.gc2;
  s.gc2 = s.gc3;
  s.gc3 = first;
  SettingsToControls();
}

}  // namespace kestrova
