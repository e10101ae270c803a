// The optimiser against an independent player: giflib decodes the file before
// and after Optimize, a small compositor of our own plays both one hundredth
// of a second at a time, and the two must show the same picture at every
// moment; the optimised file is never larger than the image saved plainly.
//
// "The same picture": pixels the file has not painted, or has restored to the
// background (disposal 2), count as showing nothing, in both files alike; a
// player that fills them with the background colour shows the same as long as
// the colour stays, which the background test below checks. The compositor
// plays two passes, so that a loop restart is compared as well, under three
// ways of reading delays and reserved disposal values.

#include <gtest/gtest.h>

#include <random>

#include "gif/GIFExtensionText.h"
#include "tests/gif/GIFPainterTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// The screen as shown: 0 where nothing is, else 0xFF000000 | RGB.
using Picture = std::vector<std::uint32_t>;

// How a player reads delays (in hundredths) and disposal values 4 to 7.
struct PlayModel {
  const char* name;
  int (*shown)(int delay);
  bool reservedRestoresPrevious;
};

const PlayModel kModels[] = {
    {"delays as stored", [](int delay) { return delay; }, false},
    {"our painter's delays", [](int delay) { return delay == 0 ? 10 : std::max(delay, 3); }, false},
    {"browser delays, 4 to 7 as 3", [](int delay) { return delay <= 1 ? 10 : delay; }, true},
};

std::uint32_t Shown(TColor color) { return 0xFF000000u | static_cast<std::uint32_t>(color & 0xFFFFFF); }

// The pictures a player shows, one per hundredth of a second, over two passes;
// a file of one frame is a still picture, shown as long as anything else.
struct Timeline {
  std::vector<Picture> pictures;
  bool still = false;
  std::size_t Length() const { return still ? 1 : pictures.size(); }
  bool Has(std::size_t t) const { return still || t < pictures.size(); }
  const Picture& At(std::size_t t) const { return pictures[still ? 0 : t]; }
};

Timeline Play(const GiflibResult& file, const PlayModel& model) {
  const int width = file.width, height = file.height;
  Picture screen(static_cast<std::size_t>(width) * height, 0);
  Timeline timeline;
  timeline.still = file.frames.size() == 1;
  const auto clip = [&](const GiflibFrame& f, const std::function<void(int x, int y, std::size_t at)>& visit) {
    for (int y = std::max(f.top, 0); y < std::min(f.top + f.height, height); ++y)
      for (int x = std::max(f.left, 0); x < std::min(f.left + f.width, width); ++x)
        visit(x, y, static_cast<std::size_t>(y) * width + x);
  };
  for (int pass = 0; pass < 2; ++pass) {
    for (const GiflibFrame& frame : file.frames) {
      const Picture before = screen;
      clip(frame, [&](int x, int y, std::size_t at) {
        const int index = frame.pixels[static_cast<std::size_t>(y - frame.top) * frame.width + x - frame.left];
        if (index == frame.transparent) return;
        if (index >= static_cast<int>(frame.palette.size())) {
          ADD_FAILURE() << "pixel past the colour table";
          return;
        }
        screen[at] = Shown(frame.palette[index]);
      });
      const int time = timeline.still ? 1 : model.shown(frame.delay);
      for (int t = 0; t < time; ++t) timeline.pictures.push_back(screen);
      const int disposal = frame.disposal > 3 && model.reservedRestoresPrevious ? 3 : frame.disposal;
      if (disposal == 2) clip(frame, [&](int, int, std::size_t at) { screen[at] = 0; });
      if (disposal == 3) screen = before;
    }
    if (timeline.still) break;
  }
  return timeline;
}

// The first hundredth at which the two files show different pictures; -1 when none.
int FirstDifference(const Timeline& a, const Timeline& b) {
  for (std::size_t t = 0; t < std::max(a.Length(), b.Length()); ++t)
    if (!a.Has(t) || !b.Has(t) || a.At(t) != b.At(t)) return static_cast<int>(t);
  return -1;
}

