// What hostile metafiles cost: files of a few hundred bytes to a few hundred
// kilobytes whose records claim enormous drawing work, each played in a
// child process of its own that must keep the bound every metafile keeps
// (its own CPU time and its own peak memory) and give the picture expected;
// work past a picture's budget is cut short and counted as not drawn.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <time.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/support/MemoryLimit.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// The bound any metafile under a megabyte keeps.
constexpr double kCpuSeconds = 5;
constexpr std::int64_t kPeakBytes = std::int64_t{500} << 20;

double OwnCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

std::int64_t Bits(float f) { return std::bit_cast<std::uint32_t>(f); }

constexpr int kSide = 96;
constexpr TColor kInk = 0x204080, kBlue = 0xFF0000;

// An enhanced metafile `side` pixels square (a multiple of 96), one logical
// unit a pixel, after the records.
std::vector<std::uint8_t> Emf(const std::function<void(EmfBuilder&)>& records, int side = kSide) {
  EmfBuilder emf(TRect{}, TRect{0, 0, side / 96 * 2540, side / 96 * 2540});
  // The reference device's 3.2 pixels a millimetre, brought to the picture's 96 an inch.
  emf.Record(17, {8}).Record(9, {9600, 9600}).Record(11, {8128, 8128});
  records(emf);
  return emf.Build();
}

// Every pixel the colour `at` gives for its place.
bool Matches(const Bitmap& picture, const std::function<TColor(int x, int y)>& at) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.GetPixel(x, y) != at(x, y)) return false;
  return true;
}

bool Everywhere(const Bitmap& picture, TColor colour) {
  return Matches(picture, [&](int, int) { return colour; });
}

struct CostCase {
  const char* name;
  std::vector<std::uint8_t> file;
  // The picture and the count of records left out that the file gives.
  std::function<bool(const Played&)> expected;
};

// Plays the file and ends the process: with 0 when it kept the bound and drew
// what was expected (2: too much CPU, 3: too much memory, 1: another
// picture). One that runs away is stopped: past a minute of CPU by a signal,
// past 2 GiB by a failed allocation.
[[noreturn]] void PlayAndExit(const CostCase& c) {
  const rlimit minute{60, 60};
  ::setrlimit(RLIMIT_CPU, &minute);
  test::LimitAddressSpaceGrowth(std::int64_t{2} << 30);
  std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
  const std::int64_t before = test::PeakResidentBytes();
  const double start = OwnCpuSeconds();
  const Played played = Play(c.file);
  const double cpu = OwnCpuSeconds() - start;
  const std::int64_t grown = test::PeakResidentBytes() - before;
  std::fprintf(stderr, "%s: %.2f s, %lld MiB, %zu not drawn\n", c.name, cpu, static_cast<long long>(grown >> 20),
               played.notDrawn);
  std::_Exit(cpu > kCpuSeconds ? 2 : grown > kPeakBytes ? 3 : c.expected(played) ? 0 : 1);
}

// The same in a child process of its own.
void ExpectKeptToTheBound(const CostCase& c) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  EXPECT_EXIT(PlayAndExit(c), ::testing::ExitedWithCode(0), "") << c.name;
}

}  // namespace

TEST(MetafileCost, APictureStopsAtItsWorkBudgetAndCountsWhatItLeftOut) {
  // 10,000 rectangles as large as the picture, red and blue in turn: more
  // than two thousand million pixels. The first ones are drawn, the rest cut
  // short and counted.
  const std::vector<std::uint8_t> file = Emf(
      [](EmfBuilder& emf) {
        emf.Record(39, {1, 0, clRed, 0}).Record(39, {2, 0, kBlue, 0}).Record(37, {0x80000008});
        for (int i = 0; i < 10000; ++i) emf.Record(37, {1 + i % 2}).Record(43, {-10, -10, 500, 500});
      },
      480);
  ExpectKeptToTheBound({"rectangles", file, [](const Played& p) {
                          const auto painted = [&](int x, int y) {
                            return p.picture.GetPixel(x, y) == clRed || p.picture.GetPixel(x, y) == kBlue;
                          };
                          return p.notDrawn > 0 && painted(0, 0) && painted(479, 479);
                        }});
}

