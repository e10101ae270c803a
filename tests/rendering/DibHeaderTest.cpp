#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "rendering/DibHeader.h"

using namespace kestrova;

namespace {

using Bytes = std::vector<std::uint8_t>;

DibInfo Info(int width, int height, int bits, std::vector<TColor> colors = {}, std::size_t entries = 0) {
  DibInfo info;
  info.width = width;
  info.height = height;
  info.bitsPerPixel = bits;
  info.colors = std::move(colors);
  info.tableEntries = entries;
  return info;
}

// Writes a bitmap file from the serialized headers and the rows (given top
// down, stored bottom-up), then lets ImageMagick decode it to RGB bytes.
std::string DecodedByImageMagick(const DibInfo& info, const std::vector<Bytes>& rows) {
  Bytes bits;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) bits.insert(bits.end(), row->begin(), row->end());
  const Bytes infoBytes = SerializeDibInfo(info);
  Bytes file = SerializeBmpFileHeader(infoBytes.size(), bits.size());
  file.insert(file.end(), infoBytes.begin(), infoBytes.end());
  file.insert(file.end(), bits.begin(), bits.end());

  std::string dir = (std::filesystem::temp_directory_path() / "dibheader-XXXXXX").string();
  if (!mkdtemp(dir.data())) return "(no temporary folder)";
  const std::string path = dir + "/picture.bmp";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  std::string out;
  if (FILE* pipe = popen(("/usr/bin/convert '" + path + "' -depth 8 rgb:- 2>/dev/null").c_str(), "r")) {
    char buffer[256];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  std::filesystem::remove_all(dir);
  return out;
}

}  // namespace

TEST(DibHeader, InfoBlockAndFileHeaderBytes) {
  EXPECT_EQ(BytesPerScanline(3, 8, 32), 4);
  EXPECT_EQ(BytesPerScanline(1, 24, 32), 4);
  EXPECT_EQ(BytesPerScanline(33, 1, 32), 8);
  DibInfo info = Info(3, 2, 8, {0x00332211, 0x00FFFFFF}, 256);
  info.colorsUsed = 256;
  info.importantColors = 2;
  const Bytes b = SerializeDibInfo(info);
  ASSERT_EQ(b.size(), 1064u);
  const Bytes header = {40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0,
                        0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 2, 0, 0, 0};
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 40), header);
  // Entries are blue, green, red, 0; the rest of the table is zero.
  EXPECT_EQ(Bytes(b.begin() + 40, b.begin() + 48), (Bytes{0x33, 0x22, 0x11, 0, 0xFF, 0xFF, 0xFF, 0}));
  EXPECT_EQ(std::count(b.begin() + 48, b.end(), 0), 1064 - 48);

  EXPECT_EQ(SerializeDibInfo(Info(70000, 1, 24)).size(), 40u);
  EXPECT_THROW(SerializeDibInfo(Info(1, 1, 12)), std::invalid_argument);
  EXPECT_THROW(SerializeDibInfo(Info(1, 1, 4, {}, 17)), std::invalid_argument);

  // 14 + 1064 + 8 = 1086 bytes, pixels at 1078.
  EXPECT_EQ(SerializeBmpFileHeader(1064, 8), (Bytes{'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0}));
  EXPECT_THROW(SerializeBmpFileHeader(40, 0xFFFFFFFFull), std::invalid_argument);
}

TEST(DibHeader, BitFieldMasksFollowTheHeader) {
  DibInfo info = Info(2, 1, 16);
  info.compression = kDibBitFields;
  info.masks = {0xF800, 0x07E0, 0x001F};
  info.imageSize = 4;
  const Bytes b = SerializeDibInfo(info);
  const Bytes expected = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 16, 0, 3, 0, 0, 0,  // 16 bits, bit fields
                          4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // 4 bytes of pixels
                          0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};             // red, green, blue
  EXPECT_EQ(b, expected);
  info.bitsPerPixel = 24;
  EXPECT_THROW(SerializeDibInfo(info), std::invalid_argument);
}

TEST(DibHeader, ImageMagickReadsTheFilesWeDescribe) {
  if (!std::filesystem::exists("/usr/bin/convert")) GTEST_SKIP() << "ImageMagick not installed";
  const DibInfo indexed = Info(3, 2, 8, {RGBColor(10, 20, 30), RGBColor(200, 100, 0)}, 256);
  EXPECT_EQ(DecodedByImageMagick(indexed, {{1, 0, 2, 0}, {0, 0, 1, 0}}),
            std::string("\xC8\x64\x00\x0A\x14\x1E\x00\x00\x00"
                        "\x0A\x14\x1E\x0A\x14\x1E\xC8\x64\x00", 18));
  EXPECT_EQ(DecodedByImageMagick(Info(1, 2, 24), {{3, 2, 1, 0}, {6, 5, 4, 0}}),
            std::string("\x01\x02\x03\x04\x05\x06", 6));
}