// One frame of a hand-made animation.
struct Plan {
  int left, top, width, height;
  Bytes pixels;
  int disposal = 1;  // -1: no graphic control extension
  int transparent = -1;
  int delay = 20;
  std::vector<TColor> local;  // its own colour table; empty: the global one
};

struct Animation {
  std::string name;
  int width, height;
  std::vector<TColor> global;
  std::vector<Plan> frames;
  int background = 0;  // the header's background index
};

std::string Build(const Animation& a) {
  TGIFImage image;
  image.Header().SetLogicalScreenWidth(a.width);
  image.Header().SetLogicalScreenHeight(a.height);
  image.Header().GlobalColorMap().ImportPalette(a.global);
  image.Header().SetBackgroundColorIndex(static_cast<std::uint8_t>(a.background));
  for (const Plan& plan : a.frames) {
    TGIFSubImage& frame = AddFrame(image, plan.left, plan.top, plan.width, plan.height, plan.local, plan.pixels);
    if (plan.disposal >= 0) AddControl(frame, plan.disposal, plan.delay, plan.transparent);
  }
  return Save(image);
}

const std::vector<TColor> kColors = {clRed, RGBColor(0, 160, 0), RGBColor(0, 0, 255), clWhite, clBlack,
                                     RGBColor(255, 255, 0)};

// The same colours in another order, for frames with tables of their own.
std::vector<TColor> Rotated(int by) {
  std::vector<TColor> colors = kColors;
  std::rotate(colors.begin(), colors.begin() + by % colors.size(), colors.end());
  return colors;
}

// Index `index` of kColors in Rotated(by).
std::uint8_t In(int by, int index) {
  const int n = static_cast<int>(kColors.size());
  return static_cast<std::uint8_t>((index - by % n + n) % n);
}

// A 10 x 8 screen: a full picture, a square over it that repeats part of
// it, a frame that shows nothing, a small opaque frame and its exact copy.
// Every pair of disposal values (none, 0 to 3) on the first two frames,
// transparency on and off, one global table or a table per frame.
std::vector<Animation> HandMade() {
  std::vector<Animation> animations;
  const int disposals[] = {-1, 0, 1, 2, 3};
  for (int first : disposals) {
    for (int second : disposals) {
      for (bool transparent : {false, true}) {
        for (bool local : {false, true}) {
          Animation a{"disposal " + std::to_string(first) + "/" + std::to_string(second) +
                          (transparent ? ", transparent" : "") + (local ? ", local tables" : ""),
                      10, 8, local ? std::vector<TColor>{} : kColors, {}};
          const auto table = [&](int k) { return local ? Rotated(k) : std::vector<TColor>{}; };
          const auto index = [&](int k, int colour) { return local ? In(k, colour) : static_cast<std::uint8_t>(colour); };
          const int hole = 5;  // yellow: the transparent colour where there is one
          Bytes picture(80);
          for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x) picture[y * 10 + x] = static_cast<std::uint8_t>((x / 3 + y / 2) % 5);
          if (transparent) picture[3 * 10 + 3] = picture[4 * 10 + 4] = hole;
          Plan full{0, 0, 10, 8, {}, first, transparent ? index(0, hole) : -1, 20, table(0)};
          for (std::uint8_t c : picture) full.pixels.push_back(index(0, c));
          // The square repeats the picture below it except on every third diagonal.
          Plan square{2, 1, 6, 5, {}, second, transparent ? index(1, hole) : -1, 20, table(1)};
          for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
              const int below = picture[(y + 1) * 10 + x + 2];
              const int colour = (x + y) % 3 == 0 || below == hole ? (below + 1) % 5 : below;
              square.pixels.push_back(index(1, transparent && x == 4 && y == 1 ? hole : colour));
            }
          Plan nothing{1, 2, 5, 4, Bytes(20, index(2, hole)), 1, index(2, hole), 50, table(2)};
          Plan corner{6, 4, 3, 3, {}, first < 0 ? -1 : 1, -1, 20, table(3)};
          for (int i = 0; i < 9; ++i) corner.pixels.push_back(index(3, i % 4));
          Plan again = corner;
          again.disposal = second < 0 ? 1 : second;
          again.delay = 30;
          a.frames = {full, square, nothing, corner, again};
          animations.push_back(a);
        }
      }
    }
  }
  return animations;
}

