#pragma once
// Raster operations: how a drawn colour combines with the pixel below, bit by
// bit on the 24-bit colour value.
//
// A binary operation (what pens and brushes draw with) is numbered 1..16;
// number n - 1 is its truth table: result bit = bit (2 * pen + dest) of n - 1.
// So 13 copies the pen, 7 exclusive-ors it, 11 leaves the pixel alone.
//
// A ternary operation (what the bit-block copies use) is named by its index
// byte, the truth table over pattern P, source S and destination D:
// result bit = bit (4 * P + 2 * S + D) of the byte. 0xCC copies the source,
// 0xF0 the pattern, 0x66 exclusive-ors source and destination.

#include <cstdint>

#include "rendering/Color.h"

namespace kestrova {

inline constexpr int kRop2Black = 1;
inline constexpr int kRop2Not = 6;
inline constexpr int kRop2XorPen = 7;
inline constexpr int kRop2Nop = 11;
inline constexpr int kRop2CopyPen = 13;
inline constexpr int kRop2White = 16;

inline constexpr std::uint8_t kRop3SrcCopy = 0xCC;
inline constexpr std::uint8_t kRop3PatCopy = 0xF0;

// A binary operation applied to pen colour p over destination d; numbers
// outside 1..16 copy the pen.
constexpr TColor ApplyRop2(int rop2, TColor p, TColor d) {
  if (rop2 < 1 || rop2 > 16) return PlainRGB(p);
  const unsigned table = static_cast<unsigned>(rop2 - 1);
  TColor r = 0;
  if (table & 1) r |= ~p & ~d;
  if (table & 2) r |= ~p & d;
  if (table & 4) r |= p & ~d;
  if (table & 8) r |= p & d;
  return PlainRGB(r);
}

// Whether painting a pixel twice with the operation gives what painting it
// once gives (true of copying; not of exclusive-or or inverting).
constexpr bool Rop2RepeatsAlike(int rop2) {
  for (const TColor p : {TColor{0}, TColor{0xFFFFFF}})
    for (const TColor d : {TColor{0}, TColor{0xFFFFFF}})
      if (ApplyRop2(rop2, p, ApplyRop2(rop2, p, d)) != ApplyRop2(rop2, p, d)) return false;
  return true;
}

// A ternary operation applied to pattern p, source s and destination d.
constexpr TColor ApplyRop3(std::uint8_t rop, TColor p, TColor s, TColor d) {
  TColor r = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(rop & (1u << i))) continue;
    r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return PlainRGB(r);
}

// Whether the ternary operation's result depends on the source, the pattern, the destination.
constexpr bool Rop3UsesSource(std::uint8_t rop) { return ((rop >> 2) & 0x33) != (rop & 0x33); }
constexpr bool Rop3UsesPattern(std::uint8_t rop) { return ((rop >> 4) & 0x0F) != (rop & 0x0F); }
constexpr bool Rop3UsesDestination(std::uint8_t rop) { return ((rop >> 1) & 0x55) != (rop & 0x55); }

}  // namespace kestrova
