#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/images/JpegCodec.h"
#include "tests/core/images/ImageTestSupport.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

Bitmap Gradient(int w, int h, PixelFormat format = PixelFormat::pf24bit) {
  Bitmap b(w, h, format);
  if (format == PixelFormat::pf8bit) {
    std::vector<TColor> greys;
    for (unsigned i = 0; i < 256; ++i) greys.push_back(RGBColor(i, i, i));
    b.SetPalette(greys);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGBColor(x * 255 / w, y * 255 / h, 128));
  return b;
}

}  // namespace

TEST(JpegCodec, ReadsImageMagickFilesLikeImageMagick) {
  if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick is not installed";
  const struct {
    const char* name;
    PixelFormat format;
    int tolerance;
  } cases[] = {
      {"colour", PixelFormat::pf24bit, 0},
      {"progressive", PixelFormat::pf24bit, 0},
      {"grey", PixelFormat::pf8bit, 0},
      {"cmyk", PixelFormat::pf24bit, 1},  // ImageMagick rounds the ink products its own way
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = DataPath(std::string("jpeg/") + c.name + ".jpg");
    const Bitmap actual = DecodeJpeg(ReadBytes(path));
    EXPECT_EQ(actual.Format(), c.format);
    const Bitmap expected = ParsePpm(RunConvert("'" + path + "' -colorspace sRGB -depth 8 ppm:-"));
    EXPECT_TRUE(SamePixels(expected, actual, c.tolerance));
  }
}

TEST(JpegCodec, WrittenFilesDecodeAlikeAndCarryTheirQuality) {
  TempDir dir;
  for (PixelFormat f : {PixelFormat::pf24bit, PixelFormat::pf32bit, PixelFormat::pf8bit, PixelFormat::pf15bit,
                        PixelFormat::pf16bit}) {
    const Bitmap original = Gradient(37, 21, f);
    const auto file = EncodeJpeg(original, 90);
    const Bitmap back = DecodeJpeg(file);
    EXPECT_EQ(back.Format(), PixelFormat::pf24bit);
    EXPECT_TRUE(SamePixels(original, back, 20));
    if (!HaveImageMagick()) continue;
    WriteBytes(dir.File("x.jpg"), file);
    EXPECT_TRUE(SamePixels(DecodeWithImageMagick(dir.File("x.jpg")), back));
  }
  if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick is not installed";
  for (int quality : {1, 37, 100}) {
    WriteBytes(dir.File("q.jpg"), EncodeJpeg(Gradient(16, 16), quality));
    const auto q = RunConvert("'" + dir.File("q.jpg") + "' -format %Q info:");
    EXPECT_EQ(std::string(q.begin(), q.end()), std::to_string(quality));
  }
}

TEST(JpegCodec, WritesBaselineFiles) {
  const auto file = EncodeJpeg(Gradient(8, 8), 75);
  bool baseline = false, progressive = false;
  for (std::size_t i = 0; i + 1 < file.size(); ++i) {
    baseline |= file[i] == 0xFF && file[i + 1] == 0xC0;
    progressive |= file[i] == 0xFF && file[i + 1] == 0xC2;
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(progressive);
}

TEST(JpegCodec, BrokenFilesFailWithAMessage) {
  for (const char* name : {"colour", "progressive"}) {
    const auto good = ReadBytes(DataPath(std::string("jpeg/") + name + ".jpg"));
    for (std::size_t n = 0; n < good.size(); ++n) {
      const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_THROW(DecodeJpeg(cut), std::runtime_error) << name << " cut at " << n;
    }
  }
  try {
    DecodeJpeg(std::vector<std::uint8_t>{'B', 'M', 0, 0});
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()).rfind("JPEG: ", 0), 0u) << e.what();
  }
}

TEST(JpegCodec, CorruptDataIsAnErrorWhereverTheLibraryWouldOnlyWarn) {
  const std::vector<std::uint8_t> good = EncodeJpeg(Gradient(16, 16), 90);
  auto at = [&](std::initializer_list<std::uint8_t> marker) {
    return static_cast<std::size_t>(std::search(good.begin(), good.end(), marker.begin(), marker.end()) - good.begin());
  };
  const std::size_t frame = at({0xFF, 0xC0});  // its height is at +5, big-endian
  const struct {
    std::string name;
    std::function<void(std::vector<std::uint8_t>&)> change;
    std::string error;  // empty: it loads
  } cases[] = {
      {"intact", [](auto&) {}, ""},
      {"unknown JFIF revision", [](auto& f) { f[11] = 9; }, ""},
      {"frame claims 65,500 rows",
       [&](auto& f) {
         f[frame + 5] = 0xFF;
         f[frame + 6] = 0xDC;
       },
       "JPEG: Corrupt JPEG data: premature end of data segment"},
      {"no end marker", [](auto& f) { f.resize(f.size() - 2); }, "JPEG: Premature end of JPEG file"},
      {"stray bytes before a marker",
       [&](auto& f) { f.insert(f.begin() + static_cast<std::ptrdiff_t>(frame), {0x12, 0x34}); },
       "JPEG: Corrupt JPEG data: 2 extraneous bytes before marker 0xc0"},
      {"no marker after the start of image", [](auto& f) { f.insert(f.begin() + 2, {0x12, 0x34}); },
       "JPEG: Corrupt JPEG data: no marker after the start of image"},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> file = good;
    c.change(file);
    try {
      const Bitmap b = DecodeJpeg(file);
      EXPECT_EQ(c.error, "") << c.name;
      EXPECT_EQ(b.Width(), 16) << c.name;
    } catch (const std::exception& e) {
      EXPECT_EQ(e.what(), c.error) << c.name;
    }
  }
}
