#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "gif/ColorLookup.h"
#include "gif/ErrorDiffusion.h"

using namespace kestrova;

namespace {

struct Picture {
  int width, height;
  std::vector<std::uint8_t> rgb;  // three bytes per pixel, rows top-down
  const std::uint8_t* At(int x, int y) const { return &rgb[3 * (static_cast<std::size_t>(y) * width + x)]; }
};

// Runs a ditherer serpentine over the picture; the indexes come back in picture order.
template <class Ditherer>
std::vector<int> Walk(const Picture& p, Ditherer& d) {
  std::vector<int> out(static_cast<std::size_t>(p.width) * p.height);
  std::uint8_t r, g, b;
  for (int y = 0; y < p.height; ++y) {
    for (int x = d.Column(); x >= 0 && x < p.width; x = d.Column())
      out[static_cast<std::size_t>(y) * p.width + x] = d.Dither(p.At(x, y)[0], p.At(x, y)[1], p.At(x, y)[2], r, g, b);
    d.NextLine();
  }
  return out;
}

template <template <class> class Ditherer>
std::vector<int> WalkWeb(const Picture& p) {
  TNetscapeColorLookup lookup;
  Ditherer<TNetscapeColorLookup> d(p.width, lookup);
  return Walk(p, d);
}

// Reference: one error array for the whole picture per channel, in units of
// 1/divisor; taps are {row below, pixels ahead along the walk, weight}.
struct RefKernel {
  std::vector<std::array<int, 3>> taps;
  int divisor;
};

std::vector<int> Reference(const Picture& p, const RefKernel& k) {
  const int w = p.width, h = p.height;
  std::vector<long> err(3 * static_cast<std::size_t>(w) * (h + 4), 0);
  auto E = [&](int x, int y, int c) -> long& { return err[3 * (static_cast<std::size_t>(y) * w + x) + c]; };
  std::vector<int> out(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const int dir = y % 2 == 0 ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = dir > 0 ? i : w - 1 - i;
      int level[3], e[3];
      for (int c = 0; c < 3; ++c) {
        const long carried = (E(x, y, c) + k.divisor / 2) / k.divisor;  // toward zero
        const int v = static_cast<int>(std::clamp<long>(p.At(x, y)[c] + carried, 0, 255));
        level[c] = (v + 3) / 51;
        e[c] = v - level[c] * 51;
      }
      out[static_cast<std::size_t>(y) * w + x] = level[0] * 36 + level[1] * 6 + level[2];
      for (const auto& [dy, dx, weight] : k.taps) {
        const int tx = x + dx * dir;
        if (tx >= 0 && tx < w)
          for (int c = 0; c < 3; ++c) E(tx, y + dy, c) += static_cast<long>(e[c]) * weight;
      }
    }
  }
  return out;
}

}  // namespace

TEST(ErrorDiffusion, EveryKernelMatchesAPlainWholePictureReference) {
  const RefKernel floyd{{{0, 1, 7}, {1, -1, 3}, {1, 0, 5}, {1, 1, 1}}, 16};
  const RefKernel stucki{{{0, 1, 8}, {0, 2, 4}, {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2},
                          {2, -2, 1}, {2, -1, 2}, {2, 0, 4}, {2, 1, 2}, {2, 2, 1}}, 42};
  const RefKernel sierra{{{0, 1, 5}, {0, 2, 3}, {1, -2, 2}, {1, -1, 4}, {1, 0, 5}, {1, 1, 4}, {1, 2, 2},
                          {2, -1, 2}, {2, 0, 3}, {2, 1, 2}}, 32};
  const RefKernel jajuni{{{0, 1, 7}, {0, 2, 5}, {1, -2, 3}, {1, -1, 5}, {1, 0, 7}, {1, 1, 5}, {1, 2, 3},
                          {2, -2, 1}, {2, -1, 3}, {2, 0, 5}, {2, 1, 3}, {2, 2, 1}}, 48};
  const RefKernel arche{{{0, 2, 32}, {1, -3, 12}, {1, -1, 26}, {1, 1, 30}, {1, 3, 16}, {2, -2, 12},
                         {2, 0, 26}, {2, 2, 12}, {3, -3, 5}, {3, -1, 12}, {3, 1, 12}, {3, 3, 5}}, 200};
  const RefKernel burkes{{{0, 1, 8}, {0, 2, 4}, {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2}}, 32};
  std::mt19937 random(1);
  for (auto [w, h] : {std::pair{13, 9}, std::pair{1, 7}, std::pair{2, 5}, std::pair{40, 3}}) {
    Picture p{w, h, std::vector<std::uint8_t>(3 * static_cast<std::size_t>(w) * h)};
    for (auto& v : p.rgb) v = static_cast<std::uint8_t>(random());
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    EXPECT_EQ(WalkWeb<TFloydSteinbergDitherer>(p), Reference(p, floyd));
    EXPECT_EQ(WalkWeb<TStuckiDitherer>(p), Reference(p, stucki));
    EXPECT_EQ(WalkWeb<TSierraDitherer>(p), Reference(p, sierra));
    EXPECT_EQ(WalkWeb<TJaJuNiDitherer>(p), Reference(p, jajuni));
    EXPECT_EQ(WalkWeb<TSteveArcheDitherer>(p), Reference(p, arche));
    EXPECT_EQ(WalkWeb<TBurkesDitherer>(p), Reference(p, burkes));
  }
}

