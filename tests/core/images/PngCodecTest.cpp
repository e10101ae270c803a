#include <gtest/gtest.h>

#include <zlib.h>

#include <fstream>
#include <map>

#include "core/images/PngCodec.h"
#include "core/support/InputStreams.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/support/MemoryLimit.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

// Chunk type -> data of the first chunk of that type.
std::map<std::string, std::vector<std::uint8_t>> Chunks(const std::vector<std::uint8_t>& png) {
  std::map<std::string, std::vector<std::uint8_t>> chunks;
  for (std::size_t pos = 8; pos + 12 <= png.size();) {
    const std::size_t length = (png[pos] << 24) | (png[pos + 1] << 16) | (png[pos + 2] << 8) | png[pos + 3];
    const std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
    if (!chunks.count(type))
      chunks[type] = std::vector<std::uint8_t>(png.begin() + pos + 8, png.begin() + pos + 8 + length);
    pos += 12 + length;
  }
  return chunks;
}

// The file without its gAMA chunk: our reader leaves gamma alone, ImageMagick would apply it.
std::vector<std::uint8_t> WithoutGamma(const std::vector<std::uint8_t>& png) {
  std::vector<std::uint8_t> out(png.begin(), png.begin() + 8);
  for (std::size_t pos = 8; pos + 12 <= png.size();) {
    const std::size_t length = (png[pos] << 24) | (png[pos + 1] << 16) | (png[pos + 2] << 8) | png[pos + 3];
    if (std::string(png.begin() + pos + 4, png.begin() + pos + 8) != "gAMA")
      out.insert(out.end(), png.begin() + pos, png.begin() + pos + 12 + length);
    pos += 12 + length;
  }
  return out;
}

}  // namespace

TEST(PngCodec, ReadsTheSuiteLikeImageMagickWithAlphaOverWhite) {
  if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick is not installed";
  const struct {
    const char* name;
    PixelFormat format;
  } cases[] = {
      {"basn0g01", PixelFormat::pf1bit},  {"basn0g02", PixelFormat::pf4bit},  {"basn0g04", PixelFormat::pf4bit},
      {"basn0g16", PixelFormat::pf8bit},  {"basn2c16", PixelFormat::pf24bit}, {"basn3p02", PixelFormat::pf4bit},
      {"basn3p08", PixelFormat::pf8bit},  {"basn4a08", PixelFormat::pf24bit}, {"basn6a16", PixelFormat::pf24bit},
      {"ibasn2c08", PixelFormat::pf24bit}, {"ftbrn2c08", PixelFormat::pf24bit}, {"ftbbn3p08", PixelFormat::pf8bit},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto file = ReadBytes(DataPath(std::string("pngsuite/") + c.name + ".png"));
    const std::string path = dir.File("plain.png");
    WriteBytes(path, WithoutGamma(file));
    const Bitmap actual = DecodePng(file);
    EXPECT_EQ(actual.Format(), c.format);
    // A tRNS chunk keeps the stored colours; an alpha channel is blended over white.
    const bool alpha = std::string(c.name).starts_with("basn4") || std::string(c.name).starts_with("basn6");
    const Bitmap expected =
        alpha ? ParsePpm(RunConvert("'" + path + "' -background white -flatten -depth 8 ppm:-"))
              : ParsePpm(RunConvert("'" + path + "' -alpha off -depth 8 ppm:-"));
    // 16-bit samples may round to the other neighbour.
    EXPECT_TRUE(SamePixels(expected, actual, alpha || std::string(c.name).ends_with("16") ? 1 : 0));
  }
}

