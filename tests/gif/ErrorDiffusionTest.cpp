#include <gtest/gtest.h>

#include <algorithm>
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

Picture RandomPicture(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  Picture p{width, height, std::vector<std::uint8_t>(3 * static_cast<std::size_t>(width) * height)};
  for (auto& v : p.rgb) v = static_cast<std::uint8_t>(random() & 0xFF);
  return p;
}

// Runs a ditherer serpentine over the picture; the indexes come back in picture order.
template <class Ditherer>
std::vector<int> Walk(const Picture& p, Ditherer& d) {
  std::vector<int> out(static_cast<std::size_t>(p.width) * p.height);
  std::uint8_t r, g, b;
  for (int y = 0; y < p.height; ++y) {
    for (int x = d.Column(); x >= 0 && x < p.width; x = d.Column()) {
      const std::uint8_t* c = p.At(x, y);
      out[static_cast<std::size_t>(y) * p.width + x] = d.Dither(c[0], c[1], c[2], r, g, b);
    }
    d.NextLine();
  }
  return out;
}

template <template <class> class Ditherer>
std::vector<int> RunWeb(const Picture& p) {
  TNetscapeColorLookup lookup;
  Ditherer<TNetscapeColorLookup> d(p.width, lookup);
  return Walk(p, d);
}

// Reference: a whole-picture error array per channel; kernel rows written as
// "weight@offset" lists, one string per row starting with the current row.
struct RefKernel {
  std::vector<std::string> rows;
  int divisor;
};

std::vector<int> Reference(const Picture& p, const RefKernel& k) {
  struct Tap { int dy, dx, w; };
  std::vector<Tap> taps;
  for (std::size_t dy = 0; dy < k.rows.size(); ++dy) {
    std::size_t pos = 0;
    const std::string& row = k.rows[dy];
    while (pos < row.size()) {
      const std::size_t at = row.find('@', pos);
      std::size_t end = row.find(' ', at);
      if (end == std::string::npos) end = row.size();
      taps.push_back({static_cast<int>(dy), std::stoi(row.substr(at + 1, end - at - 1)),
                      std::stoi(row.substr(pos, at - pos))});
      pos = end + 1;
    }
  }
  const int w = p.width, h = p.height;
  std::vector<long> err(3 * static_cast<std::size_t>(w) * (h + k.rows.size()), 0);
  auto E = [&](int x, int y, int c) -> long& { return err[3 * (static_cast<std::size_t>(y) * w + x) + c]; };
  std::vector<int> out(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const int dir = y % 2 == 0 ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = dir > 0 ? i : w - 1 - i;
      int level[3], e[3];
      for (int c = 0; c < 3; ++c) {
        const long sum = E(x, y, c) + k.divisor / 2;
        const long carried = sum / k.divisor;  // toward zero
        const int v = static_cast<int>(std::clamp<long>(p.At(x, y)[c] + carried, 0, 255));
        level[c] = (v + 3) / 51;
        e[c] = v - level[c] * 51;
      }
      out[static_cast<std::size_t>(y) * w + x] = level[0] * 36 + level[1] * 6 + level[2];
      for (const Tap& t : taps) {
        const int tx = x + t.dx * dir;
        if (tx < 0 || tx >= w) continue;
        for (int c = 0; c < 3; ++c) E(tx, y + t.dy, c) += static_cast<long>(e[c]) * t.w;
      }
    }
  }
  return out;
}

const RefKernel kFloydSteinberg{{"7@1", "3@-1 5@0 1@1"}, 16};
const RefKernel kStucki{{"8@1 4@2", "2@-2 4@-1 8@0 4@1 2@2", "1@-2 2@-1 4@0 2@1 1@2"}, 42};
const RefKernel kSierra{{"5@1 3@2", "2@-2 4@-1 5@0 4@1 2@2", "2@-1 3@0 2@1"}, 32};
const RefKernel kJaJuNi{{"7@1 5@2", "3@-2 5@-1 7@0 5@1 3@2", "1@-2 3@-1 5@0 3@1 1@2"}, 48};
const RefKernel kSteveArche{
    {"32@2", "12@-3 26@-1 30@1 16@3", "12@-2 26@0 12@2", "5@-3 12@-1 12@1 5@3"}, 200};
