#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gif/GIFException.h"
#include "gif/LZWDecoder.h"
#include "gif/LZWEncoder.h"
#include "gif/RLEEncoder.h"

using namespace kestrova;

namespace {

using Bytes = std::vector<std::uint8_t>;

template <class Encoder>
Bytes Encode(const Bytes& pixels, int bits, int colors, int width, int height, bool interlace = false) {
  std::ostringstream out;
  Encoder encoder;
  encoder.Compress(out, bits, colors, pixels.data(), interlace, height, width);
  const std::string s = out.str();
  return Bytes(s.begin(), s.end());
}

struct Decoded {
  Bytes pixels;
  std::size_t count = 0;
  std::vector<std::string> warnings;
  std::streampos end;
};

Decoded Decode(const Bytes& block, std::size_t pixelCount, const std::string& after = "") {
  std::istringstream in(std::string(block.begin(), block.end()) + after);
  Decoded d;
  d.pixels.assign(pixelCount, 0xEE);
  d.count = DecodeLZW(in, d.pixels.data(), pixelCount,
                      [&](const std::string& m) { d.warnings.push_back(m); });
  d.end = in.tellg();
  return d;
}

// The pixels in the row order an interlaced frame is written in.
Bytes InterlacedOrder(const Bytes& pixels, int width, int height) {
  Bytes out;
  for (int pass = 0; pass < 4; ++pass) {
    static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int row = start[pass]; row < height; row += step[pass])
      out.insert(out.end(), pixels.begin() + row * width, pixels.begin() + (row + 1) * width);
  }
  return out;
}

Bytes RandomPixels(std::size_t n, int colors, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes p(n);
  for (auto& v : p) v = static_cast<std::uint8_t>(rng() % colors);
  return p;
}

// Runs of random length, so that both encoders meet long and short strings.
Bytes RunPixels(std::size_t n, int colors, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes p;
  while (p.size() < n) p.insert(p.end(), std::min<std::size_t>(n - p.size(), rng() % 300 + 1), rng() % colors);
  return p;
}

}  // namespace

TEST(LZWEncoder, ExactBytes) {
  EXPECT_EQ(Encode<TLZWEncoder>(Bytes(4, 0), 1, 2, 2, 2), (Bytes{0x02, 0x02, 0x84, 0x51, 0x00}));
  EXPECT_EQ(Encode<TRLEEncoder>(Bytes(4, 0), 1, 2, 2, 2), (Bytes{0x02, 0x02, 0x84, 0x51, 0x00}));
  EXPECT_EQ(Encode<TRLEEncoder>(Bytes(8, 0), 1, 2, 8, 1), (Bytes{0x02, 0x03, 0x84, 0x6F, 0x05, 0x00}));
  // An empty frame is the end code alone, here at 9 bits.
  EXPECT_EQ(Encode<TLZWEncoder>(Bytes{}, 8, 216, 0, 0), (Bytes{0x08, 0x02, 0x01, 0x01, 0x00}));
}

TEST(LZWEncoder, PixelOutsideTableFailsWithoutTerminator) {
  for (int rle = 0; rle < 2; ++rle) {
    std::ostringstream out;
    const Bytes pixels{0, 1, 2, 3};
    TLZWEncoder lzw;
    TRLEEncoder rleEncoder;
    TGIFEncoder& encoder = rle ? static_cast<TGIFEncoder&>(rleEncoder) : lzw;
    try {
      encoder.Compress(out, 2, 3, pixels.data(), false, 1, 4);
      FAIL() << "no exception";
    } catch (const GIFException& e) {
      EXPECT_STREQ(e.what(), "Color not in color table");
    }
    EXPECT_EQ(out.str(), std::string(1, '\x02'));  // the code size byte only
  }
}

TEST(LZWEncoder, SubBlocksOfFullLength) {
  // Random 8-bit data gives long outputs: every sub-block but the last holds 255 bytes.
  const Bytes pixels = RandomPixels(5000, 256, 1);
  const Bytes block = Encode<TLZWEncoder>(pixels, 8, 256, 100, 50);
  std::size_t pos = 1;
  while (block[pos] != 0) {
    const std::size_t n = block[pos];
    pos += n + 1;
    if (block[pos] != 0) {
      EXPECT_EQ(n, 255u);
    }
  }
  EXPECT_EQ(pos, block.size() - 1);
}

