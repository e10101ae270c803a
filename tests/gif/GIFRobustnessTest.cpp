// Malformed files: each one loads what it holds or fails with a GIFException;
// none crashes, hangs or reads past its data.

#include <gtest/gtest.h>

#include <random>

#include "gif/GIFExtensionGraphicControl.h"
#include "tests/gif/GIFTestSupport.h"
#include "tests/support/LargeAnimation.h"
#include "tests/support/MemoryLimit.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

const std::string kHeader = std::string("GIF89a") + S({4, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255});
const std::string kDescriptor = S({',', 0, 0, 0, 0, 4, 0, 2, 0, 0});  // 4 x 2, no local table

// Loads the bytes; true when they loaded, false on a GIFException.
bool LoadsOrFails(const std::string& bytes, std::string* error = nullptr) {
  try {
    auto loaded = Load(bytes);
    if (loaded->image->GetBitmap() != nullptr) loaded->image->GetBitmap()->GetPixel(0, 0);
    return true;
  } catch (const GIFException& e) {
    if (error) *error = e.what();
    return false;
  }
}

std::string SampleFile() {
  TGIFImage image;
  std::mt19937 rng(3);
  Bytes pixels(40 * 30);
  for (auto& p : pixels) p = rng() % 5;
  AddFrame(image, 0, 0, 40, 30, {clRed, clWhite, clBlack, 0x123456, 0x654321}, pixels);
  AddFrame(image, 3, 4, 8, 6, {clRed, clWhite}, Bytes(48, 1));
  return Save(image);
}

}  // namespace

TEST(GIFRobustness, CutAtEveryOffset) {
  // A file cut inside its header, a frame's descriptor, colour table or an
  // extension's fixed fields fails the load ("Premature end of data"), and
  // the image it was loaded into stays as it was; cut inside image data it
  // loads what is there.
  TGIFImage earlier;
  AddFrame(earlier, 0, 0, 2, 1, {clRed, clWhite}, Bytes{1, 0});
  const std::string earlierBytes = Save(earlier);
  for (const std::string& file :
       {SampleFile(), ReadFile(DataPath("im_frames.gif")), ReadFile(DataPath("im_interlaced.gif"))}) {
    const auto full = Load(file);
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
      std::istringstream in(file.substr(0, cut));
      try {
        earlier.LoadFromStream(in);
      } catch (const GIFException& e) {
        EXPECT_STREQ(e.what(), "Premature end of data") << cut;
        EXPECT_EQ(Save(earlier), earlierBytes) << cut;
        EXPECT_EQ(in.tellg(), 0) << cut;
        continue;
      }
      EXPECT_NO_THROW(earlier.GetBitmap());
      // What was read agrees with the whole file as far as it goes.
      ASSERT_LE(earlier.Images().Count(), full->image->Images().Count());
      for (int i = 0; i + 1 < earlier.Images().Count(); ++i)
        EXPECT_EQ(earlier.Images()[i].Data(), full->image->Images()[i].Data()) << cut;
      earlier.Clear();
      AddFrame(earlier, 0, 0, 2, 1, {clRed, clWhite}, Bytes{1, 0});
    }
  }
  // The sample's first frame: its descriptor and 8-entry local table end at
  // byte 47, where its image data starts.
  const std::string sample = SampleFile();
  for (std::size_t cut = 14; cut < 47; ++cut) EXPECT_FALSE(LoadsOrFails(sample.substr(0, cut))) << cut;
  EXPECT_TRUE(LoadsOrFails(sample.substr(0, 13)));
  EXPECT_TRUE(LoadsOrFails(sample.substr(0, 48)));
}

TEST(GIFRobustness, AFrameCutShortFailsTheLoadAndLeavesTheImageAsItWas) {
  // Three frames, the file cut inside the third one's descriptor.
  TGIFImage three;
  for (int i = 0; i < 3; ++i) AddFrame(three, i, 0, 2, 2, {clRed, clWhite}, Bytes(4, static_cast<std::uint8_t>(i % 2)));
  const std::string file = Save(three);
  const std::size_t third = file.rfind(S({',', 2, 0, 0, 0}));
  ASSERT_NE(third, std::string::npos);

  // The first two frames load whole.
  EXPECT_EQ(Load(file.substr(0, third))->image->Images().Count(), 2);
  TGIFImage other;
  AddFrame(other, 0, 0, 1, 1, {clBlack, clRed}, Bytes{1});
  auto target = Load(Save(other));
  const std::string before = Save(*target->image);
  std::vector<int> ends;
  target->image->OnProgress = [&](TProgressStage stage, int percent, bool, const std::string& message) {
    if (stage == TProgressStage::psEnding && message == "Loading...") ends.push_back(percent);
  };
  std::istringstream in("junk" + file.substr(0, third + 6));
  in.seekg(4);
  try {
    target->image->LoadFromStream(in);
    FAIL() << "loaded";
  } catch (const GIFException& e) {
    EXPECT_STREQ(e.what(), "Premature end of data");
  }
  EXPECT_EQ(in.tellg(), 4);
  EXPECT_EQ(Save(*target->image), before);
  EXPECT_EQ(ends, std::vector<int>{0});
}

