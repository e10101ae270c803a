#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "rendering/FontEngine.h"
#include "rendering/FontError.h"
#include "rendering/FontFamilyName.h"
#include "rendering/FontMatch.h"
#include "rendering/Utf8.h"
#include "tests/support/CpuClock.h"

using namespace kestrova;

TEST(TextFont, PointsBecomePixelsAtNinetySixDpi) {
  const int points[] = {8, 9, 10, 11, 12, 72, -10, 0};
  const int pixels[] = {11, 12, 13, 15, 16, 96, 13, 1};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(FontPixelSize(points[i]), pixels[i]) << points[i];
}

TEST(TextFont, UnusableFontsAreErrorsNotCrashes) {
  FontEngine& engine = FontEngine::Instance();
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kestrova-font-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string missing = (dir / "missing.ttf").string();
  const std::string garbage = (dir / "garbage.ttf").string();
  std::ofstream(garbage) << "this is not a font file at all";

  try {
    engine.Open(missing, 0, 13, true, false, false);
    FAIL() << "missing file accepted";
  } catch (const FontError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open the font file \"" + missing + "\"");
  }
  try {
    engine.Open(garbage, 0, 13, true, false, false);
    FAIL() << "garbage accepted";
  } catch (const FontError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot read the font file \"" + garbage + "\"");
  }
  std::filesystem::remove_all(dir);

  TFont huge;
  huge.size = 1000;
  EXPECT_THROW(engine.Get(huge), FontError);
  huge.size = -1000;
  EXPECT_THROW(engine.Get(huge), FontError);
}

TEST(TextFont, MissingStylesAreMadeUp) {
  // DejaVu Sans Book is neither bold nor italic.
  const FontFile book = MatchFontFile("DejaVu Sans", false, false);
  ASSERT_NE(book.path.find("DejaVuSans.ttf"), std::string::npos);
  FontEngine& engine = FontEngine::Instance();
  const int plain = engine.Open(book.path, book.index, 13, false, false, false).Advance(U"Bold");
  EXPECT_GT(engine.Open(book.path, book.index, 13, false, true, false).Advance(U"Bold"), plain);

  // Slanted: the top of an 'l' lies right of its foot.
  const GlyphImage& l = engine.Open(book.path, book.index, 40, false, false, true).Glyph(U'l');
  auto firstInk = [&](int row) {
    for (int x = 0; x < l.width; ++x)
      if (l.coverage[static_cast<std::size_t>(row) * l.width + x]) return x;
    return -1;
  };
  ASSERT_GT(l.height, 10);
  EXPECT_GT(firstInk(0), firstInk(l.height - 1) + 3);
}

TEST(TextFont, GlyphsKeptStayWithinTheirBudgetAndAreTheSameWhenRenderedAgain) {
  // Large glyphs of many characters, upright and turned, as a picture naming a
  // huge font and many characters asks for: past the budget the glyphs go one
  // by one rather than growing the cache or emptying it, and a glyph rendered
  // again after that is the glyph first given.
  const FontFile book = MatchFontFile("DejaVu Sans", false, false);
  SizedFont& font = FontEngine::Instance().Open(book.path, book.index, 200, true, false, false);
  const std::vector<std::uint8_t> first = font.Glyph(U'Q').coverage;
  std::size_t most = 0;
  for (char32_t c = U'A'; c < U'A' + 3000; ++c) {
    const GlyphImage& glyph = (c % 2) ? font.Glyph(c) : font.TurnedGlyph(c, 450);
    ASSERT_EQ(glyph.coverage.size(), static_cast<std::size_t>(glyph.width) * glyph.height) << int(c);
    most = std::max(most, font.KeptBytes());
  }
  EXPECT_LE(most, SizedFont::kMaxKeptBytes);
  EXPECT_GT(most, SizedFont::kMaxKeptBytes * 9 / 10);              // the budget was reached
  EXPECT_GT(font.KeptBytes(), SizedFont::kMaxKeptBytes * 9 / 10);  // and stays so
  EXPECT_EQ(font.Glyph(U'Q').coverage, first);
}

