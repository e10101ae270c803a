// Captions in scripts that are read right to left, joined, reordered or
// drawn from other faces, compared with Pango's layout of the same text in
// the same face at the same size.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "rendering/Canvas.h"
#include "rendering/FontEngine.h"
#include "rendering/ShapedLine.h"
#include "rendering/Utf8.h"
#include "tests/support/PangoReference.h"

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr int kPoints = 16;  // 21 pixels to the em
constexpr int kPixels = 21;

struct Caption {
  const char* name;
  const char* family;
  const char* text;
  // What Pango is given: the canvas draws Latin letter by letter, without
  // kerning or ligatures, and Pango is asked to draw those words so.
  const char* markup;
};

constexpr const char* kMixed = "Kontakt עברית 123";
constexpr const char* kMixedMarkup = "<span font_features=\"kern 0, liga 0\">Kontakt </span>עברית 123";

// Hebrew, Arabic, Devanagari, Chinese and a mixed line in both faces the
// program offers first.
const Caption kCaptions[] = {
    {"DejaVuHebrew", "DejaVu Sans", "שלום עולם", "שלום עולם"},
    {"DejaVuArabic", "DejaVu Sans", "مرحبا بالعالم", "مرحبا بالعالم"},
    {"DejaVuDevanagari", "DejaVu Sans", "नमस्ते दुनिया", "नमस्ते दुनिया"},
    {"DejaVuChinese", "DejaVu Sans", "你好世界", "你好世界"},
    {"DejaVuMixed", "DejaVu Sans", kMixed, kMixedMarkup},
    {"LiberationHebrew", "Liberation Sans", "שלום עולם", "שלום עולם"},
    {"LiberationArabic", "Liberation Sans", "مرحبا بالعالم", "مرحبا بالعالم"},
    {"LiberationDevanagari", "Liberation Sans", "नमस्ते दुनिया", "नमस्ते दुनिया"},
    {"LiberationChinese", "Liberation Sans", "你好世界", "你好世界"},
    {"LiberationMixed", "Liberation Sans", kMixed, kMixedMarkup},
    {"DejaVuHebrewMarks", "DejaVu Sans", "שָׁלוֹם", "שָׁלוֹם"},  // with its vowel marks
};

TFont CaptionFont(const char* family) {
  TFont f;
  f.name = family;
  f.size = kPoints;
  f.quality = fqAntialiased;
  f.color = clBlack;
  return f;
}

// The caption as the canvas draws it on white, its cell at (0, 0).
Bitmap Drawn(const Caption& caption, int width) {
  Bitmap b(width, 40);
  b.Fill(clWhite);
  TCanvas canvas(b);
  canvas.Font = CaptionFont(caption.family);
  canvas.Brush.style = BrushStyle::bsClear;
  canvas.TextOut(0, 0, caption.text);
  return b;
}

class ShapedCaption : public ::testing::TestWithParam<Caption> {
 protected:
  void SetUp() override {
    if (!HavePangoView()) GTEST_SKIP() << "pango-view (pango1.0-tools) is not installed";
    pango_ = RenderedByPango(GetParam().family, kPixels, GetParam().markup, false, true);
    ASSERT_GT(pango_.image.width, 0) << "pango-view drew nothing";
  }
  PangoText pango_;
};

}  // namespace

// Reversed, unjoined or missing glyphs move whole letters and change the
// spans of ink; boxes in place of glyphs change the height of the ink.
TEST_P(ShapedCaption, InkLiesWherePangoPutsIt) {
  const Caption& caption = GetParam();
  Bitmap ours = Drawn(caption, pango_.image.width + 40);
  EXPECT_TRUE(SpansAgree(InkSpans(pango_.image), InkSpans(InkOfBitmap(ours))));
  const auto [pangoTop, pangoBottom] = InkRows(pango_.image);
  const auto [top, bottom] = InkRows(InkOfBitmap(ours));
  EXPECT_NEAR(bottom - top, pangoBottom - pangoTop, 2);
}

TEST_P(ShapedCaption, GlyphsAreThoseOfPangoInItsOrderAndNoneIsMissing) {
  const TFont font = CaptionFont(GetParam().family);
  SizedFont& face = FontEngine::Instance().Get(font);
  const ShapedLine line = ShapeLine(font, face, DecodeUtf8(GetParam().text));
  std::vector<std::string> want, got;
  for (const PangoGlyph& g : pango_.glyphs) want.push_back(g.family + " " + std::to_string(g.glyph));
  for (const ShapedGlyph& g : line.glyphs) got.push_back(std::string(g.font->FamilyName()) + " " + std::to_string(g.index));
  EXPECT_EQ(got, want);
  for (std::size_t i = 0; i < line.glyphs.size() && i < pango_.glyphs.size(); ++i) {
    EXPECT_NE(line.glyphs[i].index, 0u) << "a missing glyph's box at " << i;
    // The same allowance as for the ink (hinted advances differ by a pixel here and there).
    EXPECT_NEAR(line.glyphs[i].x, pango_.glyphs[i].x, 1 + pango_.glyphs[i].x / 48) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ShapedCaption, ::testing::ValuesIn(kCaptions),
                         [](const ::testing::TestParamInfo<Caption>& info) { return std::string(info.param.name); });