TEST(GIFRobustness, CodeSizes) {
  for (int size : {0, 9, 10, 12, 200, 255}) {
    std::string error;
    EXPECT_FALSE(LoadsOrFails(kHeader + kDescriptor + S({size, 1, 0, 0}) + ";", &error)) << size;
    EXPECT_EQ(error, "Invalid LZW code size");
  }
  // A code size of 1 is accepted (clear 2, end 3): 0, 1 at 2 bits, the end code at 3.
  auto one = Load(kHeader + S({',', 0, 0, 0, 0, 2, 0, 1, 0, 0}) + S({1, 2, 0xD2, 0x00, 0}) + ";");
  EXPECT_TRUE(one->warnings.empty());
  EXPECT_EQ(one->image->Images()[0].Data(), (Bytes{0, 1}));
}

TEST(GIFRobustness, BadCodesEndTheFrame) {
  // Code size 2, 3-bit codes: clear, 1, then 7 (above the next free code 6).
  auto above = Load(kHeader + kDescriptor + S({2, 2, 0xCC, 0x01, 0}) + ";");
  ASSERT_EQ(above->image->Images().Count(), 1);
  EXPECT_EQ(above->warnings, std::vector<std::string>{"Invalid LZW code"});
  // Clear followed by the end code: the frame ends, the next frame still loads.
  const std::string endAfterClear = kDescriptor + S({2, 1, 0x2C, 0});
  auto ended = Load(kHeader + endAfterClear + kDescriptor + S({2, 2, 0x44, 0x01, 0}) + ";");
  EXPECT_EQ(ended->image->Images().Count(), 2);
  // Data in 1-byte sub-blocks, and a missing block terminator at the end.
  TGIFImage small;
  AddFrame(small, 0, 0, 4, 2, {clRed, clWhite}, Bytes{0, 1, 1, 0, 1, 1, 0, 0});
  std::string bytes = Save(small);
  const std::size_t data = 13 + 10 + 6 + 1;
  const int length = static_cast<std::uint8_t>(bytes[data]);
  std::string split = bytes.substr(0, data);
  for (int i = 0; i < length; ++i) split += S({1, static_cast<std::uint8_t>(bytes[data + 1 + i])});
  auto pieces = Load(split + S({0}) + ";");
  EXPECT_EQ(pieces->image->Images()[0].Data(), (Bytes{0, 1, 1, 0, 1, 1, 0, 0}));
  EXPECT_TRUE(pieces->warnings.empty());
  auto unterminated = Load(split);
  EXPECT_EQ(unterminated->image->Images()[0].Data(), (Bytes{0, 1, 1, 0, 1, 1, 0, 0}));
  EXPECT_EQ(unterminated->warnings, std::vector<std::string>{"Premature end of data"});
}

TEST(GIFRobustness, HugeDimensions) {
  std::string error;
  EXPECT_FALSE(LoadsOrFails(std::string("GIF89a") + S({255, 255, 255, 255, 0, 0, 0}) + ";", &error));
  EXPECT_EQ(error, "Image too large");
  EXPECT_FALSE(LoadsOrFails(kHeader + S({',', 0, 0, 0, 0, 0x20, 0x4E, 0x20, 0x4E, 0}) + S({2, 0}), &error));
  EXPECT_EQ(error, "Image too large");
  // A frame of width 0 takes the screen's size.
  auto zero = Load(kHeader + S({',', 0, 0, 0, 0, 0, 0, 2, 0, 0}) + S({2, 2, 0x44, 0x01, 0}) + ";");
  EXPECT_EQ(zero->image->Images()[0].Width(), 4);
  EXPECT_EQ(zero->warnings, std::vector<std::string>{"Image exceeds Logical Screen size"});
}

TEST(GIFRobustness, RandomDamage) {
  const std::string file = SampleFile();
  std::mt19937 rng(11);
  for (int i = 0; i < 3000; ++i) {
    std::string damaged = file;
    const int changes = 1 + rng() % 4;
    for (int c = 0; c < changes; ++c) damaged[rng() % damaged.size()] = static_cast<char>(rng());
    LoadsOrFails(damaged);
  }
}

