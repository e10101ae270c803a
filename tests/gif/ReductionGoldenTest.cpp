// The exact output of the colour reduction, recorded once and held: every
// method and dither mode over pictures of every kind (photo-like, gradients,
// a button with anti-aliased text, flat, few and many colours, odd shapes),
// and whole GIF files made from some of them. The reduction may get faster,
// never different. The hashes live in tests/data/gif/reduction-golden.txt;
// running this suite with KESTROVA_UPDATE_GOLDEN=1 rewrites that file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gif/ColorReduction.h"
#include "gif/GIFImage.h"

using namespace kestrova;

namespace {

const std::string kGoldenFile = std::string(KESTROVA_TEST_DATA) + "/gif/reduction-golden.txt";

using Hashes = std::vector<std::uint64_t>;

// 64-bit FNV-1a.
struct Hash {
  std::uint64_t value = 14695981039346656037ull;
  void Add(const std::uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) value = (value ^ p[i]) * 1099511628211ull;
  }
};

std::uint64_t HashOf(const Bitmap& reduced) {
  Hash h;
  for (TColor c : reduced.Palette()) {
    const std::uint8_t entry[3] = {RedOf(c), GreenOf(c), BlueOf(c)};
    h.Add(entry, 3);
  }
  for (int y = 0; y < reduced.Height(); ++y) h.Add(reduced.ScanLine(y), static_cast<std::size_t>(reduced.Width()));
  return h.value;
}

std::uint8_t Channel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

Bitmap Draw(int w, int h, const std::function<TColor(int, int)>& pixel) {
  Bitmap b(w, h, PixelFormat::pf24bit);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, pixel(x, y));
  return b;
}

TColor Blend(TColor under, TColor over, int alpha) {
  auto mix = [&](int a, int b) { return Channel(a + (b - a) * alpha / 255); };
  return RGBColor(mix(RedOf(under), RedOf(over)), mix(GreenOf(under), GreenOf(over)),
                  mix(BlueOf(under), BlueOf(over)));
}

// Coverage 0..255 of a few strokes with soft edges, like anti-aliased letters.
int Coverage(int x, int y) {
  const int cell = x % 9, row = y - 10;
  if (x < 14 || x >= 104 || row < 0 || row >= 12) return 0;
  int best = 0;
  auto stroke = [&](int distance16) { best = std::max(best, std::clamp(255 - distance16 * 255 / 24, 0, 255)); };
  stroke(std::abs(cell * 16 + 8 - 32));                     // a vertical stem
  stroke(std::abs(row * 16 + 8 - (x / 9 % 3 == 0 ? 40 : 150)));  // a bar
  stroke(std::abs(cell * 16 - row * 11 - 20));              // a diagonal
  return best;
}

// A 120 x 32 button: vertical gradient, light and dark bevel edges, a caption
// with a one-pixel shadow.
TColor ButtonPixel(int x, int y) {
  TColor c = RGBColor(Channel(40 + 5 * y), Channel(90 + 3 * y), Channel(220 - 4 * y));
  const int edge = std::min({x, y, 119 - x, 31 - y});
  if (edge < 3) c = Blend(c, (x + y < 60 || edge == x || edge == y) ? clWhite : clBlack, 150 - 40 * edge);
  c = Blend(c, clBlack, Coverage(x - 1, y - 1) * 3 / 4);
  return Blend(c, clWhite, Coverage(x, y));
}

struct Input {
  const char* name;
  Bitmap picture;
};

std::vector<Input> Inputs() {
  std::mt19937 random(19);
  auto randomColor = [&] { return static_cast<TColor>(random() & 0xFFFFFF); };
  std::vector<TColor> set300(300);
  for (TColor& c : set300) c = randomColor();

  std::vector<Input> inputs;
  inputs.push_back({"photo", Draw(97, 61, [&](int x, int y) {
                      const int noise = static_cast<int>(random() % 24);
                      return RGBColor(Channel(x * 255 / 97 + noise), Channel((x * y) % 200 + noise / 2),
                                      Channel(255 - y * 4 + ((x / 7) % 3) * 20 - noise));
                    })});
  inputs.push_back({"button", Draw(120, 32, ButtonPixel)});
  inputs.push_back({"gradient", Draw(256, 12, [](int x, int y) {
                      return RGBColor(Channel(x), Channel(255 - x), Channel(x * y / 12));
                    })});
  inputs.push_back({"flat", Draw(17, 9, [](int, int) { return RGBColor(123, 45, 67); })});
  inputs.push_back({"few", Draw(33, 21, [](int x, int y) {
                      constexpr TColor five[] = {0x102030, 0xFFFFFF, 0x00C000, 0x7F7F7F, 0xEE1188};
                      return five[(x + 2 * y) / 5 % 5];
                    })});
  inputs.push_back({"many", Draw(64, 64, [&](int, int) { return randomColor(); })});
  int runLeft = 0;
  TColor runColor = 0;
  inputs.push_back({"runs", Draw(201, 6, [&](int, int) {
                      if (runLeft-- <= 0) {
                        runLeft = static_cast<int>(random() % 12);
                        runColor = set300[random() % set300.size()];
                      }
                      return runColor;
                    })});
  inputs.push_back({"column", Draw(1, 13, [&](int, int) { return randomColor(); })});
  inputs.push_back({"row", Draw(7, 1, [&](int, int) { return randomColor(); })});
  inputs.push_back({"dot", Draw(1, 1, [](int, int) { return RGBColor(200, 100, 50); })});
  inputs.push_back({"greys", Draw(255, 2, [](int x, int y) { return RGBColor(x, x, Channel(x + y)); })});
  return inputs;
}