TEST(LZWCodec, RoundTrips) {
  struct Shape { int width, height; };
  const Shape shapes[] = {{1, 1}, {1, 37}, {53, 1}, {17, 9}, {640, 480}};
  for (int bits = 1; bits <= 8; ++bits) {
    const int colors = 1 << bits;
    for (const Shape& s : shapes) {
      const std::size_t n = static_cast<std::size_t>(s.width) * s.height;
      for (const Bytes& pixels : {RandomPixels(n, colors, bits), RunPixels(n, colors, bits + 7)}) {
        for (int rle = 0; rle < 2; ++rle) {
          SCOPED_TRACE(testing::Message() << "bits " << bits << " size " << s.width << "x" << s.height
                                          << (rle ? " RLE" : " LZW"));
          const Bytes block = rle ? Encode<TRLEEncoder>(pixels, bits, colors, s.width, s.height)
                                  : Encode<TLZWEncoder>(pixels, bits, colors, s.width, s.height);
          EXPECT_EQ(block[0], std::max(bits, 2));
          const Decoded d = Decode(block, n, ",");
          EXPECT_EQ(d.count, n);
          EXPECT_EQ(d.pixels, pixels);
          EXPECT_TRUE(d.warnings.empty());
          EXPECT_EQ(d.end, static_cast<std::streampos>(block.size()));
        }
      }
    }
  }
}

TEST(LZWCodec, InterlacedHeights) {
  for (int height = 1; height <= 9; ++height) {
    const int width = 3;
    Bytes pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels[y * width + x] = static_cast<std::uint8_t>(y * 4 + x);
    for (int rle = 0; rle < 2; ++rle) {
      const Bytes block = rle ? Encode<TRLEEncoder>(pixels, 6, 64, width, height, true)
                              : Encode<TLZWEncoder>(pixels, 6, 64, width, height, true);
      EXPECT_EQ(Decode(block, pixels.size()).pixels, InterlacedOrder(pixels, width, height)) << height;
    }
  }
  // Rows 0, 2, 1 for a height of 3, rows 0, 4, 2, 1, 3 for a height of 5.
  EXPECT_EQ(InterlacedOrder({0, 1, 2}, 1, 3), (Bytes{0, 2, 1}));
  EXPECT_EQ(InterlacedOrder({0, 1, 2, 3, 4}, 1, 5), (Bytes{0, 4, 2, 1, 3}));
}

