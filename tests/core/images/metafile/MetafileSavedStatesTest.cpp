// Saved states of the metafile device: what saving costs (a saved state
// shares what has not changed since, and the states saved are bounded in
// number and in the size of their paths, those past the bound counted as
// not drawn), and a pen's dash list as long as the platform takes.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/PlayingCost.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

enum : std::uint32_t {
  kMoveTo = 27, kSaveDC = 33, kRestoreDC = 34, kSelectObject = 37, kCreateBrush = 39, kRectangle = 43,
  kLineTo = 54, kBeginPath = 59, kAbortPath = 68, kExtSelectClipRgn = 75, kPolylineTo16 = 89, kExtCreatePen = 95,
};

// A 256 x 256 picture: a red brush selected and the state saved, then
// `middle`, then that state restored and a rectangle filled, red when the
// state came back.
std::vector<std::uint8_t> Picture(const std::function<void(EmfBuilder&)>& middle) {
  EmfBuilder emf(TRect{0, 0, 255, 255}, TRect{0, 0, 6773, 6773});
  emf.Record(kCreateBrush, {1, 0, 0x0000FF, 0}).Record(kSelectObject, {1}).Record(kSaveDC, {});
  middle(emf);
  emf.Record(kCreateBrush, {2, 0, 0xFF0000, 0}).Record(kSelectObject, {2});  // blue, until the restore
  emf.Record(kRestoreDC, {1}).Record(kRectangle, {10, 10, 200, 200});
  return emf.Build();
}

// Records that save the state `count` times.
void Saves(EmfBuilder& emf, int count) {
  for (int i = 0; i < count; ++i) emf.Record(kSaveDC, {});
}

// An open path of a line to each of `points` points.
void OpenPath(EmfBuilder& emf, int points) {
  std::vector<std::int64_t> fields{0, 0, 200, 200, points};
  for (int i = 0; i < points; ++i) fields.push_back((i % 200) | ((i * 7 % 200) << 16));  // 16-bit x, y
  emf.Record(kBeginPath, {}).Record(kMoveTo, {0, 0}).RecordFields(kPolylineTo16, fields);
}

// A clip of 100 rows of 100 pixels each, one pixel apart, in the reference device's pixels.
void ManyRectangleClip(EmfBuilder& emf) {
  constexpr int kRects = 100 * 100;
  std::vector<std::int64_t> fields{32 + 16 * kRects, 5, 32, 1, kRects, 16 * kRects, 0, 0, 200, 200};
  for (int i = 0; i < kRects; ++i) {
    const int x = 2 * (i % 100), y = 2 * (i / 100);
    fields.insert(fields.end(), {x, y, x + 1, y + 1});
  }
  emf.RecordFields(kExtSelectClipRgn, fields);
}

}  // namespace

TEST(MetafileSavedStates, SavingCostsWhatChangedAndIsBoundedInDepthAndSize) {
  constexpr std::size_t kSome = SIZE_MAX;  // some records not drawn, how many not known beforehand
  const struct {
    const char* name;
    std::function<void(EmfBuilder&)> middle;
    std::size_t notDrawn;
  } cases[] = {
      {"an open path of 40,000 points saved 16,000 times",
       [](EmfBuilder& e) {
         OpenPath(e, 40000);
         Saves(e, 16000);
         e.Record(kAbortPath, {});
       },
       0},
      {"saved between each line of an open path",
       [](EmfBuilder& e) {
         e.Record(kBeginPath, {}).Record(kMoveTo, {0, 0});
         for (int i = 0; i < 20000; ++i) e.Record(kSaveDC, {}).Record(kLineTo, {i % 200, i % 150});
       },
       kSome},
      {"a geometric pen's 60,000 dashes saved 16,000 times",
       [](EmfBuilder& e) {
         std::vector<std::int64_t> fields{3, 0, 0, 0, 0, 0x10007, 4, 0, 0, 0, 60000};
         fields.resize(fields.size() + 60000, 2);
         e.RecordFields(kExtCreatePen, fields);
         e.Record(kSelectObject, {3});
         Saves(e, 16000);
       },
       0},
      {"saved and restored 20,000 times under a clip of 10,000 rectangles",
       [](EmfBuilder& e) {
         ManyRectangleClip(e);
         for (int i = 0; i < 20000; ++i) e.Record(kSaveDC, {}).Record(kRestoreDC, {-1});
       },
       0},
      {"saved 20,000 times more", [](EmfBuilder& e) { Saves(e, 20000); }, 20001 - 16384},
  };
  for (const auto& c : cases) {
    ExpectPlayedWithin(Picture(c.middle), PlayingBound{100, 5},
                       [&](const Played& p) {
                         return p.picture.GetPixel(100, 100) == clRed &&
                                (c.notDrawn == kSome ? p.notDrawn > 0 : p.notDrawn == c.notDrawn);
                       },
                       c.name);
  }
}