TEST(MetafileCost, FarAwayCoordinatesAreHeldInRangeBeforeTheyBecomeWholeNumbers) {
  const CostCase cases[] = {
      // A path widened a million times over (the world transform scales by a
      // million): its pen covers the whole picture, its points lie far beyond
      // any pixel number.
      {"widened path",
       Emf([](EmfBuilder& emf) {
         emf.Record(38, {1, 0, 3, 0, 0}).Record(37, {1}).Record(37, {0x80000004});
         emf.Record(36, {Bits(1e6f), 0, 0, Bits(1e6f), 0, 0, 4});
         emf.Record(59, {}).Record(27, {0, 0}).Record(54, {10000, 10000}).Record(60, {});
         emf.Record(66, {}).Record(62, {0, 0, 0, 0});
       }),
       [](const Played& p) { return Everywhere(p.picture, clBlack); }},
      // A geometric pen 900 million units wide, flat ends and round corners.
      {"round corner of a pen wider than any picture",
       Emf([](EmfBuilder& emf) {
         emf.Record(95, {1, 0, 0, 0, 0, 0x10000 | 0x200, 900000000, 0, kInk, 0, 0}).Record(37, {1});
         emf.Record(4, {0, 0, 0, 0, 3, 0, 0, 50, 50, 100, 0});
       }),
       [](const Played& p) { return Everywhere(p.picture, kInk); }},
      // A region framed under a transform grown past any number by scaling it
      // again and again: nothing can be drawn.
      {"region framed under a transform beyond any number",
       Emf([](EmfBuilder& emf) {
         for (int i = 0; i < 10; ++i) emf.Record(36, {Bits(3e38f), 0, 0, Bits(3e38f), 0, 0, 2});
         emf.Record(72, {0, 0, 0, 0, 48, 0x80000004, 3, 3, 32, 1, 1, 16, 0, 0, 10, 10, 0, 0, 10, 10});
       }),
       [](const Played& p) { return Everywhere(p.picture, clWhite); }},
  };
  for (const CostCase& c : cases) ExpectKeptToTheBound(c);
}

TEST(MetafileCost, DashedGeometricPensMakeOnlyTheDashesThePictureCanShow) {
  // A pen a thousand million units wide with dashes and gaps of one unit,
  // along a line four thousand million units long through the picture.
  const auto wide = [](std::uint32_t ends) {
    return Emf([&](EmfBuilder& emf) {
      emf.Record(95, {1, 0, 0, 0, 0, 0x10000 | ends | 7, 1000000000, 0, kInk, 0, 2}, {1, 0, 0, 0, 1, 0, 0, 0});
      emf.Record(37, {1}).Record(27, {-2000000000, 48}).Record(54, {2000000000, 48});
    });
  };
  const CostCase cases[] = {
      // Flat ends: each dash a stripe across the whole picture, where the
      // dashes fall (every even column from the line's even start).
      {"flat ends", wide(0x200),
       [](const Played& p) { return Matches(p.picture, [](int x, int) { return x % 2 == 0 ? kInk : clWhite; }); }},
      // Round and square ends half a thousand million units long close every gap.
      {"round ends", wide(0), [](const Played& p) { return Everywhere(p.picture, kInk); }},
      {"square ends", wide(0x100), [](const Played& p) { return Everywhere(p.picture, kInk); }},
      // Dashes a million million million times smaller than a pixel along a
      // line across the picture (the world transform squeezes lengths
      // across it to nothing, so that the pen's lengths shrink and the line
      // does not): the line drawn whole.
      {"dashes smaller than a pixel",
       Emf([](EmfBuilder& emf) {
         emf.Record(95, {1, 0, 0, 0, 0, 0x10000 | 0x200 | 7, 3, 0, kInk, 0, 2}, {1, 0, 0, 0, 1, 0, 0, 0});
         emf.Record(37, {1}).Record(36, {Bits(1), 0, 0, Bits(1e-36f), 0, Bits(48), 4});
         emf.Record(27, {0, 0}).Record(54, {96, 0});
       }),
       [](const Played& p) { return Matches(p.picture, [](int, int y) { return y == 48 ? kInk : clWhite; }); }},
  };
  for (const CostCase& c : cases) ExpectKeptToTheBound(c);
}

