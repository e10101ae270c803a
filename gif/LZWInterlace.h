#pragma once
// Row order of an interlaced GIF frame: pass 0 takes every 8th row from 0,
// pass 1 every 8th from 4, pass 2 every 4th from 2, pass 3 every 2nd from 1.

namespace kestrova {

// Advances (row, pass) to the next row of the interlaced order; passes whose
// first row lies at or beyond `height` are skipped. False when no row is left.
inline bool NextInterlacedRow(int& row, int& pass, int height) {
  static constexpr int kStep[4] = {8, 8, 4, 2};
  static constexpr int kStart[4] = {0, 4, 2, 1};
  row += kStep[pass];
  while (row >= height) {
    if (++pass > 3) return false;
    row = kStart[pass];
  }
  return true;
}

}  // namespace kestrova