// Small animations made at random: frames anywhere on (and a little past)
// the screen, any disposal value including the reserved ones, short and long
// delays, few colours in global and local tables, copies of earlier frames.
std::vector<Animation> Random(int count) {
  std::mt19937 rng(20240611);
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::vector<Animation> animations;
  for (int n = 0; n < count; ++n) {
    Animation a{"random " + std::to_string(n), 4 + pick(7), 3 + pick(6), {}, {}};
    const int colors = 2 + pick(9);
    for (int c = 0; c < colors; ++c) a.global.push_back(kColors[pick(static_cast<int>(kColors.size()))] ^ pick(2));
    if (pick(4) == 0) a.global.clear();
    a.background = pick(colors + 1);
    const int frames = 1 + pick(6);
    for (int f = 0; f < frames; ++f) {
      Plan plan{};
      if (f > 0 && pick(3) == 0) {
        plan = a.frames[pick(f)];  // a copy of an earlier frame
      } else {
        plan.width = 1 + pick(a.width);
        plan.height = 1 + pick(a.height);
        plan.left = pick(a.width - plan.width + 2);
        plan.top = pick(a.height - plan.height + 2);
        if (a.global.empty() || pick(3) == 0) {
          for (int c = 0; c < 2 + pick(6); ++c) plan.local.push_back(kColors[pick(static_cast<int>(kColors.size()))]);
        }
        const int entries = static_cast<int>(plan.local.empty() ? a.global.size() : plan.local.size());
        const int flat = pick(entries);
        for (int p = 0; p < plan.width * plan.height; ++p)
          plan.pixels.push_back(static_cast<std::uint8_t>(pick(3) == 0 ? pick(entries) : flat));
        plan.transparent = pick(2) == 0 ? pick(entries) : -1;
      }
      plan.disposal = pick(10) - 1;
      if (plan.disposal > 3) plan.disposal = pick(3) == 0 ? 4 + pick(4) : pick(4);
      const int delays[] = {0, 1, 2, 3, 5, 20};
      plan.delay = delays[pick(6)];
      if (plan.disposal < 0) plan.transparent = -1;
      a.frames.push_back(plan);
    }
    animations.push_back(a);
  }
  return animations;
}

struct Option {
  const char* name;
  TGIFOptimizeSet set;
};
const Option kOptions[] = {{"crop", optCropFrames}, {"merge", optMergeFrames}, {"strip", optStrip},
                           {"sort", optSortTables}, {"reduce", optReduce},     {"all", optAll}};

// Optimises the file with each option alone and all together and compares.
void ExpectSameTimeline(const std::string& name, const std::string& plain) {
  const GiflibResult original = DecodeWithGiflib(plain);
  ASSERT_TRUE(original.ok) << name;
  for (const Option& option : kOptions) {
    auto loaded = Load(plain);
    loaded->image->Optimize(option.set);
    const std::string optimised = Save(*loaded->image);
    const GiflibResult decoded = DecodeWithGiflib(optimised);
    ASSERT_TRUE(decoded.ok) << name << ", " << option.name;
    EXPECT_LE(optimised.size(), plain.size()) << name << ", " << option.name;
    for (const PlayModel& model : kModels) {
      const int t = FirstDifference(Play(original, model), Play(decoded, model));
      EXPECT_EQ(t, -1) << name << ", " << option.name << ", " << model.name << ": differs at " << t
                       << " hundredths";
    }
  }
}

}  // namespace

TEST(GIFOptimizeTimeline, HandMadeAnimationsShowTheSameAtEveryMoment) {
  for (const Animation& a : HandMade()) ExpectSameTimeline(a.name, Build(a));
}

TEST(GIFOptimizeTimeline, RandomAnimationsShowTheSameAtEveryMoment) {
  for (const Animation& a : Random(300)) ExpectSameTimeline(a.name, Build(a));
}