const RefKernel kBurkes{{"8@1 4@2", "2@-2 4@-1 8@0 4@1 2@2"}, 32};

}  // namespace

TEST(ErrorDiffusion, EveryKernelMatchesAPlainWholePictureReference) {
  for (auto [w, h, seed] : {std::tuple{13, 9, 1u}, std::tuple{1, 7, 2u}, std::tuple{2, 5, 3u},
                            std::tuple{40, 3, 4u}}) {
    const Picture p = RandomPicture(w, h, seed);
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    EXPECT_EQ(RunWeb<TFloydSteinbergDitherer>(p), Reference(p, kFloydSteinberg));
    EXPECT_EQ(RunWeb<TStuckiDitherer>(p), Reference(p, kStucki));
    EXPECT_EQ(RunWeb<TSierraDitherer>(p), Reference(p, kSierra));
    EXPECT_EQ(RunWeb<TJaJuNiDitherer>(p), Reference(p, kJaJuNi));
    EXPECT_EQ(RunWeb<TSteveArcheDitherer>(p), Reference(p, kSteveArche));
    EXPECT_EQ(RunWeb<TBurkesDitherer>(p), Reference(p, kBurkes));
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

  // Carried sums divide toward zero: 252 -> white, error -3, carry -21 ->
  // (-21 + 8) / 16 = 0; 251 -> error -4, carry -28 -> -20 / 16 = -1, and 128 - 1
  // is black.
  auto pair = [](std::uint8_t first) {
    const Picture p{2, 1, {first, first, first, 128, 128, 128}};
    TMonochromeLookup mono;
    TFloydSteinbergDitherer<TMonochromeLookup> fs(2, mono);
    return Walk(p, fs);
  };
  EXPECT_EQ(pair(252), (std::vector<int>{1, 1}));
  EXPECT_EQ(pair(251), (std::vector<int>{1, 0}));
}

TEST(ErrorDiffusion, ExactColoursGiveTheNearestResultInEveryMode) {
  Picture p{7, 5, {}};
  std::mt19937 random(9);
  for (int i = 0; i < 3 * 35; ++i) p.rgb.push_back(static_cast<std::uint8_t>(51 * (random() % 6)));
  const auto nearest = RunWeb<TDitherEngine>(p);
  EXPECT_EQ(RunWeb<TFloydSteinbergDitherer>(p), nearest);
  EXPECT_EQ(RunWeb<TStuckiDitherer>(p), nearest);
  EXPECT_EQ(RunWeb<TSierraDitherer>(p), nearest);
  EXPECT_EQ(RunWeb<TJaJuNiDitherer>(p), nearest);
  EXPECT_EQ(RunWeb<TSteveArcheDitherer>(p), nearest);
  EXPECT_EQ(RunWeb<TBurkesDitherer>(p), nearest);
}

TEST(ErrorDiffusion, WalkIsSerpentineAndSkippingMovesTheErrorPosition) {
  TNetscapeColorLookup web;
  TFloydSteinbergDitherer<TNetscapeColorLookup> d(3, web);
  std::uint8_t r, g, b;
  EXPECT_EQ(d.Column(), 0);
  d.Dither(20, 0, 0, r, g, b);  // error 20 -> 9 carried to column 1
  d.NextColumn();               // column 1 passed over: its carry is dropped
  EXPECT_EQ(d.Column(), 2);
  d.Dither(40, 0, 0, r, g, b);  // takes its own (empty) carry: 40 stays level 0
  EXPECT_EQ(r, 0);
  d.NextLine();
  EXPECT_EQ(d.Column(), 2);
  EXPECT_EQ(d.Direction(), -1);
}
