#include <gtest/gtest.h>

#include "core/images/GifCodec.h"
#include "core/images/ImageFiles.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/support/LargeAnimation.h"
#include "tests/support/MemoryLimit.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// A picture of six colours, which every reduction but the fixed palettes keeps exactly.
Bitmap FewColours() {
  Bitmap b(23, 9);
  const TColor colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x336699};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, colours[(x / 4 + y) % 6]);
  return b;
}

// More colours than a GIF colour table holds.
Bitmap ManyColours() {
  Bitmap b(40, 20);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, RGBColor(x * 6, y * 12, x + y));
  return b;
}

ImageWriteOptions GifOptions(int reduction, int dither = 0, int compression = 0) {
  ImageWriteOptions o;
  o.gifColorReduction = reduction;
  o.gifDither = dither;
  o.gifCompression = compression;
  return o;
}

// Restores the unit-wide default the tests change.
class GifFiles : public ::testing::Test {
 protected:
  void TearDown() override { GIFDefaultColorReduction = saved_; }

 private:
  TColorReduction saved_ = GIFDefaultColorReduction;
};

}  // namespace

TEST_F(GifFiles, ItemIndexesChooseReductionDitherAndCompression) {
  EXPECT_EQ(ColorReductionForIndex(0), TColorReduction::rmNone);
  EXPECT_EQ(ColorReductionForIndex(6), TColorReduction::rmNetscape);
  EXPECT_EQ(ColorReductionForIndex(7), TColorReduction::rmQuantize);
  EXPECT_EQ(ColorReductionForIndex(8), TColorReduction::rmQuantizeWindows);
  EXPECT_EQ(ColorReductionForIndex(-1), TColorReduction::rmQuantize);
  EXPECT_EQ(ColorReductionForIndex(9), TColorReduction::rmQuantize);
  EXPECT_EQ(DitherModeForIndex(1), TDitherMode::dmFloydSteinberg);
  EXPECT_EQ(DitherModeForIndex(6), TDitherMode::dmBurkes);
  EXPECT_EQ(DitherModeForIndex(7), TDitherMode::dmNearest);
  EXPECT_EQ(DitherModeForIndex(-1), TDitherMode::dmNearest);
  EXPECT_EQ(CompressionForIndex(1), TGIFCompression::gcRLE);
  EXPECT_EQ(CompressionForIndex(2), TGIFCompression::gcLZW);
}

TEST_F(GifFiles, SaveGifLeavesItsReductionAsTheDefault) {
  TempDir dir;
  std::string error;
  const Bitmap picture = FewColours();
  ASSERT_TRUE(SaveGif(dir.File("a.gif"), &picture, GifOptions(2), error)) << error;
  EXPECT_EQ(GIFDefaultColorReduction, TColorReduction::rmWindows256);
  EXPECT_EQ(TGIFImage().ColorReduction, TColorReduction::rmWindows256);
  EXPECT_FALSE(SaveGif(dir.File("b.gif"), nullptr, GifOptions(5), error));
}

TEST_F(GifFiles, WrittenFilesDecodeAlikeInImageMagickAndHere) {
  TempDir dir;
  const Bitmap picture = FewColours();
  std::string error;
  for (int compression : {0, 1}) {
    SCOPED_TRACE(compression);
    const std::string file = dir.File("c" + std::to_string(compression) + ".gif");
    ASSERT_TRUE(SaveGif(file, &picture, GifOptions(7, 1, compression), error)) << error;
    Bitmap back;
    ASSERT_TRUE(LoadGif(file, &back, error)) << error;
    EXPECT_TRUE(SamePixels(picture, back));
    if (HaveImageMagick()) {
      EXPECT_TRUE(SamePixels(picture, DecodeWithImageMagick(file)));
    }
  }
}

TEST_F(GifFiles, ReadsImageMagickFilesLikeImageMagick) {
  if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick is not installed";
  Bitmap b;
  std::string error;
  ASSERT_TRUE(LoadGif(DataPath("gif/im_interlaced.gif"), &b, error)) << error;
  EXPECT_TRUE(SamePixels(DecodeWithImageMagick(DataPath("gif/im_interlaced.gif")), b));
}

