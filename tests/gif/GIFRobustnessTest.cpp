// Malformed files: each one loads what it holds or fails with a GIFException;
// none crashes, hangs or reads past its data.

#include <gtest/gtest.h>

#include <random>

#include "tests/gif/GIFTestSupport.h"

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
  for (const std::string& file :
       {SampleFile(), ReadFile(DataPath("im_frames.gif")), ReadFile(DataPath("im_interlaced.gif"))}) {
    const auto full = Load(file);
    const auto packed = static_cast<std::uint8_t>(file[10]);
    const std::size_t headerSize = 13 + (packed & 0x80 ? 3u << ((packed & 7) + 1) : 0);
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
      std::string error;
      if (!LoadsOrFails(file.substr(0, cut), &error)) {
        EXPECT_EQ(error, "Premature end of data") << cut;
        EXPECT_LT(cut, headerSize) << "only a cut header fails";
        continue;
      }
      // What was read agrees with the whole file as far as it goes.
      auto loaded = Load(file.substr(0, cut));
      ASSERT_LE(loaded->image->Images().Count(), full->image->Images().Count());
      for (int i = 0; i + 1 < loaded->image->Images().Count(); ++i)
        EXPECT_EQ(loaded->image->Images()[i].Data(), full->image->Images()[i].Data()) << cut;
    }
  }
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
