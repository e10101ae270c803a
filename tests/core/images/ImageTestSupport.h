#pragma once
// Helpers shared by the image reader and writer tests: test data, temporary
// folders, ImageMagick as an independent decoder, and little byte builders.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "rendering/Bitmap.h"

namespace kestrova::testing {

inline std::string DataPath(const std::string& relative) { return std::string(KESTROVA_TEST_DATA) + "/" + relative; }

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrova-img-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Parses a binary PPM (P6, maxval 255) into a 24-bit bitmap.
inline Bitmap ParsePpm(const std::vector<std::uint8_t>& bytes) {
  std::string text(bytes.begin(), bytes.end());
  std::istringstream in(text);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  in >> magic >> w >> h >> maxval;
  in.get();
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(maxval, 255);
  Bitmap b(w, h);
  std::size_t pos = static_cast<std::size_t>(in.tellg());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w && pos + 3 <= bytes.size(); ++x, pos += 3)
      b.SetPixel(x, y, RGBColor(bytes[pos], bytes[pos + 1], bytes[pos + 2]));
  return b;
}

inline bool HaveImageMagick() { return std::filesystem::exists("/usr/bin/convert"); }

// Runs ImageMagick's convert with the arguments; returns what it wrote to stdout.
inline std::vector<std::uint8_t> RunConvert(const std::string& arguments) {
  std::vector<std::uint8_t> out;
  FILE* pipe = popen(("/usr/bin/convert " + arguments + " 2>/dev/null").c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.insert(out.end(), buffer, buffer + got);
  pclose(pipe);
  return out;
}

// The picture ImageMagick decodes from a file, flattened to RGB.
inline Bitmap DecodeWithImageMagick(const std::string& path) { return ParsePpm(RunConvert("'" + path + "' -depth 8 ppm:-")); }

// Checks every pixel of two pictures of the same size.
inline ::testing::AssertionResult SamePixels(const Bitmap& expected, const Bitmap& actual, int tolerance = 0) {
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
    return ::testing::AssertionFailure() << "size " << actual.Width() << "x" << actual.Height() << ", expected "
                                         << expected.Width() << "x" << expected.Height();
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const TColor e = expected.GetPixel(x, y), a = actual.GetPixel(x, y);
      const int dr = RedOf(e) - RedOf(a), dg = GreenOf(e) - GreenOf(a), db = BlueOf(e) - BlueOf(a);
      if (std::abs(dr) > tolerance || std::abs(dg) > tolerance || std::abs(db) > tolerance)
        return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << std::hex << a
                                             << ", expected " << e;
    }
  return ::testing::AssertionSuccess();
}

// 13 x 6 pixels in the format: distinct colours (24/32 bits) or a cycle through
// the palette (indexed; 8-bit pictures get a five-colour palette).
inline Bitmap SamplePicture(PixelFormat format) {
  Bitmap b(13, 6, format);
  if (format == PixelFormat::pf8bit) b.SetPalette({0x102030, 0xFF00FF, 0x00FF00, 0x808080, 0xFFFFFF});
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.SetPixel(x, y, IsIndexed(format) ? b.Palette()[(x + 3 * y) % b.Palette().size()]
                                         : RGBColor(x * 19, y * 40, 255 - x * y));
  return b;
}

// Appends little-endian fields.
class ByteWriter {
 public:
  ByteWriter& U8(unsigned v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  ByteWriter& U16(unsigned v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
  ByteWriter& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  ByteWriter& Raw(std::initializer_list<unsigned> values) {
    for (unsigned v : values) U8(v);
    return *this;
  }
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  std::vector<std::uint8_t> bytes;
};

}  // namespace kestrova::testing
