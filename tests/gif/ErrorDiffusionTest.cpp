#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "gif/ColorLookup.h"
#include "gif/ErrorDiffusion.h"
#include "gif/FloydSteinbergDitherer.h"

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

TEST(ErrorDiffusion, EveryRowKernelMatchesAPlainWholePictureReference) {
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
    EXPECT_EQ(WalkWeb<TStuckiDitherer>(p), Reference(p, stucki));
    EXPECT_EQ(WalkWeb<TSierraDitherer>(p), Reference(p, sierra));
    EXPECT_EQ(WalkWeb<TJaJuNiDitherer>(p), Reference(p, jajuni));
    EXPECT_EQ(WalkWeb<TSteveArcheDitherer>(p), Reference(p, arche));
    EXPECT_EQ(WalkWeb<TBurkesDitherer>(p), Reference(p, burkes));
  }
}

TEST(FloydSteinberg, GivesTheIndexesWorkedOutByHand) {
  // Grey pictures to black and white. Errors in sixteenths; "slot s" is the
  // one error row, Width + 2 slots, never cleared.
  const struct {
    const char* name;
    int width;
    std::vector<std::uint8_t> grey;  // rows top-down
    std::vector<int> indexes;
  } cases[] = {
      // Row 0 ->: 100 black (e 100): slot 0 = 300, Pending 500, Previous 100,
      //   Right 700; 100 + 708 / 16 = 144 white (e -111): slot 1 = 500 - 333,
      //   Pending = 100 - 555 = -455; NextLine: slot 2 = -455.
      // Row 1 <-: x1 reads slot 3, 0 in the first row walked this way: 100 black
      //   (e 100): slot 3 = 300, Pending 500, Right 700; x0 reads slot 2:
      //   100 + (-455 + 700 + 8) / 16 = 115 black (e 115): Pending 100 + 575 =
      //   675; NextLine: slot 1 = 675.
      // Row 2 ->: x0 reads slot 0, row 0's: 110 + 308 / 16 = 129 white (e -126):
      //   Pending -630, Previous -126, Right -882; x1 reads slot 1:
      //   100 + (675 - 882 + 8) / 16 = 88 black (e 88): Pending -126 + 440 = 314;
      //   NextLine: slot 2 = 314.
      // Row 3 <-: x1 reads slot 3, row 1's: 110 + 19 = 129 white (e -126, Right
      //   -882); x0 reads slot 2: 100 + (314 - 882 + 8) / 16 = 65 black.
      {"guard slots", 2, {100, 100, 100, 100, 110, 100, 100, 110}, {0, 1, 0, 0, 1, 0, 0, 1}},
      // One pixel a row: 100 black, slot 0 = 300; row 1 reads slot 2 (0): 100
      // black, slot 2 = 300; row 2 reads slot 0: 110 + 19 = 129 white; row 3
      // reads slot 2: 129 white.
      {"one column", 1, {100, 100, 110, 110}, {0, 0, 1, 1}},
      // 252 white (e -3): slot 0 = -9; 0 has no error and writes no slot;
      // 128 + (-9 + 8) / 16 = 128 white.
      {"a carried -9", 1, {252, 0, 128}, {1, 0, 1}},
      // 247 white (e -8): slot 0 = -24; then 128 + (-24 + 8) / 16 = 127 black.
      {"a carried -24", 1, {247, 0, 128}, {1, 0, 0}},
  };
  for (const auto& c : cases) {
    Picture p{c.width, static_cast<int>(c.grey.size()) / c.width, {}};
    for (std::uint8_t v : c.grey) p.rgb.insert(p.rgb.end(), {v, v, v});
    TMonochromeLookup mono;
    TFloydSteinbergDitherer<TMonochromeLookup> d(c.width, mono);
    EXPECT_EQ(Walk(p, d), c.indexes) << c.name;
  }
}

TEST(FloydSteinberg, ExactColoursStayAndChannelsNeverMix) {
  std::mt19937 random(7);
  Picture exact{9, 5, std::vector<std::uint8_t>(3 * 9 * 5)}, colour = exact;
  for (auto& v : exact.rgb) v = static_cast<std::uint8_t>(51 * (random() % 6));
  EXPECT_EQ(WalkWeb<TFloydSteinbergDitherer>(exact), WalkWeb<TDitherEngine>(exact));

  // Each channel gets the level it gets in a grey picture of its own.
  for (auto& v : colour.rgb) v = static_cast<std::uint8_t>(random());
  std::vector<int> expected(9 * 5, 0);
  for (int channel = 0; channel < 3; ++channel) {
    Picture grey = colour;
    for (std::size_t i = 0; i < grey.rgb.size(); ++i) grey.rgb[i] = colour.rgb[i - i % 3 + channel];
    const std::vector<int> levels = WalkWeb<TFloydSteinbergDitherer>(grey);
    for (std::size_t i = 0; i < levels.size(); ++i) expected[i] = expected[i] * 6 + levels[i] / 43;
  }
  EXPECT_EQ(WalkWeb<TFloydSteinbergDitherer>(colour), expected);
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

TEST(FloydSteinberg, WalkIsSerpentineAndPassingOverAPixelMovesOnlyTheColumn) {
  TNetscapeColorLookup web;
  TFloydSteinbergDitherer<TNetscapeColorLookup> d(3, web);
  std::uint8_t r, g, b;
  d.Dither(20, 0, 0, r, g, b);  // level 0, e 20: slot 0 = 60, Pending 100, Right 140
  d.NextColumn();               // column 1 passed over; the pointer stays on slot 1
  EXPECT_EQ(d.Column(), 2);
  d.Dither(40, 0, 0, r, g, b);  // reads slot 1 and Right: 40 + 148 / 16 = 49, level 1
  EXPECT_EQ(r, 51);             // (e -2: slot 1 = 94, Pending 20 - 10 = 10)
  d.NextLine();                 // slot 2 = 10
  EXPECT_EQ(d.Column(), 2);
  EXPECT_EQ(d.Direction(), -1);
  d.NextColumn();               // column 2 passed over: column 1 reads slot 4, column 0 slot 3
  d.Dither(0, 0, 0, r, g, b);
  d.Dither(47, 0, 0, r, g, b);  // 47 + (0 + 8) / 16: level 0 (slot 2 would give 48, level 1)
  EXPECT_EQ(r, 0);
}
