#include "core/files/SettingsRecord.h"

#include <cmath>
#include <limits>

namespace kestrova {

TSettings CurrentSettings{};

TFontStyles ParseFontStyle(std::string_view text) {
  TFontStyles style = 0;
  for (char c : text) {
    switch (c) {
      case 'B': case 'b': style |= fsBold; break;
      case 'I': case 'i': style |= fsItalic; break;
      case 'U': case 'u': style |= fsUnderline; break;
      case 'S': case 's': style |= fsStrikeOut; break;
      default: break;
    }
  }
  return style;
}

std::string FontStyleToString(TFontStyles style) {
  std::string letters;
  if (style & fsBold) letters += 'B';
  if (style & fsItalic) letters += 'I';
  if (style & fsUnderline) letters += 'U';
  if (style & fsStrikeOut) letters += 'S';
  return letters;
}

std::int32_t WholeDegrees(float angle) {
  if (std::isnan(angle)) return 0;
  const double value = angle, below = std::floor(value), fraction = value - below;
  double rounded = fraction > 0.5 ? below + 1 : below;
  if (fraction == 0.5 && std::fmod(below, 2.0) != 0) rounded = below + 1;
  constexpr double kLow = std::numeric_limits<std::int32_t>::min(), kHigh = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::fmin(std::fmax(rounded, kLow), kHigh));
}

}  // namespace kestrova