struct Method {
  const char* name;
  TColorReduction reduction;
  int bits = 8;
};

constexpr Method kMethods[] = {
    {"windows20", TColorReduction::rmWindows20},     {"windows256", TColorReduction::rmWindows256},
    {"windowsgray", TColorReduction::rmWindowsGray}, {"monochrome", TColorReduction::rmMonochrome},
    {"grayscale", TColorReduction::rmGrayScale},     {"netscape", TColorReduction::rmNetscape},
    {"quantize8", TColorReduction::rmQuantize, 8},   {"quantize4", TColorReduction::rmQuantize, 4},
    {"quantize1", TColorReduction::rmQuantize, 1},   {"quantizewindows", TColorReduction::rmQuantizeWindows},
    {"palette", TColorReduction::rmPalette},
};

std::vector<TColor> CustomPalette() {
  std::mt19937 random(37);
  std::vector<TColor> palette(37);
  for (TColor& c : palette) c = static_cast<TColor>(random() & 0xFFFFFF);
  return palette;
}

// Whole files: the octree with Floyd-Steinberg and LZW as the batch run saves
// buttons, and two other combinations.
struct GifCase {
  const char* name;
  TColorReduction reduction;
  TDitherMode mode;
  TGIFCompression compression;
};

constexpr GifCase kGifCases[] = {
    {"gif-quantize-floyd-lzw", TColorReduction::rmQuantize, TDitherMode::dmFloydSteinberg, TGIFCompression::gcLZW},
    {"gif-quantizewindows-nearest-rle", TColorReduction::rmQuantizeWindows, TDitherMode::dmNearest,
     TGIFCompression::gcRLE},
    {"gif-netscape-burkes-lzw", TColorReduction::rmNetscape, TDitherMode::dmBurkes, TGIFCompression::gcLZW},
};

std::uint64_t GifHash(const Bitmap& picture, const GifCase& c) {
  TGIFImage gif;
  gif.ColorReduction = c.reduction;
  gif.ReductionBits = 8;
  gif.DitherMode = c.mode;
  gif.Compression = c.compression;
  gif.Assign(picture);
  std::ostringstream out;
  gif.SaveToStream(out);
  const std::string bytes = std::move(out).str();
  Hash h;
  h.Add(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return h.value;
}

// Key "input/method" (or "input/gif case"): one hash per dither mode, or one per file.
std::map<std::string, Hashes> Current() {
  std::map<std::string, Hashes> result;
  const std::vector<TColor> custom = CustomPalette();
  for (const Input& input : Inputs()) {
    for (const Method& method : kMethods) {
      Hashes& hashes = result[std::string(input.name) + "/" + method.name];
      for (int mode = 0; mode <= static_cast<int>(TDitherMode::dmBurkes); ++mode) {
        Bitmap source = input.picture;
        hashes.push_back(HashOf(ReduceColors(source, method.reduction, static_cast<TDitherMode>(mode),
                                             method.bits, custom)));
      }
    }
    for (const GifCase& c : kGifCases)
      result[std::string(input.name) + "/" + c.name].push_back(GifHash(input.picture, c));
  }
  return result;
}

std::string Hex(std::uint64_t v) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
  return text;
}

std::map<std::string, Hashes> ReadGolden() {
  std::map<std::string, Hashes> golden;
  std::ifstream in(kGoldenFile);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string key, hex;
    fields >> key;
    while (fields >> hex) golden[key].push_back(std::stoull(hex, nullptr, 16));
  }
  return golden;
}

void WriteGolden(const std::map<std::string, Hashes>& hashes) {
  std::ofstream out(kGoldenFile);
  out << "# input/method: FNV-1a 64 of palette and indexes for the dither modes 0..6;\n"
         "# input/gif-...: FNV-1a 64 of the whole GIF file\n";
  for (const auto& [key, values] : hashes) {
    out << key;
    for (std::uint64_t v : values) out << ' ' << Hex(v);
    out << '\n';
  }
}

}  // namespace

TEST(ReductionGolden, EveryMethodAndModeGivesTheRecordedBytes) {
  const std::map<std::string, Hashes> current = Current();
  if (std::getenv("KESTROVA_UPDATE_GOLDEN") != nullptr) WriteGolden(current);
  const std::map<std::string, Hashes> golden = ReadGolden();
  ASSERT_EQ(golden.size(), current.size()) << "missing or extra lines in " << kGoldenFile;
  for (const auto& [key, values] : current) {
    const auto found = golden.find(key);
    ASSERT_NE(found, golden.end()) << key;
    ASSERT_EQ(found->second.size(), values.size()) << key;
    for (std::size_t mode = 0; mode < values.size(); ++mode)
      EXPECT_EQ(Hex(values[mode]), Hex(found->second[mode])) << key << " (entry " << mode << ")";
  }
}
