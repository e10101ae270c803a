// What text records cost: glyphs drawn only as far as they land on the
// picture and its clip, however large and widened they are, also at ever
// new sizes, within the bound any picture keeps.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/core/images/metafile/MetafileBuilders.h"
#include "tests/core/images/metafile/PlayingCost.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

enum : std::uint32_t {
  kSetBkMode = 18, kSetTextAlign = 22, kIntersectClipRect = 30, kSelectObject = 37, kExtCreateFontIndirectW = 82,
  kExtTextOutW = 84,
};
constexpr std::uint32_t kBaseline = 24, kTransparent = 1;
constexpr std::uint16_t kFullBlock = 0x2588;

// How many pixels are not white.
int Inked(const Bitmap& b) {
  int inked = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) inked += b.GetPixel(x, y) != clWhite;
  return inked;
}

// A font made in slot 1 and selected: the height, width and escapement fields, DejaVu Sans.
void Font(EmfBuilder& emf, int height, int width, int escapement) {
  std::vector<std::int64_t> fields{1, height, width, escapement, escapement, 400, 0, 0};
  const std::u16string face = u"DejaVu Sans";
  for (std::size_t i = 0; i < 32; i += 2)
    fields.push_back((i < face.size() ? face[i] : 0) | (i + 1 < face.size() ? face[i + 1] : 0) << 16);
  emf.RecordFields(kExtCreateFontIndirectW, fields).Record(kSelectObject, {1});
}

// Text at (x, y): characters, each `step` logical units after the last, with the given options.
void Text(EmfBuilder& emf, int x, int y, const std::vector<std::uint16_t>& units, std::uint32_t options, int step) {
  const std::int64_t n = static_cast<std::int64_t>(units.size());
  const std::int64_t offString = 76, offDx = offString + (2 * n + 3) / 4 * 4;
  std::vector<std::int64_t> fields{0, 0, -1, -1, 1, 0, 0, x, y, n, offString, options, 0, 0, -1, -1, offDx};
  for (std::size_t i = 0; i < units.size(); i += 2)
    fields.push_back(units[i] | (i + 1 < units.size() ? std::int64_t{units[i + 1]} << 16 : 0));
  for (std::int64_t i = 0; i < n; ++i) fields.push_back(step);
  emf.RecordFields(kExtTextOutW, fields);
}

// A picture of w x h pixels (a logical unit a little more than a pixel) after the records.
std::vector<std::uint8_t> Picture(int w, int h, const std::function<void(EmfBuilder&)>& records) {
  EmfBuilder emf(TRect{0, 0, w - 1, h - 1}, TRect{0, 0, w * 2540 / 96, h * 2540 / 96});
  records(emf);
  return emf.Build();
}

}  // namespace

TEST(MetafileTextCost, GlyphsCostWhatLandsOnThePictureWhateverTheirSizeAndNumber) {
  const struct {
    const char* name;
    std::vector<std::uint8_t> file;
    std::function<bool(const Bitmap&)> drawn;  // what the picture must show
  } cases[] = {
      {"the largest glyphs, widened 16 times and turned, a part of each on the picture",
       Picture(64, 64,
               [](EmfBuilder& e) {
                 e.Record(kSetTextAlign, {kBaseline});
                 Font(e, -1200, 30000, 300);
                 for (int i = 0; i < 12; ++i) Text(e, -2000, 1200, {kFullBlock, kFullBlock}, 0, 900);
               }),
       [](const Bitmap& b) { return b.GetPixel(32, 32) == clBlack; }},
      {"the largest glyphs over all of a large picture, clipped to a few of its pixels",
       Picture(2000, 2000,
               [](EmfBuilder& e) {
                 e.Record(kSetTextAlign, {kBaseline}).Record(kIntersectClipRect, {10, 10, 14, 14});
                 Font(e, -1400, 3000, 0);
                 for (int i = 0; i < 150; ++i) Text(e, -100, 1000, {kFullBlock, kFullBlock}, 0, 0);
               }),
       [](const Bitmap& b) { return b.GetPixel(14, 14) == clBlack && b.GetPixel(30, 30) == clWhite && Inked(b) < 50; }},
      {"text at 3000 new sizes",
       Picture(48, 48,
               [](EmfBuilder& e) {
                 e.Record(kSetTextAlign, {kBaseline}).Record(kSetBkMode, {kTransparent});
                 for (int size = 10; size < 3010; ++size) {
                   Font(e, size, 0, 0);
                   Text(e, 2, 40, {u'H', u'g', u'W', u'@'}, 0, size / 2);
                 }
               }),
       [](const Bitmap& b) { return Inked(b) > 0; }},
  };
  for (const auto& c : cases) {
    ExpectPlayedWithin(
        c.file, PlayingBound{100, 5}, [&](const Played& p) { return p.notDrawn == 0 && c.drawn(p.picture); }, c.name);
  }
}