TEST(LZWCodec, LongRunsFillTheTable) {
  // One colour over a million pixels: both encoders must pass 4095 codes and clear.
  for (int bits : {2, 8}) {
    const Bytes pixels(1'000'000, 1);
    for (int rle = 0; rle < 2; ++rle) {
      const Bytes block = rle ? Encode<TRLEEncoder>(pixels, bits, 1 << bits, 1000, 1000)
                              : Encode<TLZWEncoder>(pixels, bits, 1 << bits, 1000, 1000);
      const Decoded d = Decode(block, pixels.size());
      EXPECT_EQ(d.pixels, pixels);
      EXPECT_TRUE(d.warnings.empty());
    }
  }
  // Varied data long enough to fill the string table several times.
  const Bytes pixels = RandomPixels(300'000, 256, 5);
  const Decoded d = Decode(Encode<TLZWEncoder>(pixels, 8, 256, 600, 500), pixels.size());
  EXPECT_EQ(d.pixels, pixels);
}

TEST(RLEEncoder, AlternatingPixelsClearEveryNineCodes) {
  Bytes pixels(30);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = i % 2;
  const Bytes block = Encode<TRLEEncoder>(pixels, 1, 2, 30, 1);
  // Code size 2: the clear code 4 follows every nine pixel codes.
  std::vector<int> codes;
  std::uint32_t buffer = 0;
  int count = 0, width = 3, emitted = 0;
  for (std::size_t i = 2; i + 1 < block.size(); ++i) {
    buffer |= static_cast<std::uint32_t>(block[i]) << count;
    count += 8;
    while (count >= width) {
      const int code = buffer & ((1 << width) - 1);
      buffer >>= width;
      count -= width;
      codes.push_back(code);
      if (code == 5) break;
      if (code == 4) { width = 3; emitted = 0; continue; }
      if (++emitted >= 3 && width == 3) width = 4;
    }
    if (!codes.empty() && codes.back() == 5) break;
  }
  const std::vector<int> expected{4, 0, 1, 0, 1, 0, 1, 0, 1, 0, 4, 1, 0, 1, 0, 1, 0, 1, 0, 1,
                                  4, 0, 1, 0, 1, 0, 1, 0, 1, 0, 4, 1, 0, 1, 5};
  EXPECT_EQ(codes, expected);
}

TEST(LZWDecoder, MalformedData) {
  std::vector<std::string> warnings;
  const auto warn = [&](const std::string& m) { warnings.push_back(m); };
  Bytes out(16, 7);
  // Code sizes outside 1..8 are refused.
  for (int size : {0, 9, 12, 255}) {
    std::istringstream in(std::string{static_cast<char>(size), 1, 0, 0});
    EXPECT_THROW(DecodeLZW(in, out.data(), out.size(), warn), GIFException) << size;
  }
  // Code size 2: clear 4, end 5; 3-bit codes packed LSB first.
  const auto pack = [](std::initializer_list<int> codes) {
    Bytes data;
    std::uint32_t buffer = 0;
    int count = 0;
    for (int c : codes) {
      buffer |= static_cast<std::uint32_t>(c) << count;
      count += 3;
      while (count >= 8) { data.push_back(buffer & 0xFF); buffer >>= 8; count -= 8; }
    }
    if (count > 0) data.push_back(buffer & 0xFF);
    return data;
  };
  const auto run = [&](const Bytes& codes) {
    warnings.clear();
    std::fill(out.begin(), out.end(), 7);
    return DecodeLZWCodes(codes.data(), codes.size(), 2, out.data(), out.size(), warn);
  };
  // A code above the next free one ends the frame with a warning.
  EXPECT_EQ(run(pack({4, 1, 7})), 1u);
  EXPECT_EQ(warnings, std::vector<std::string>{"Invalid LZW code"});
  // A string code right after a clear is refused likewise.
  EXPECT_EQ(run(pack({4, 6})), 0u);
  EXPECT_EQ(warnings, std::vector<std::string>{"Invalid LZW code"});
  // An end code right after a clear ends the frame quietly; the rest keeps the fill.
  EXPECT_EQ(run(pack({4, 5, 1, 1})), 0u);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(out[0], 7);
  // Data that runs out before the last pixel.
  EXPECT_EQ(run(pack({4, 2, 3})), 4u);  // two codes and the zero padding
  EXPECT_EQ(warnings, std::vector<std::string>{"Decoder bit buffer under-run"});
  // A code that is not yet in the table: the previous string plus its first pixel.
  EXPECT_EQ(run(pack({4, 1, 6, 6, 5})), 5u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 5), (Bytes{1, 1, 1, 1, 1}));
}

TEST(LZWDecoder, SubBlocksAndTruncation) {
  const Bytes pixels = RandomPixels(2000, 16, 3);
  const Bytes block = Encode<TLZWEncoder>(pixels, 4, 16, 40, 50);
  // The same code stream cut into sub-blocks of one byte decodes the same.
  Bytes tiny{block[0]};
  Bytes data;
  std::istringstream blocks(std::string(block.begin() + 1, block.end()));
  ReadDataSubBlocks(blocks, data, nullptr);
  for (std::uint8_t b : data) { tiny.push_back(1); tiny.push_back(b); }
  tiny.push_back(0);
  EXPECT_EQ(Decode(tiny, pixels.size()).pixels, pixels);
  // Trailing sub-blocks after the end code are skipped up to the terminator.
  Bytes extra(block.begin(), block.end() - 1);
  extra.insert(extra.end(), {3, 9, 9, 9, 0});
  const Decoded skipped = Decode(extra, pixels.size(), ";");
  EXPECT_EQ(skipped.pixels, pixels);
  EXPECT_EQ(skipped.end, static_cast<std::streampos>(extra.size()));
  // Cut anywhere: never more pixels than there are, the rest keeps the fill, a warning.
  for (std::size_t cut = 0; cut < block.size() - 1; cut += 7) {
    const Decoded d = Decode(Bytes(block.begin(), block.begin() + cut), pixels.size());
    EXPECT_LT(d.count, pixels.size());
    EXPECT_FALSE(d.warnings.empty());
    EXPECT_TRUE(std::equal(d.pixels.begin(), d.pixels.begin() + d.count, pixels.begin()));
    EXPECT_TRUE(std::all_of(d.pixels.begin() + d.count, d.pixels.end(), [](auto v) { return v == 0xEE; }));
  }
}