TEST(TextFont, GlyphsUsedAgainAndAgainStayKeptWhileOthersPassThrough) {
  // Glyphs filling most of the budget, used again lap after lap while a few
  // new ones come each lap: the laps cost about what their hits and the new
  // glyphs cost alone, the glyphs used again never rendered again.
  const FontFile book = MatchFontFile("DejaVu Sans", false, false);
  FontEngine& engine = FontEngine::Instance();
  SizedFont& font = engine.Open(book.path, book.index, 190, true, false, false);
  std::uint32_t hot = 1;
  while (font.KeptBytes() < SizedFont::kMaxKeptBytes * 4 / 5) font.IndexedGlyph(hot++, 0);
  constexpr int kLaps = 40, kNew = 50;
  const auto lap = [&](SizedFont& f, std::uint32_t firstNew, int newGlyphs) {
    for (std::uint32_t g = 1; g < hot; ++g) f.IndexedGlyph(g, 0);
    for (int k = 0; k < newGlyphs; ++k) f.IndexedGlyph(firstNew + k, 0);
  };
  using test::ThreadSeconds;
  double start = ThreadSeconds();
  for (int i = 0; i < kLaps; ++i) lap(font, 0, 0);
  const double hits = ThreadSeconds() - start;
  // The same new glyphs, rendered at another size.
  SizedFont& other = engine.Open(book.path, book.index, 191, true, false, false);
  start = ThreadSeconds();
  for (std::uint32_t g = hot; g < hot + kLaps * kNew; ++g) other.IndexedGlyph(g, 0);
  const double renders = ThreadSeconds() - start;
  SizedFont& again = engine.Open(book.path, book.index, 190, true, false, false);
  start = ThreadSeconds();
  for (int i = 0; i < kLaps; ++i) lap(again, hot + i * kNew, kNew);
  const double laps = ThreadSeconds() - start;
  EXPECT_LT(laps, 2 * (hits + renders) + 0.05) << "hits " << hits << " s, new glyphs " << renders << " s";
}

TEST(TextFont, AFamilyNamedWithItsFoundryIsThatFamilyOfThatFoundryWhereThereIsOne) {
  for (const auto& [name, family, foundry] : {std::array<std::string, 3>{"URW Gothic [UKWN]", "URW Gothic", "UKWN"},
                                              {"A [b] [c]", "A [b]", "c"},
                                              {"[UKWN]", "[UKWN]", ""},
                                              {"Sans []", "Sans []", ""}}) {
    EXPECT_EQ(SplitFoundry(name).family, family) << name;
    EXPECT_EQ(SplitFoundry(name).foundry, foundry) << name;
  }
  if (!HasFontFamily("URW Gothic", "UKWN") || !HasFontFamily("URW Gothic", "urw"))
    GTEST_SKIP() << "fontconfig has URW Gothic from fewer than two foundries (fonts-urw-base35)";
  EXPECT_NE(MatchFontFile("URW Gothic [UKWN]", true, false).path, MatchFontFile("URW Gothic [urw]", true, false).path);
  // A foundry that does not make the family is left out (fontconfig would take any face of it).
  EXPECT_EQ(MatchFontFile("DejaVu Sans [UKWN]", false, false).path, MatchFontFile("DejaVu Sans", false, false).path);
}

TEST(TextUtf8, DecodesWellFormedAndReplacesEachBadByte) {
  EXPECT_EQ(DecodeUtf8("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), (std::u32string{U'A', 0xE9, 0x20AC, 0x1F600}));
  EXPECT_EQ(DecodeUtf8(""), std::u32string());
  const std::u32string two(2, 0xFFFD), three(3, 0xFFFD);
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), two);            // overlong
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), three);      // surrogate
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), two);            // truncated
  EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80").size(), 4u);  // over U+10FFFF
  EXPECT_EQ(DecodeUtf8("\x80x"), (std::u32string{0xFFFD, U'x'}));
}
