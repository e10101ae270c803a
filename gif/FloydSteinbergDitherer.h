#pragma once
// The Floyd-Steinberg ditherer: 7/16 of a pixel's error goes to the next pixel
// of the row, 3/16, 5/16 and 1/16 to the row below (one pixel back, the pixel's
// own column, one pixel ahead along the walk).
//
// It keeps one row of error slots per channel, Width + 2 slots, never cleared.
// The pointer stands on the slot of the pixel visited just before the current
// one (column x walked in direction d: slot x - d + 1); a pixel reads that slot
// and the error handed on to it (Right), then writes the slot complete with
// the sum still pending for it. Slot 0 and slot Width + 1 are therefore
// written only by the first pixel of a row walked in their direction, and a
// pixel of the row below reads the slot of the pixel visited before it.
// A pixel with no error in a channel leaves that channel's slot, Pending and
// Previous as they are. Passing over a pixel (NextColumn) moves only the
// column, so the next Dither works on the slots of the pixel passed over.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gif/DitherEngine.h"

namespace kestrova {

template <class Lookup>
class TFloydSteinbergDitherer : public TDitherEngine<Lookup> {
  using Base = TDitherEngine<Lookup>;

 public:
  TFloydSteinbergDitherer(int width, Lookup& lookup)
      : Base(width, lookup), slots_(3 * (static_cast<std::size_t>(width) + 2), 0) {}

  std::uint8_t Dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) {
    std::int32_t* slot = slots_.data() + 3 * pointer_;
    const int v[3] = {Carry(red, slot[0], carries_[0]), Carry(green, slot[1], carries_[1]),
                      Carry(blue, slot[2], carries_[2])};
    const std::uint8_t index = Base::Dither(static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
                                            static_cast<std::uint8_t>(v[2]), r, g, b);
    Spread(v[0] - r, slot[0], carries_[0]);
    Spread(v[1] - g, slot[1], carries_[1]);
    Spread(v[2] - b, slot[2], carries_[2]);
    pointer_ += this->Direction();
    return index;
  }

  // The row's last pending sum goes into the slot under the pointer; the new
  // row starts at slot 0 (left to right) or slot Width + 1 (right to left).
  void NextLine() {
    std::int32_t* slot = slots_.data() + 3 * pointer_;
    for (int c = 0; c < 3; ++c) {
      slot[c] = carries_[c].pending;
      carries_[c] = ChannelCarry{};
    }
    Base::NextLine();
    pointer_ = this->Direction() > 0 ? 0 : this->Width() + 1;
  }

 private:
  // What a channel carries along the row, in sixteenths: to the next pixel
  // (right), the error of the pixel before (previous), and the sum pending for
  // the slot under the pointer.
  struct ChannelCarry {
    std::int32_t right = 0;
    std::int32_t previous = 0;
    std::int32_t pending = 0;
  };

  static int Carry(int value, std::int32_t slot, const ChannelCarry& carry) {
    // Division truncates toward zero: a carried -9/16 changes nothing.
    return std::clamp(value + (slot + carry.right + 8) / 16, 0, 255);
  }

  static void Spread(int error, std::int32_t& slot, ChannelCarry& carry) {
    if (error == 0) {
      carry.right = 0;
      return;
    }
    slot = carry.pending + 3 * error;
    carry.pending = carry.previous + 5 * error;
    carry.previous = error;
    carry.right = 7 * error;
  }

  std::vector<std::int32_t> slots_;  // red, green and blue of each slot side by side
  std::ptrdiff_t pointer_ = 0;
  std::array<ChannelCarry, 3> carries_{};
};

}  // namespace kestrova