TEST(GIFRobustness, LoadLimits) {
  TGIFImage three;
  for (int i = 0; i < 3; ++i) AddFrame(three, 0, 0, 10, 10, {clRed, clWhite}, Bytes(100, static_cast<std::uint8_t>(i % 2)));
  const std::string file = Save(three);

  // A number of frames: the rest of the file is not read (no trailer looked for).
  auto two = std::make_unique<TGIFImage>();
  std::vector<std::string> warnings;
  two->OnItemWarning = [&](const void*, int, const std::string& m) { warnings.push_back(m); };
  std::istringstream cut(file.substr(0, file.size() - 20));
  two->LoadFromStream(cut, TGIFLoadLimits{.frames = 2});
  EXPECT_EQ(two->Images().Count(), 2);
  EXPECT_TRUE(warnings.empty());

  // A number of pixels: a frame past it fails the load before it is decoded,
  // and the image stays as it was.
  std::istringstream whole(file);
  two->LoadFromStream(whole, TGIFLoadLimits{.pixels = 300});
  EXPECT_EQ(two->Images().Count(), 3);
  TGIFImage other;
  AddFrame(other, 0, 0, 1, 1, {clRed, clWhite}, Bytes{1});
  const std::string before = Save(other);
  std::istringstream again(file);
  EXPECT_THROW(other.LoadFromStream(again, TGIFLoadLimits{.pixels = 299}), EGIFTooLarge);
  EXPECT_EQ(Save(other), before);
  EXPECT_EQ(again.tellg(), 0);
}

TEST(GIFRobustness, MemoryLimitCountsFramesAndBlocksBesideTheirPixels) {
  // 1,000 frames of one pixel, or 20,000 one-byte comments before one frame,
  // take some 2.5 MB loaded (and drawn): over a limit of 1 MiB, within 4 MiB.
  const std::string animation = LargeAnimation(1, 1, 1);
  std::string comments = animation.substr(0, 25);
  for (int i = 0; i < 20'000; ++i) comments += std::string("!\xFE\x01x\x00", 5);
  comments += animation.substr(25);
  for (const std::string& file : {LargeAnimation(1000, 1, 1), comments}) {
    TGIFImage image;
    std::istringstream in(file);
    EXPECT_THROW(image.LoadFromStream(in, TGIFLoadLimits{.memory = 1 << 20}), EGIFTooLarge);
    EXPECT_TRUE(image.Empty());
    std::istringstream again(file);
    image.LoadFromStream(again, TGIFLoadLimits{.memory = 4 << 20});
    EXPECT_FALSE(image.Empty());
  }
}

TEST(GIFRobustness, AFrameLoadedToBeDrawnKeepsOnlyItsGraphicControlExtension) {
  const std::string transparent1 = S({'!', 0xF9, 4, 1, 0, 0, 1, 0});
  const std::string transparent0 = S({'!', 0xF9, 4, 1, 0, 0, 0, 0});
  const std::string comment = S({'!', 0xFE, 3, 'a', 'b', 'c', 0});
  const std::string file = kHeader + comment + transparent1 + comment + transparent0 + kDescriptor +
                           S({2, 2, 0x4C, 0x01, 0}) + ";";
  for (const bool keep : {true, false}) {
    TGIFImage image;
    std::istringstream in(file);
    image.LoadFromStream(in, TGIFLoadLimits{.keepExtensions = keep});
    ASSERT_EQ(image.Images().Count(), 1);
    EXPECT_EQ(image.Images()[0].Extensions().Count(), keep ? 4 : 1);
    EXPECT_EQ(image.Images()[0].GraphicControlExtension()->TransparentColorIndex(), 1);
  }
}

TEST(GIFRobustness, AFileOverThePixelLimitIsRefusedWithinBoundedMemory) {
  // 3,000 frames of 1000 x 1000 in 42 kB: decoded, 3 GB. With a limit of
  // 32 Mi pixels the load is refused after 33 frames, within 512 MiB.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const OutOfMemoryChildren children;
  const std::string file = LargeAnimation(3000, 1000, 1000);
  EXPECT_EXIT(
      {
        LimitAddressSpaceGrowth(std::int64_t{512} << 20);
        TGIFImage image;
        std::istringstream in(file);
        try {
          image.LoadFromStream(in, TGIFLoadLimits{.pixels = std::int64_t{1} << 25});
        } catch (const EGIFTooLarge&) {
          std::_Exit(image.Empty() ? 0 : 2);
        }
        std::_Exit(1);
      },
      ::testing::ExitedWithCode(0), "");
}
