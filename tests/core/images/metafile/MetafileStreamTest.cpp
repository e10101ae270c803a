// Metafile records are played as they are read: records that draw nothing
// here are read past without being held (a sparse file whose comments claim
// gigabytes is read in little memory), "dual" files draw through their older
// records, and records that cannot be drawn are counted.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "core/images/ImageFiles.h"
#include "core/images/metafile/Metafile.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/core/images/metafile/MetafileTestSupport.h"
#include "tests/core/images/metafile/WmfBuilder.h"
#include "tests/core/images/metafile/UemfWriter.h"
#include "tests/support/MemoryLimit.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kSize = 48;

// A raw record of the given type carrying the bytes (padded to whole words).
char* RawRecord(std::uint32_t type, const std::string& data) {
  const std::size_t size = 8 + (data.size() + 3) / 4 * 4;
  auto* r = static_cast<std::uint8_t*>(std::calloc(size, 1));
  const std::uint32_t head[] = {type, static_cast<std::uint32_t>(size)};
  std::memcpy(r, head, sizeof head);
  std::memcpy(r + 8, data.data(), data.size());
  return reinterpret_cast<char*>(r);
}

// A comment carrying records of the newer kind: "EMF+" and a record or two.
char* NewerRecordsComment() {
  std::string data("\x2B\x46\x4D\x45", 4);  // the newer records' mark
  // A header record (type 0x4001) and a fill of rectangles (0x400A), their fields zero.
  data += std::string("\x01\x40\x00\x00\x1C\x00\x00\x00\x10\x00\x00\x00", 12) + std::string(16, '\0');
  data += std::string("\x0A\x40\x00\x00\x1C\x00\x00\x00\x10\x00\x00\x00", 12) + std::string(16, '\0');
  const std::uint32_t size = static_cast<std::uint32_t>(data.size());
  return RawRecord(70, std::string(reinterpret_cast<const char*>(&size), 4) + data);
}

// A red rectangle with a black outline, and whatever `extra` puts before it.
std::vector<std::uint8_t> Picture(const std::function<void(UemfWriter&)>& extra) {
  UemfWriter w(kSize, kSize);
  extra(w);
  w.Pen(Rgb(0, 0, 0)).Brush(Rgb(255, 0, 0)).Add(U_EMRRECTANGLE_set(Box(5, 6, 40, 30)));
  return w.Finish();
}

std::size_t NotDrawn(const std::vector<std::uint8_t>& file, Bitmap& picture) {
  const MetafilePicture metafile = MetafilePicture::Load(file);
  picture = Bitmap(metafile.Width(), metafile.Height());
  picture.Fill(clWhite);
  TCanvas canvas(picture);
  return metafile.Draw(canvas);
}

std::int64_t StatusKib(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atoll(line.c_str() + std::strlen(field));
  return -1;
}

}  // namespace

TEST(MetafileStream, RecordsThatDrawNothingAreReadPastAndOthersCounted) {
  const std::vector<std::uint8_t> plain = Picture([](UemfWriter&) {});
  const struct {
    const char* name;
    std::function<void(UemfWriter&)> extra;
    std::size_t notDrawn;
  } cases[] = {
      {"a dual file's newer records in comments",
       [](UemfWriter& w) { w.Add(NewerRecordsComment()).Add(NewerRecordsComment()); }, 0},
      {"comments, escapes and colour management",
       [](UemfWriter& w) {
         w.Add(U_EMRCOMMENT_set(5, "hello")).Add(U_EMRSETICMMODE_set(2)).Add(RawRecord(106, "escape data"));
         w.Add(RawRecord(110, "named escape")).Add(RawRecord(100, "\1\0\0\0"));
       },
       0},
      {"records of no known kind", [](UemfWriter& w) { w.Add(RawRecord(250, "?")).Add(RawRecord(69, "?")); }, 0},
      {"a flood fill in the white brush, drawn, and the records of the other graphics library",
       [](UemfWriter& w) {
         w.Add(RawRecord(53, std::string(20, '\0'))).Add(RawRecord(102, "gl")).Add(RawRecord(103, "gl"));
       },
       2},
  };
  Bitmap expected;
  ASSERT_EQ(NotDrawn(plain, expected), 0u);
  for (const auto& c : cases) {
    Bitmap drawn;
    EXPECT_EQ(NotDrawn(Picture(c.extra), drawn), c.notDrawn) << c.name;
    EXPECT_EQ(drawn, expected) << c.name;
  }
  EXPECT_EQ(expected.GetPixel(20, 20), clRed);
}

TEST(MetafileStream, SixteenBitRecordsAreDrawnOrReadPastWithoutBeingCounted) {
  const struct {
    const char* name;
    std::uint16_t function;
    std::size_t notDrawn;
  } cases[] = {
      {"a flood fill, drawn", 0x0419, 0}, {"an extended flood fill, drawn", 0x0548, 0},
      {"an escape", 0x0626, 0},        {"a number no record has", 0x0AAA, 0},
  };
  for (const auto& c : cases) {
    WmfBuilder w;
    w.Record(c.function, {0, 0, 0, 0, 0, 0}).Record(c.function, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Play(w.Build(TRect{0, 0, 8, 8}, 96)).notDrawn, 2 * c.notDrawn) << c.name;
  }
}