TEST_F(GifFiles, FailuresReturnFalseAndWriteNothing) {
  TempDir dir;
  std::string error;
  // Reduction None keeps every colour, and a colour table holds 256.
  const Bitmap many = ManyColours();
  EXPECT_FALSE(SaveGif(dir.File("many.gif"), &many, GifOptions(0), error));
  EXPECT_EQ(error, "Color table overflow");
  EXPECT_FALSE(std::filesystem::exists(dir.File("many.gif")));
  const Bitmap wide(70000, 1);
  EXPECT_FALSE(SaveGif(dir.File("wide.gif"), &wide, GifOptions(4), error));
  EXPECT_EQ(error, "Image too large for GIF");
  EXPECT_FALSE(std::filesystem::exists(dir.File("wide.gif")));

  Bitmap target;
  EXPECT_FALSE(LoadGif(dir.File("x.gif"), nullptr, error));
  WriteBytes(dir.File("empty.gif"), {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B});
  EXPECT_FALSE(LoadGif(dir.File("empty.gif"), &target, error));
  EXPECT_EQ(error, "GIF file contains no image");
}

TEST_F(GifFiles, CutFilesFailOrKeepWhatTheyHold) {
  TempDir dir;
  const auto good = ReadBytes(DataPath("gif/im_interlaced.gif"));
  constexpr std::size_t kImageData = 127;  // the frame's code size byte
  // Cut before the frame's pixel data there is no image; cut inside it, the GIF
  // reader keeps the part of the frame it got (a warning, not an error).
  for (std::size_t n = 0; n < good.size(); ++n) {
    WriteBytes(dir.File("cut.gif"), std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)));
    Bitmap target;
    std::string error;
    const bool loaded = LoadGif(dir.File("cut.gif"), &target, error);
    if (n < kImageData) {
      EXPECT_FALSE(loaded) << "cut at " << n;
      EXPECT_NE(error, "") << "cut at " << n;
    } else if (loaded) {
      EXPECT_EQ(target.Width(), 37) << "cut at " << n;
      EXPECT_EQ(target.Height(), 29) << "cut at " << n;
    }
  }
}

TEST_F(GifFiles, OnlyTheFirstFrameIsRead) {
  // The frames after the first are not read: a second frame cut short (which
  // fails a whole load) leaves the picture as it is.
  const std::string two = test::LargeAnimation(2, 3, 2);
  const std::string cut = two.substr(0, two.size() - 6);
  TempDir dir;
  WriteBytes(dir.File("cut.gif"), std::vector<std::uint8_t>(cut.begin(), cut.end()));
  Bitmap first;
  std::string error;
  ASSERT_TRUE(LoadGif(dir.File("cut.gif"), &first, error)) << error;
  EXPECT_EQ(first.Width(), 3);
  EXPECT_EQ(first.GetPixel(2, 1), 0x000000);
}

TEST_F(GifFiles, TheFirstFrameOfAHugeAnimationComesWithinBoundedMemory) {
  // 3,000 frames of 1000 x 1000 in 42 kB, which would take 3 GB decoded,
  // give their first frame within 256 MiB.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  const std::string file = test::LargeAnimation(3000, 1000, 1000);
  EXPECT_EXIT(
      {
        test::LimitAddressSpaceGrowth(std::int64_t{256} << 20);
        const Bitmap picture =
            DecodeGif(std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
        std::_Exit(picture.Width() == 1000 && picture.Height() == 1000 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(GifFiles, BlocksBeforeTheFirstPictureAreReadPastWithinBoundedMemory) {
  // 2,000,000 one-byte comments (10 MB) before a frame would take some
  // 250 MB if kept; read as a base image, the first frame comes with the heap
  // grown by less than 64 MiB, drawn with the graphic control extension that
  // comes before them.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  EXPECT_EXIT(
      {
        const std::string animation = test::LargeAnimation(1, 3, 2);
        constexpr std::size_t kScreenAndTable = 25;
        std::string file = animation.substr(0, kScreenAndTable);
        // Index 2 (red) transparent: the frame, which holds no pixel data, is all of it.
        file += std::string("!\xF9\x04\x01\x00\x00\x02\x00", 8);
        for (int i = 0; i < 2'000'000; ++i) file += std::string("!\xFE\x01x\x00", 5);
        file += animation.substr(kScreenAndTable);
        const std::int64_t heap = test::HeapSize();
        const Bitmap picture =
            DecodeGif(std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
        if (test::HeapSize() - heap >= std::int64_t{64} << 20) std::_Exit(2);
        std::_Exit(picture.Width() == 3 && picture.GetPixel(2, 1) == clRed ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