TEST(ErrorDiffusion, FloydSteinbergByHand) {
  // Grey 100 on black and white, 2 x 2. Row 0: 100 -> black (error 100, 7/16
  // right, 3/16 below-behind, 5/16 below, 1/16 below-ahead); 100 + (700 + 8) / 16
  // = 144 -> white (error -111). Row 1 walks right to left: x1 gets 100 - 555 ->
  // 100 + (-447 / 16) = 73 -> black (error 73, 7/16 to x0); x0 gets 500 - 333 +
  // 511 -> 100 + 686 / 16 = 142 -> white.
  const Picture p{2, 2, std::vector<std::uint8_t>(12, 100)};
  TMonochromeLookup mono;
  TFloydSteinbergDitherer<TMonochromeLookup> d(2, mono);
  EXPECT_EQ(Walk(p, d), (std::vector<int>{0, 1, 1, 0}));
}

TEST(ErrorDiffusion, ClampingAndRoundingTowardZero) {
  // 20 -> black level, error 20, carry (140 + 8) / 16 = 9; 250 + 9 is clamped to
  // 255 and its error is measured from 255 (0), so 46 stays below 48.
  TNetscapeColorLookup web;
  TFloydSteinbergDitherer<TNetscapeColorLookup> d(3, web);
  std::uint8_t r, g, b;
  d.Dither(20, 20, 20, r, g, b);
  EXPECT_EQ(d.Dither(250, 250, 250, r, g, b), 215);
  EXPECT_EQ(d.Dither(46, 46, 46, r, g, b), 0);

  // 252 -> white, error -3, carry (-21 + 8) / 16 = 0; 251 -> error -4, carry
  // (-28 + 8) / 16 = -1, and 128 - 1 is black.
  auto pair = [](std::uint8_t first) {
    const Picture p{2, 1, {first, first, first, 128, 128, 128}};
    TMonochromeLookup mono;
    TFloydSteinbergDitherer<TMonochromeLookup> fs(2, mono);
    return Walk(p, fs);
  };
  EXPECT_EQ(pair(252), (std::vector<int>{1, 1}));
  EXPECT_EQ(pair(251), (std::vector<int>{1, 0}));
}

TEST(ErrorDiffusion, WalkIsSerpentineAndSkippingMovesTheErrorPosition) {
  TNetscapeColorLookup web;
  TFloydSteinbergDitherer<TNetscapeColorLookup> d(3, web);
  std::uint8_t r, g, b;
  d.Dither(20, 0, 0, r, g, b);  // error 20 -> 9 carried to column 1
  d.NextColumn();               // column 1 passed over: its carry is dropped
  EXPECT_EQ(d.Column(), 2);
  d.Dither(40, 0, 0, r, g, b);  // takes its own (empty) carry: 40 stays level 0
  EXPECT_EQ(r, 0);
  d.NextLine();
  EXPECT_EQ(d.Column(), 2);
  EXPECT_EQ(d.Direction(), -1);
}
