#include <gtest/gtest.h>

#include <stdexcept>

#include "rendering/DibHeader.h"

using namespace kestrova;

namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace

TEST(DibHeader, RowLengthsArePaddedToTheAlignment) {
  EXPECT_EQ(BytesPerScanline(3, 8, 32), 4);
  EXPECT_EQ(BytesPerScanline(3, 24, 32), 12);
  EXPECT_EQ(BytesPerScanline(1, 24, 32), 4);
  EXPECT_EQ(BytesPerScanline(33, 1, 32), 8);
  EXPECT_EQ(BytesPerScanline(9, 4, 32), 8);
  EXPECT_EQ(BytesPerScanline(3, 32, 32), 12);
  EXPECT_EQ(BytesPerScanline(9, 1, 8), 2);
}

TEST(DibHeader, EightBitInfoBlockWithPartialPalette) {
  DibInfo info;
  info.width = 3;
  info.height = 2;
  info.bitsPerPixel = 8;
  info.colors = {0x00332211, 0x00FFFFFF};
  info.tableEntries = 256;
  info.colorsUsed = 256;
  info.importantColors = 2;
  const auto b = SerializeDibInfo(info);
  ASSERT_EQ(b.size(), 1064u);
  const std::vector<std::uint8_t> header = {40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0,
                                            0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                            0,  1, 0, 0, 2, 0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 40), header);
  // Entries are blue, green, red, 0; the rest of the table is zero.
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 40, b.begin() + 48),
            (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0, 0xFF, 0xFF, 0xFF, 0}));
  for (std::size_t i = 48; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << i;
}

TEST(DibHeader, TrueColourHasNoTableAndOtherDepthsAreChecked) {
  DibInfo info;
  info.width = 70000;
  info.height = 1;
  info.bitsPerPixel = 24;
  const auto b = SerializeDibInfo(info);
  ASSERT_EQ(b.size(), 40u);
  EXPECT_EQ(U32At(b, 4), 70000u);
  EXPECT_EQ(b[14], 24);
  EXPECT_EQ(U32At(b, 32), 0u);

  info.bitsPerPixel = 32;
  EXPECT_EQ(SerializeDibInfo(info)[14], 32);
  info.bitsPerPixel = 16;
  EXPECT_THROW(SerializeDibInfo(info), std::invalid_argument);
  info.bitsPerPixel = 4;
  info.tableEntries = 17;
  EXPECT_THROW(SerializeDibInfo(info), std::invalid_argument);
  info.bitsPerPixel = 1;
  info.tableEntries = 2;
  info.colors = {0, 0xFFFFFF};
  EXPECT_EQ(SerializeDibInfo(info).size(), 48u);
}

TEST(DibHeader, FileHeader) {
  const auto b = SerializeBmpFileHeader(1064, 8);
  const std::vector<std::uint8_t> expected = {'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0};
  EXPECT_EQ(b, expected);  // 14 + 1064 + 8 = 1086 bytes, pixels at 1078
  EXPECT_THROW(SerializeBmpFileHeader(40, 0xFFFFFFFFull), std::invalid_argument);
}
