#pragma once
// Where a block of caption lines starts so that it sits centred in a height.

namespace kestrova {

// The sample text whose height is the height of one caption line.
inline constexpr const char* kLineHeightSample = "abcdewxzABCDEWZX01234@#$";

// The top of `lines` lines of `lineHeight` pixels with `gap` pixels between
// them, centred in `height` pixels: (height - lines x lineHeight - (lines - 1)
// x gap) / 2, the division truncated toward zero (-3 / 2 = -1).
constexpr int CenteredTextTop(int height, int lines, int lineHeight, int gap) {
  return (height - lines * lineHeight - (lines - 1) * gap) / 2;
}

}  // namespace kestrova