TEST(PngCodec, EveryFormatRoundTripsAndImageMagickAgrees) {
  TempDir dir;
  for (PixelFormat f : {PixelFormat::pf1bit, PixelFormat::pf4bit, PixelFormat::pf8bit, PixelFormat::pf15bit,
                        PixelFormat::pf16bit, PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    SCOPED_TRACE(static_cast<int>(f));
    const Bitmap original = SamplePicture(f);
    const auto file = EncodePng(original, PngWriteOptions{6, false, 0});
    const Bitmap back = DecodePng(file);
    EXPECT_EQ(back.Format(), IsIndexed(f) ? f : PixelFormat::pf24bit);
    EXPECT_EQ(back.Palette(), original.Palette());
    EXPECT_TRUE(SamePixels(original, back));
    if (HaveImageMagick()) {
      WriteBytes(dir.File("x.png"), file);
      EXPECT_TRUE(SamePixels(original, DecodeWithImageMagick(dir.File("x.png"))));
    }
  }
}

TEST(PngCodec, TransparencyChunkExactlyWhenAsked) {
  const Bitmap rgb = SamplePicture(PixelFormat::pf24bit);
  EXPECT_FALSE(Chunks(EncodePng(rgb, PngWriteOptions{0, false, 0x00FF00})).count("tRNS"));
  const auto keyed = Chunks(EncodePng(rgb, PngWriteOptions{0, true, 0x332211}));
  ASSERT_TRUE(keyed.count("tRNS"));
  EXPECT_EQ(keyed.at("tRNS"), (std::vector<std::uint8_t>{0, 0x11, 0, 0x22, 0, 0x33}));  // 16-bit R, G, B

  const Bitmap indexed = SamplePicture(PixelFormat::pf8bit);
  EXPECT_FALSE(Chunks(EncodePng(indexed, PngWriteOptions{0, false, 0xFF00FF})).count("tRNS"));
  const auto alpha = Chunks(EncodePng(indexed, PngWriteOptions{0, true, 0xFF00FF})).at("tRNS");
  EXPECT_EQ(alpha, (std::vector<std::uint8_t>{255, 0}));  // entry 1 is the transparent colour
}

TEST(PngCodec, CompressionLevelReachesTheStream) {
  const Bitmap b = SamplePicture(PixelFormat::pf24bit);
  // The zlib header's level field: 0 for levels 0 and 1, 3 for level 9.
  EXPECT_EQ(Chunks(EncodePng(b, PngWriteOptions{0, false, 0})).at("IDAT")[1] >> 6, 0);
  EXPECT_EQ(Chunks(EncodePng(b, PngWriteOptions{9, false, 0})).at("IDAT")[1] >> 6, 3);
}

TEST(PngCodec, BrokenFilesFailWithAMessage) {
  const auto good = ReadBytes(DataPath("pngsuite/basn3p08.png"));
  for (std::size_t n = 0; n + 12 < good.size(); ++n) {  // the IEND chunk may go missing unnoticed
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_THROW(DecodePng(cut), std::runtime_error) << "cut at " << n;
  }
  EXPECT_THROW(DecodePng(std::vector<std::uint8_t>{'G', 'I', 'F'}), std::runtime_error);

  // A header claiming 16384 x 16384 pixels over a few hundred bytes fails before memory is taken.
  auto huge = EncodePng(SamplePicture(PixelFormat::pf24bit), PngWriteOptions{});
  const std::uint8_t size[4] = {0, 0, 0x40, 0};
  std::copy(size, size + 4, huge.begin() + 16);
  std::copy(size, size + 4, huge.begin() + 20);
  const uLong crc = crc32(0, huge.data() + 12, 17);  // chunk type and IHDR data
  for (int i = 0; i < 4; ++i) huge[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  try {
    DecodePng(huge);
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "PNG: file is truncated");
  }
}

namespace {

// A chunk as a PNG file holds it; `declared` is the length its header gives.
std::vector<std::uint8_t> ChunkBytes(const std::string& type, const std::vector<std::uint8_t>& data,
                                     std::uint32_t declared) {
  std::vector<std::uint8_t> chunk;
  for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<std::uint8_t>(declared >> (24 - 8 * i)));
  chunk.insert(chunk.end(), type.begin(), type.end());
  chunk.insert(chunk.end(), data.begin(), data.end());
  const uLong crc = crc32(0, chunk.data() + 4, static_cast<uInt>(4 + data.size()));
  for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<std::uint8_t>(crc >> (24 - 8 * i)));
  return chunk;
}

// Where an extra chunk goes into a file: before the image data or after it.
enum class Place { BeforeData, AfterData };

