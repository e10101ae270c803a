#pragma once
// The row ditherers (Stucki, Sierra, Jarvis-Judice-Ninke, Stevenson-Arce,
// Burkes). Each pixel takes the error accumulated for its own position,
// rounded and clamped, asks the lookup for a palette colour, and spreads the
// difference over pixels not yet visited by its kernel. Rows are walked
// serpentine, so "ahead" is always further along the current walk. Every
// channel is diffused on its own; all sums are exact integers in units of
// 1/divisor. Floyd-Steinberg keeps its errors its own way
// (gif/FloydSteinbergDitherer.h).

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "gif/DitherEngine.h"

namespace kestrova {

// One weight of a kernel: `row` 0 is the current row, 1 the next and so on;
// `offset` counts pixels along the walk (+1 is the next pixel to be visited).
struct KernelTap {
  int row;
  int offset;
  int weight;
};

struct StuckiKernel {
  static constexpr int kDivisor = 42;
  static constexpr std::array<KernelTap, 12> kTaps{{{0, 1, 8}, {0, 2, 4},
                                                    {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2},
                                                    {2, -2, 1}, {2, -1, 2}, {2, 0, 4}, {2, 1, 2}, {2, 2, 1}}};
};

struct SierraKernel {
  static constexpr int kDivisor = 32;
  static constexpr std::array<KernelTap, 10> kTaps{{{0, 1, 5}, {0, 2, 3},
                                                    {1, -2, 2}, {1, -1, 4}, {1, 0, 5}, {1, 1, 4}, {1, 2, 2},
                                                    {2, -1, 2}, {2, 0, 3}, {2, 1, 2}}};
};

struct JarvisJudiceNinkeKernel {
  static constexpr int kDivisor = 48;
  static constexpr std::array<KernelTap, 12> kTaps{{{0, 1, 7}, {0, 2, 5},
                                                    {1, -2, 3}, {1, -1, 5}, {1, 0, 7}, {1, 1, 5}, {1, 2, 3},
                                                    {2, -2, 1}, {2, -1, 3}, {2, 0, 5}, {2, 1, 3}, {2, 2, 1}}};
};

struct StevensonArceKernel {
  static constexpr int kDivisor = 200;
  static constexpr std::array<KernelTap, 12> kTaps{{{0, 2, 32},
                                                    {1, -3, 12}, {1, -1, 26}, {1, 1, 30}, {1, 3, 16},
                                                    {2, -2, 12}, {2, 0, 26}, {2, 2, 12},
                                                    {3, -3, 5}, {3, -1, 12}, {3, 1, 12}, {3, 3, 5}}};
};

struct BurkesKernel {
  static constexpr int kDivisor = 32;
  static constexpr std::array<KernelTap, 7> kTaps{{{0, 1, 8}, {0, 2, 4},
                                                   {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2}}};
};

template <class Kernel, class Lookup>
class TErrorDiffusionDitherer : public TDitherEngine<Lookup> {
  using Base = TDitherEngine<Lookup>;

 public:
  // Rows of errors kept, and guard slots at each end of a row that take the
  // weights falling beyond the picture (they are dropped with their row).
  static constexpr int kRows = [] {
    int rows = 0;
    for (const KernelTap& t : Kernel::kTaps) rows = std::max(rows, t.row + 1);
    return rows;
  }();
  static constexpr int kGuard = [] {
    int guard = 0;
    for (const KernelTap& t : Kernel::kTaps) guard = std::max(guard, t.offset < 0 ? -t.offset : t.offset);
    return guard;
  }();

  TErrorDiffusionDitherer(int width, Lookup& lookup)
      : Base(width, lookup),
        rowLength_(3 * (static_cast<std::size_t>(width) + 2 * kGuard)),
        errors_(kRows * rowLength_, 0) {
    for (int k = 0; k < kRows; ++k) rows_[k] = errors_.data() + k * rowLength_;
  }

  // As TDitherEngine::Dither; Column() must lie inside the row. A pixel passed
  // over with NextColumn neither takes nor gives any error.
  std::uint8_t Dither(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& r,
                      std::uint8_t& g, std::uint8_t& b) {
    const std::ptrdiff_t slot = 3 * static_cast<std::ptrdiff_t>(this->Column() + kGuard);
    const int direction = this->Direction();
    const std::int32_t* carried = rows_[0] + slot;
    const int v[3] = {Carry(red, carried[0]), Carry(green, carried[1]), Carry(blue, carried[2])};
    const std::uint8_t index = Base::Dither(static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
                                            static_cast<std::uint8_t>(v[2]), r, g, b);
    const int error[3] = {v[0] - r, v[1] - g, v[2] - b};
    if (error[0] != 0 || error[1] != 0 || error[2] != 0) {
      for (const KernelTap& t : Kernel::kTaps) {
        std::int32_t* target = rows_[t.row] + slot + 3 * t.offset * direction;
        target[0] += error[0] * t.weight;
        target[1] += error[1] * t.weight;
        target[2] += error[2] * t.weight;
      }
    }
    return index;
  }

  // The current row is done with: it is cleared and becomes the last row.
  void NextLine() {
    std::int32_t* done = rows_[0];
    std::fill(done, done + rowLength_, 0);
    std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
    Base::NextLine();
  }

 private:
  static int Carry(int value, std::int32_t sum) {
    // Division truncates toward zero: a carried -9/16 changes nothing.
    return std::clamp(value + (sum + Kernel::kDivisor / 2) / Kernel::kDivisor, 0, 255);
  }

  std::size_t rowLength_;
  std::vector<std::int32_t> errors_;
  std::array<std::int32_t*, kRows> rows_{};
};

template <class Lookup>
using TStuckiDitherer = TErrorDiffusionDitherer<StuckiKernel, Lookup>;
template <class Lookup>
using TSierraDitherer = TErrorDiffusionDitherer<SierraKernel, Lookup>;
template <class Lookup>
using TJaJuNiDitherer = TErrorDiffusionDitherer<JarvisJudiceNinkeKernel, Lookup>;
template <class Lookup>
using TSteveArcheDitherer = TErrorDiffusionDitherer<StevensonArceKernel, Lookup>;
template <class Lookup>
using TBurkesDitherer = TErrorDiffusionDitherer<BurkesKernel, Lookup>;

}  // namespace kestrova