namespace {

// Writes the picture's header, then `middle` (records written at offsets
// from there on, the gaps holes of a sparse file), then the rest of it.
using Middle = std::function<off_t(int fd, off_t at)>;

void WriteWithMiddle(const std::string& path, const Middle& middle) {
  const std::vector<std::uint8_t> plain = Picture([](UemfWriter&) {});
  const std::uint32_t headerSize = plain[4] | plain[5] << 8 | plain[6] << 16 | std::uint32_t{plain[7]} << 24;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, plain.data(), headerSize), static_cast<ssize_t>(headerSize));
  const off_t at = middle(fd, headerSize);
  const std::size_t rest = plain.size() - headerSize;
  ASSERT_EQ(::pwrite(fd, plain.data() + headerSize, rest, at), static_cast<ssize_t>(rest));
  ::close(fd);
}

// A record's head and fields at `at`; the record is `size` bytes long.
off_t Head(int fd, off_t at, std::vector<std::uint32_t> words, std::uint64_t size) {
  EXPECT_EQ(::pwrite(fd, words.data(), words.size() * 4, at), static_cast<ssize_t>(words.size() * 4));
  return at + static_cast<off_t>(size);
}

// A curve record of 16-bit points: `curves` curves from (x0, y0) out to
// (x1, y1) and back, their control points at (cx, cy).
off_t Curves(int fd, off_t at, std::uint32_t curves, std::int16_t x0, std::int16_t y0, std::int16_t x1, std::int16_t y1,
             std::int16_t cx, std::int16_t cy) {
  const std::uint32_t points = 1 + 3 * curves, size = 28 + (4 * points + 3) / 4 * 4;
  std::vector<std::int16_t> xy{x0, y0};
  for (std::uint32_t i = 0; i < curves; ++i) {
    const bool out = i % 2 == 0;
    xy.insert(xy.end(), {cx, cy, cx, cy, out ? x1 : x0, out ? y1 : y0});
  }
  std::vector<std::uint32_t> words{85, size, 0, 0, 0, 0, points};
  words.resize(7 + (xy.size() + 1) / 2);
  std::memcpy(words.data() + 7, xy.data(), xy.size() * 2);
  return Head(fd, at, words, size);
}

}  // namespace

TEST(MetafileStream, RecordsClaimingGigabytesOrMillionsOfCurvesAreReadAndDrawnInLittleMemory) {
  const struct {
    const char* name;
    Middle middle;
    std::int64_t mib;  // the most the run may grow
  } cases[] = {
      // Comments of 2 GiB each, their bytes holes in a sparse file of some 8 GiB.
      {"comments",
       [](int fd, off_t at) {
         for (int i = 0; i < 4; ++i) at = Head(fd, at, {70, 0x80000000u, 0x7FFFFFF4u}, 0x80000000u);
         return at;
       },
       40},
      // A polyline and a curve record claiming 2 GiB of points: longer than any played record may be.
      {"points claiming gigabytes",
       [](int fd, off_t at) {
         at = Head(fd, at, {4, 0x80000000u, 0, 0, 0, 0, (0x80000000u - 28) / 8}, 0x80000000u);
         return Head(fd, at, {85, 0x80000000u, 0, 0, 0, 0, (0x80000000u - 28) / 4}, 0x80000000u);
       },
       40},
      // 300,000 large curves beyond the picture, and as many across it.
      {"curves beyond the picture", [](int fd, off_t at) { return Curves(fd, at, 300000, 200, 0, 32000, 0, 30000, 32000); },
       80},
      {"curves across the picture",
       [](int fd, off_t at) { return Curves(fd, at, 300000, -30000, -30000, 30000, 30000, -30000, 32000); }, 80},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.File("large.emf");
    WriteWithMiddle(path, c.middle);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const test::OutOfMemoryChildren children;
    EXPECT_EXIT(
        {
          // A reader that took the records into memory whole would run into this limit.
          test::LimitAddressSpaceGrowth(std::int64_t{1} << 30);
          std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
          const std::int64_t before = StatusKib("VmRSS:");
          Bitmap picture;
          std::string error;
          const bool loaded = LoadPictureInto(path, &picture, error);
          const std::int64_t grown = StatusKib("VmHWM:") - before;
          if (grown > c.mib * 1024) std::_Exit(2);
          std::_Exit(loaded && picture.GetPixel(20, 20) == clRed ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << c.name;
  }
}

TEST(MetafileStream, ARecordLongerThanTheFileIsRefused) {
  std::vector<std::uint8_t> file = Picture([](UemfWriter& w) { w.Add(U_EMRCOMMENT_set(4, "abcd")); });
  // The comment right after the header claims 1 GiB.
  const std::uint32_t headerSize = file[4] | file[5] << 8 | file[6] << 16 | std::uint32_t{file[7]} << 24;
  file[headerSize + 7] = 0x40;
  TempDir dir;
  WriteBytes(dir.File("lying.emf"), file);
  Bitmap picture;
  std::string error;
  EXPECT_FALSE(LoadPictureInto(dir.File("lying.emf"), &picture, error));
  EXPECT_EQ(error, "Metafile is truncated");
}