// Where the chunk goes: after IHDR, or before IEND.
std::size_t PlaceIn(const std::vector<std::uint8_t>& png, Place place) {
  return place == Place::BeforeData ? 8 + 25 : png.size() - 12;
}

// The file's bytes with `chunk` put in place.
std::vector<std::uint8_t> WithChunk(const std::vector<std::uint8_t>& png, const std::vector<std::uint8_t>& chunk,
                                    Place place) {
  const std::size_t at = PlaceIn(png, place);
  std::vector<std::uint8_t> out(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(at));
  out.insert(out.end(), chunk.begin(), chunk.end());
  out.insert(out.end(), png.begin() + static_cast<std::ptrdiff_t>(at), png.end());
  return out;
}

}  // namespace

TEST(PngCodec, ChunksThePictureDoesNotNeedAreNotRead) {
  // An ancillary chunk of 2 GiB costs a reader that keeps it 2 GB (libpng
  // keeps a text chunk whole) and one that reads past it seconds; passed over
  // unread, the picture comes at once within a few MB of the process's peak
  // (the file is sparse: the chunk's data is a hole on disk).
  const Bitmap picture = SamplePicture(PixelFormat::pf24bit);
  const std::vector<std::uint8_t> png = EncodePng(picture, PngWriteOptions{});
  constexpr std::uint32_t kHuge = 0x7FFFFFFF;
  const struct {
    std::string type;
    Place place;
  } cases[] = {{"tEXt", Place::BeforeData}, {"iCCP", Place::BeforeData}, {"zTXt", Place::AfterData},
               {"prVt", Place::AfterData}};
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  for (const auto& c : cases) {
    TempDir dir;
    // The chunk's header, its data a hole, then the rest of the file.
    const std::vector<std::uint8_t> marked = WithChunk(png, ChunkBytes(c.type, {}, kHuge), c.place);
    const std::size_t split = PlaceIn(png, c.place) + 8;
    {
      std::ofstream out(dir.File("big.png"), std::ios::binary);
      out.write(reinterpret_cast<const char*>(marked.data()), static_cast<std::streamsize>(split));
      out.seekp(static_cast<std::streamoff>(split) + kHuge);
      out.write(reinterpret_cast<const char*>(marked.data() + split), static_cast<std::streamsize>(marked.size() - split));
    }
    EXPECT_EXIT(
        {
          const std::int64_t peak = test::PeakResidentBytes();
          FileInputStream file;
          if (file.Open(dir.File("big.png")) != ReadStatus::Ok) std::_Exit(3);
          const Bitmap back = DecodePng(file);
          if (test::PeakResidentBytes() - peak >= std::int64_t{16} << 20) std::_Exit(2);
          std::_Exit(SamePixels(picture, back) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << c.type;
  }
}

TEST(PngCodec, CriticalChunksAndTheFileSizeStillCount) {
  const Bitmap picture = SamplePicture(PixelFormat::pf24bit);
  const std::vector<std::uint8_t> png = EncodePng(picture, PngWriteOptions{});
  const struct {
    std::vector<std::uint8_t> file;
    std::string error;  // empty: the picture reads
  } cases[] = {
      // An unknown chunk that the picture cannot do without: libpng refuses it.
      {WithChunk(png, ChunkBytes("ABCD", {1, 2}, 2), Place::BeforeData), "PNG: ABCD: unhandled critical chunk"},
      // Ancillary chunks of no use and sane size pass as before.
      {WithChunk(png, ChunkBytes("tEXt", {'k', 0, 'v'}, 3), Place::BeforeData), ""},
      // A chunk claiming more than the file holds: the file is cut short.
      {WithChunk(png, ChunkBytes("tEXt", {'k', 0}, 1000), Place::BeforeData), "PNG: file is truncated"},
  };
  for (const auto& c : cases) {
    try {
      const Bitmap back = DecodePng(c.file);
      EXPECT_EQ(c.error, "");
      EXPECT_TRUE(SamePixels(picture, back));
    } catch (const std::exception& e) {
      EXPECT_EQ(e.what(), c.error);
    }
  }
}
