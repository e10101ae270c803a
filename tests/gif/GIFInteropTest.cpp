// Our files decoded by giflib and ImageMagick, and files ImageMagick wrote
// read by us, compared pixel for pixel.

#include <gtest/gtest.h>

#include <random>

#include "gif/GIFExtensionApplication.h"
#include "gif/GIFExtensionText.h"
#include "tests/gif/GIFTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

std::vector<TColor> RandomPalette(int n, std::mt19937& rng) {
  std::vector<TColor> p;
  for (int i = 0; i < n; ++i) p.push_back(rng() & 0xFFFFFF);
  return p;
}

Bytes RandomRuns(std::size_t n, int colors, std::mt19937& rng) {
  Bytes p;
  while (p.size() < n) p.insert(p.end(), std::min<std::size_t>(n - p.size(), rng() % 9 + 1), rng() % colors);
  return p;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(GIFInterop, OurFilesDecodedByGiflibAndImageMagick) {
  std::mt19937 rng(42);
  TempDir dir;
  struct Shape { int width, height; };
  const Shape shapes[] = {{1, 1}, {1, 13}, {29, 1}, {61, 37}};
  for (int bits = 1; bits <= 8; ++bits) {
    for (const Shape s : shapes) {
      for (const TGIFCompression compression : {TGIFCompression::gcLZW, TGIFCompression::gcRLE}) {
        SCOPED_TRACE(testing::Message() << bits << " bits, " << s.width << "x" << s.height
                                        << (compression == TGIFCompression::gcRLE ? " RLE" : " LZW"));
        const int colors = (1 << bits) - (bits > 2 ? 1 : 0);  // not always a power of two
        const std::vector<TColor> palette = RandomPalette(colors, rng);
        const Bytes pixels = RandomRuns(static_cast<std::size_t>(s.width) * s.height, colors, rng);
        TGIFImage image;
        image.Compression = compression;
        const TGIFSubImage& frame = AddFrame(image, 0, 0, s.width, s.height, palette, pixels);
        const std::string bytes = Save(image);

        const GiflibResult decoded = DecodeWithGiflib(bytes);
        ASSERT_TRUE(decoded.ok);
        ASSERT_EQ(decoded.frames.size(), 1u);
        EXPECT_EQ(decoded.frames[0].pixels, pixels);

        const std::string path = dir.File("ours.gif");
        WriteFile(path, bytes);
        EXPECT_EQ(DecodeWithImageMagick(path), FrameRGB(frame, palette));
      }
    }
  }
}

TEST(GIFInterop, SeveralInterlacedFramesDecodedByGiflib) {
  // Frames without local tables keep their interlace flag and are written interlaced.
  std::mt19937 rng(7);
  TGIFImage image;
  image.Header().GlobalColorMap().ImportPalette(RandomPalette(32, rng));
  std::vector<Bytes> frames;
  for (int height = 1; height <= 9; ++height) {
    frames.push_back(RandomRuns(5 * height, 32, rng));
    AddFrame(image, height, 0, 5, height, {}, frames.back());
  }
  std::string bytes = Save(image);
  // Set the interlace flag of every frame, load, save again.
  for (std::size_t pos = bytes.find(','); pos != std::string::npos; pos = bytes.find(',', pos + 1)) {
    if (pos + 9 < bytes.size() && bytes[pos + 3] == 0 && bytes[pos + 5] == 5 && bytes[pos + 9] == 0)
      bytes[pos + 9] = 0x40;
  }
  auto loaded = Load(bytes);
  ASSERT_EQ(loaded->image->Images().Count(), 9);
  const std::string again = Save(*loaded->image);
  const GiflibResult decoded = DecodeWithGiflib(again);
  ASSERT_TRUE(decoded.ok);
  ASSERT_EQ(decoded.frames.size(), 9u);
  for (int i = 0; i < 9; ++i) {
    EXPECT_TRUE(loaded->image->Images()[i].Interlaced());
    // What we read as interlaced and wrote back interlaced comes out the same.
    EXPECT_EQ(decoded.frames[i].pixels, loaded->image->Images()[i].Data()) << i;
  }
}

TEST(GIFInterop, FilesWrittenByImageMagick) {
  for (const char* name : {"im_interlaced.gif", "im_global_only.gif", "im_frames.gif", "im_small_first.gif",
                           "animated_loop_interlaced.gif", "static_transparent.gif",
                           "animated_transparent_loop_frames_out_of_bounds.gif"}) {
    SCOPED_TRACE(name);
    auto loaded = Load(ReadFile(DataPath(name)));
    EXPECT_TRUE(loaded->warnings.empty());
    const TGIFImage& image = *loaded->image;
    ASSERT_GE(image.Images().Count(), 1);
    for (int i = 0; i < image.Images().Count(); ++i) {
      const TGIFSubImage& frame = image.Images()[i];
      const std::string expected = DecodeWithImageMagick(DataPath(name), i);
      // ImageMagick shows a transparent pixel in its table colour too.
      EXPECT_EQ(FrameRGB(frame, frame.ActiveColorMap().ExportPalette()), expected) << "frame " << i;
    }
    const GiflibResult decoded = DecodeWithGiflib(ReadFile(DataPath(name)));
    ASSERT_TRUE(decoded.ok);
    for (int i = 0; i < image.Images().Count(); ++i) EXPECT_EQ(decoded.frames[i].pixels, image.Images()[i].Data());
  }

  auto interlaced = Load(ReadFile(DataPath("im_interlaced.gif")));
  EXPECT_TRUE(interlaced->image->Images()[0].Interlaced());
  auto globalOnly = Load(ReadFile(DataPath("im_global_only.gif")));
  EXPECT_EQ(globalOnly->image->Images()[0].ColorMap().Count(), 0);
  EXPECT_GT(globalOnly->image->Header().GlobalColorMap().Count(), 0);

  auto frames = Load(ReadFile(DataPath("im_frames.gif")));
  const TGIFImage& image = *frames->image;
  ASSERT_EQ(image.Images().Count(), 3);
  EXPECT_EQ(image.Images()[1].BoundsRect(), (TRect{5, 7, 15, 15}));
  EXPECT_EQ(image.Images()[2].BoundsRect(), (TRect{20, 15, 32, 21}));
  bool comment = false, loop = false;
  for (const auto& extension : image.Images()[0].Extensions()) {
    if (auto* c = dynamic_cast<TGIFCommentExtension*>(extension.get()))
      comment = c->Text() == std::vector<std::string>{"made for the reader test"};
    if (auto* l = dynamic_cast<TGIFAppExtNSLoop*>(extension.get())) loop = l->Loops() == 2;
  }
  EXPECT_TRUE(comment);
  EXPECT_TRUE(loop);
  // Written back, ImageMagick reads the same frames.
  TempDir dir;
  WriteFile(dir.File("again.gif"), Save(image));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(DecodeWithImageMagick(dir.File("again.gif"), i), DecodeWithImageMagick(DataPath("im_frames.gif"), i));
}