TEST(MetafileCost, FiguresAndArcsCostWhatLiesWithinReachOfThePicture) {
  // 1,500 figures two hundred million units across round the picture in
  // one path, filled by the winding rule: the picture lies inside them all.
  const auto inPath = [](const std::function<void(EmfBuilder&)>& figure) {
    return Emf([&](EmfBuilder& emf) {
      emf.Record(19, {2}).Record(37, {0x80000004}).Record(59, {});
      for (int i = 0; i < 1500; ++i) figure(emf);
      emf.Record(60, {}).Record(62, {0, 0, 0, 0});
    });
  };
  constexpr int kFar = 100000000;
  const auto black = [](const Played& p) { return p.notDrawn == 0 && Everywhere(p.picture, clBlack); };
  const CostCase cases[] = {
      {"ellipses in a path", inPath([](EmfBuilder& emf) { emf.Record(42, {-kFar, -kFar, kFar, kFar}); }), black},
      {"rounded rectangles in a path",
       inPath([](EmfBuilder& emf) { emf.Record(44, {-kFar, -kFar, kFar, kFar, kFar, kFar}); }), black},
      {"chords in a path", inPath([](EmfBuilder& emf) { emf.Record(46, {-kFar, -kFar, kFar, kFar, kFar, 0, kFar, 0}); }),
       black},
      {"pies in a path", inPath([](EmfBuilder& emf) { emf.Record(47, {-kFar, -kFar, kFar, kFar, kFar, 0, kFar, 0}); }),
       black},
      {"arcs in a path", inPath([](EmfBuilder& emf) { emf.Record(45, {-kFar, -kFar, kFar, kFar, kFar, 0, kFar, 0}); }),
       black},
      {"angle arcs in a path",
       inPath([](EmfBuilder& emf) { emf.Record(27, {0, 0}).Record(41, {0, 0, kFar, 0, Bits(360)}); }), black},
      // 8,000 such ellipses turned by 30 degrees, drawn one by one.
      {"turned ellipses",
       Emf([](EmfBuilder& emf) {
         emf.Record(37, {0x80000004}).Record(37, {0x80000008});
         emf.Record(36, {Bits(0.866f), Bits(0.5f), Bits(-0.5f), Bits(0.866f), 0, 0, 4});
         for (int i = 0; i < 8000; ++i) emf.Record(42, {-kFar, -kFar, kFar, kFar});
       }),
       black},
      // Ellipses within the picture, 12,000 in one path: past the bound on
      // the points a path flattens, the rest are left out and counted.
      {"ellipses beyond the bound of a path",
       Emf(
           [](EmfBuilder& emf) {
             emf.Record(19, {2}).Record(37, {0x80000004}).Record(59, {});
             for (int i = 0; i < 12000; ++i) emf.Record(42, {10, 10, 950, 950});
             emf.Record(60, {}).Record(62, {0, 0, 0, 0});
           },
           960),
       [](const Played& p) {
         return p.notDrawn > 10000 && p.picture.GetPixel(480, 480) == clBlack && p.picture.GetPixel(30, 30) == clWhite;
       }},
  };
  for (const CostCase& c : cases) ExpectKeptToTheBound(c);
}

TEST(MetafileCost, GradientsAndRegionObjectsCostThePixelsTheyPaint) {
  // 200 red slivers from corner to corner of the picture, each covering
  // some thousands of its 921,600 pixels, in one gradient record.
  const std::vector<std::uint8_t> slivers = Emf(
      [](EmfBuilder& emf) {
        constexpr int kCount = 200;
        std::vector<std::uint8_t> indices;
        for (int i = 0; i < kCount; ++i)
          for (const std::uint8_t corner : {0, 1, 2}) indices.insert(indices.end(), {corner, 0, 0, 0});
        emf.Record(118, {0, 0, 0, 0, 3, kCount, 2, 0, 0, 0xFF00, 0, 960, 940, 0xFF00, 0, 960, 980, 0xFF00, 0}, indices);
      },
      960);
  // A region object of 8,000 rectangles a row high across the picture, most
  // of them far above or below it, painted 10,000 times.
  const std::vector<std::uint8_t> region = [] {
    WmfBuilder w;
    w.Record(0x02FC, {0, 0, 0, 0}).Record(0x012D, {0});  // a black brush, slot 0
    std::vector<std::uint8_t> scans;
    const auto word = [&](int v) { scans.insert(scans.end(), {std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF)}); };
    for (int i = 0; i < 8000; ++i) {
      for (const int v : {2, i - 4000, i - 3999, 0, 96, 2}) word(v);
    }
    w.Record(0x06FF, {0, 6, 0, 0, 0, 8000, 0, 0, 0, 0, 0}, scans);  // the region, slot 1
    for (int i = 0; i < 10000; ++i) w.Record(0x012B, {1});
    return w.Build(TRect{0, 0, 96, 96}, 96);
  }();
  const CostCase cases[] = {
      {"gradient slivers", slivers,
       [](const Played& p) {
         const auto at = [&](int x, int y) { return p.picture.GetPixel(x, y); };
         return at(500, 500) == clRed && at(500, 480) == clWhite && at(500, 530) == clWhite && at(50, 750) == clWhite;
       }},
      {"region object painted again and again", region,
       [](const Played& p) { return p.notDrawn == 0 && Everywhere(p.picture, clBlack); }},
  };
  for (const CostCase& c : cases) ExpectKeptToTheBound(c);
}