TEST(GIFOptimizeTimeline, AFrameEmptiedAfterARestoreKeepsItsTime) {
  // A square restored to the background (or to the picture before) after
  // 20/100 s, then 50/100 s of nothing new: the restored picture shows for
  // that half second before the last frame.
  for (int restore : {2, 3}) {
    SCOPED_TRACE(restore);
    Animation a{"restore", 6, 6, kColors, {}};
    a.frames = {{0, 0, 6, 6, Bytes(36, 0), 1, -1, 20, {}},
                {1, 1, 3, 3, Bytes(9, 2), restore, -1, 20, {}},
                {0, 0, 6, 6, Bytes(36, 5), 1, 5, 50, {}},
                {4, 4, 2, 2, Bytes(4, 3), 1, -1, 20, {}}};
    const std::string plain = Build(a);
    auto loaded = Load(plain);
    loaded->image->Optimize(optCropFrames);
    ASSERT_EQ(loaded->image->Images().Count(), 4);
    EXPECT_EQ(loaded->image->Images()[2].BoundsRect(), (TRect{0, 0, 1, 1}));
    EXPECT_EQ(loaded->image->Images()[1].GraphicControlExtension()->Delay(), 20);
    EXPECT_EQ(FirstDifference(Play(DecodeWithGiflib(plain), kModels[0]),
                              Play(DecodeWithGiflib(Save(*loaded->image)), kModels[0])),
              -1);
  }
}

TEST(GIFOptimizeTimeline, SortedThenMergedFramesSaveAndShowTheSame) {
  // Frame 0's transparent colour (black) is in no pixel: sorting drops it from
  // the table, and frame 1, which repeats frame 0, must not take it over.
  Animation a{"sort then merge", 4, 2, {RGBColor(0x66, 0x39, 0xA4), clRed, RGBColor(0, 255, 0), RGBColor(0, 0, 255), clBlack}, {}};
  const Bytes pixels = {1, 1, 2, 3, 1, 2, 1, 1};
  a.frames = {{0, 0, 4, 2, pixels, 1, 4, 20, {}}, {0, 0, 4, 2, pixels, 1, -1, 20, {}}};
  const std::string plain = Build(a);
  auto loaded = Load(plain);
  loaded->image->Optimize(optSortTables | optMergeFrames);
  std::string optimised;
  ASSERT_NO_THROW(optimised = Save(*loaded->image));
  const GiflibResult decoded = DecodeWithGiflib(optimised);
  ASSERT_TRUE(decoded.ok);
  for (const PlayModel& model : kModels)
    EXPECT_EQ(FirstDifference(Play(DecodeWithGiflib(plain), model), Play(decoded, model)), -1) << model.name;
  ExpectSameTimeline(a.name, plain);
}

TEST(GIFOptimizeTimeline, SortingKeepsTheBackgroundColour) {
  const TColor background = RGBColor(0x66, 0x39, 0xA4);
  // The background entry is used by fewer pixels than others, by none, or lies past the table.
  struct Case {
    const char* name;
    Bytes pixels;
    int index;
  };
  const Case cases[] = {
      {"used less", {1, 1, 1, 0, 2, 2}, 0},
      {"used by no pixel", {1, 1, 1, 3, 2, 2}, 0},
      {"past the table", {1, 1, 1, 0, 2, 2}, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Animation a{c.name, 3, 2, {background, RGBColor(0x2C, 0x6F, 0x3A), clRed, RGBColor(0, 0, 255)}, {}, c.index};
    a.frames = {{0, 0, 3, 2, c.pixels, -1, -1, 0, {}}, {1, 1, 1, 1, Bytes{2}, 1, -1, 20, {}}};
    auto loaded = Load(Build(a));
    EXPECT_EQ(loaded->image->GetBackgroundColor(), background);
    loaded->image->Optimize(optSortTables);
    EXPECT_TRUE(loaded->image->Header().GlobalColorMap().Optimized());
    EXPECT_EQ(loaded->image->GetBackgroundColor(), background);
    const GiflibResult decoded = DecodeWithGiflib(Save(*loaded->image));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.background, background);
  }
}
