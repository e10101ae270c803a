// Frames as the painter composes them, frame by frame, against frames
// composed independently: the public GIF suite's reference pictures, and
// ImageMagick for hand-made files covering each disposal and transparency case.

#include <gtest/gtest.h>

#include "tests/gif/GIFPainterTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

constexpr TColor kUnder = RGBColor(12, 200, 90);  // what the target shows before the animation
constexpr TGIFDrawOptions kPlayOnce = doAsync | doAnimate | doTransparent;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(GIFPainterComposition, SuiteFilesMatchTheirReferenceFrames) {
  const char* files[] = {
      "animated_loop",
      "animated_loop_interlaced",
      "animated_loop_variable_delay",
      "animated_noloop",
      "animated_transparent_firstframerestoreprev_loop",
      "animated_transparent_frame_norestore_loop",
      "animated_transparent_frame_restorebackground_loop",
      "animated_transparent_frame_restoreprev_loop",
      "animated_transparent_loop",
      "animated_transparent_loop_frames_out_of_bounds",
      "animated_transparent_restoreprev_loop",
  };
  for (const char* name : files) {
    SCOPED_TRACE(name);
    const auto image = LoadFile(std::string(name) + ".gif");
    Playback playback;
    ASSERT_TRUE(playback.Play(*image, kUnder, kPlayOnce));
    ASSERT_EQ(playback.frames.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      const std::string reference =
          FlattenedByImageMagick(DataPath("frames/" + std::string(name) + "-" + std::to_string(i) + ".png"), kUnder);
      ASSERT_EQ(reference.size(), playback.frames[i].size()) << i;
      EXPECT_TRUE(reference == playback.frames[i]) << "frame " << i;
    }
  }
}

TEST(GIFPainterComposition, EveryDisposalAgainstImageMagick) {
  const std::vector<TColor> palette = {clBlack, clWhite, clRed, RGBColor(0, 0, 255), RGBColor(0, 255, 0)};
  // A 6 x 4 screen; frame 0 covers it, the later ones overlap each other.
  const Bytes full = {2, 2, 2, 3, 3, 3, 2, 0, 0, 0, 0, 3, 2, 0, 4, 4, 0, 3, 2, 2, 2, 3, 3, 3};
  const Bytes square = {1, 1, 1, 0, 1, 1, 1, 1, 4};  // 3 x 3, index 0 transparent where asked
  struct Case {
    const char* name;
    int firstDisposal, secondDisposal, thirdDisposal;
    int transparent;  // of the second and third frame
    int firstTransparent;
  };
  const Case cases[] = {
      {"none", 0, 0, 0, -1, -1},
      {"leave", 1, 1, 1, 0, -1},
      {"background", 1, 2, 2, 0, -1},
      {"background, opaque", 1, 2, 2, -1, -1},
      {"previous", 1, 3, 3, 0, -1},
      {"previous after background", 1, 2, 3, 0, -1},
      {"background after previous", 1, 3, 2, 0, -1},
      {"first restores background", 2, 1, 1, 0, 0},
      {"first restores previous", 3, 1, 3, 0, 0},
      {"transparent first frame", 1, 1, 1, 0, 0},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGIFImage image;
    MakeAnimation(image, 6, 4, palette,
                  {{0, 0, 6, 4, full, c.firstDisposal, c.firstTransparent},
                   {1, 1, 3, 3, square, c.secondDisposal, c.transparent},
                   {2, 0, 3, 3, square, c.thirdDisposal, c.transparent},
                   {3, 1, 3, 3, square, 1, c.transparent}});
    const std::string path = dir.File("case.gif");
    WriteFile(path, Save(image));
    const std::vector<std::string> expected = ComposedByImageMagick(path, kUnder, 6, 4);
    ASSERT_EQ(expected.size(), 4u);

    Playback playback;
    ASSERT_TRUE(playback.Play(image, kUnder, kPlayOnce));
    ASSERT_EQ(playback.frames.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Hex(playback.frames[i]), Hex(expected[i])) << "frame " << i;
  }
}

TEST(GIFPainterComposition, ReservedDisposalsLeaveTheFrameInPlace) {
  // A red picture with a reserved disposal value (4 to 7), then a frame that
  // paints one blue pixel and restores the previous picture, then one that
  // paints nothing: the red stays around the blue pixel, and comes back
  // where the blue was.
  const std::vector<TColor> palette = {clRed, RGBColor(0, 0, 255), clBlack};
  const auto rgb = [](TColor c) { return std::string{static_cast<char>(RedOf(c)), static_cast<char>(GreenOf(c)),
                                                     static_cast<char>(BlueOf(c))}; };
  for (int disposal = 4; disposal <= 7; ++disposal) {
    SCOPED_TRACE(disposal);
    TGIFImage image;
    MakeAnimation(image, 2, 1, palette,
                  {{0, 0, 2, 1, Bytes{0, 0}, disposal},
                   {0, 0, 2, 1, Bytes{1, 2}, 3, 2},
                   {0, 0, 1, 1, Bytes{2}, 1, 2}});
    Playback playback;
    ASSERT_TRUE(playback.Play(image, kUnder, kPlayOnce));
    ASSERT_EQ(playback.frames.size(), 3u);
    EXPECT_EQ(Hex(playback.frames[1]), Hex(rgb(RGBColor(0, 0, 255)) + rgb(clRed)));
    EXPECT_EQ(Hex(playback.frames[2]), Hex(rgb(clRed) + rgb(clRed)));
  }
}
