// A large glyph rendered only within a window of its pixels gives there the
// very pixels of the glyph rendered whole, in both qualities, turned,
// widened and with made-up styles; a window missing the glyph renders none.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rendering/FontEngine.h"
#include "rendering/FontMatch.h"

using namespace kestrova;

namespace {

// The coverage of `whole` at (x, y) from its pen position; 0 outside it.
int CoverageAt(const GlyphImage& whole, int x, int y) {
  const int gx = x - whole.left, gy = y - whole.top;
  if (gx < 0 || gy < 0 || gx >= whole.width || gy >= whole.height) return 0;
  return whole.coverage[static_cast<std::size_t>(gy) * whole.width + gx];
}

}  // namespace

TEST(GlyphWithin, ALargeGlyphsPartIsThatPartOfTheWholeGlyph) {
  const FontFile book = MatchFontFile("DejaVu Sans", false, false);
  const struct {
    const char* name;
    int pixels;
    bool antialiased, bold, italic;
    char32_t c;
    int tenths, permille;
  } cases[] = {
      {"upright", 421, true, false, false, U'W', 0, 1000},
      {"monochrome", 423, false, false, false, U'W', 0, 1000},
      {"turned and widened", 301, true, false, false, U'g', 450, 3000},
      {"monochrome, turned and narrowed", 503, false, false, false, U'@', 1200, 700},
      {"made bold and slanted", 383, true, true, true, U'&', 0, 1000},
  };
  for (const auto& c : cases) {
    SizedFont& font = FontEngine::Instance().Open(book.path, book.index, c.pixels, c.antialiased, c.bold, c.italic);
    // The box, from the part within a window far larger than any glyph (the
    // parts first: once the whole glyph is kept, it is given whole).
    const GlyphImage all = font.GlyphWithin(false, c.c, c.tenths, c.permille, TRect{-9999, -9999, 9999, 9999});
    const TRect box{all.left, all.top, all.left + all.width, all.top + all.height};
    const int midX = (box.left + box.right) / 2, midY = (box.top + box.bottom) / 2;
    const TRect windows[] = {
        TRect{box.left - 30, box.top - 40, midX, box.bottom + 9},  // the left half, and beyond the box
        TRect{midX - 3, midY - 2, midX + 4, midY + 3},
        TRect{box.right - 5, box.bottom - 6, box.right + 50, box.bottom + 50},  // a corner
        TRect{box.right + 1, box.top, box.right + 100, box.bottom},            // beside the glyph
    };
    std::vector<GlyphImage> parts{all};
    for (const TRect& window : windows) parts.push_back(font.GlyphWithin(false, c.c, c.tenths, c.permille, window));
    const GlyphImage& whole = font.TurnedGlyph(c.c, c.tenths, c.permille);
    ASSERT_GT(std::int64_t{whole.width} * whole.height, SizedFont::kWholeGlyphPixels) << c.name;
    EXPECT_EQ(parts.back().coverage.size(), 0u) << c.name << ": nothing beside the glyph";
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const GlyphImage& part = parts[i];
      const TRect window = i == 0 ? box : windows[i - 1];
      EXPECT_EQ(part.advance, whole.advance) << c.name;
      ASSERT_EQ(part.coverage.size(), static_cast<std::size_t>(part.width) * part.height) << c.name;
      int different = 0;
      for (int y = window.top; y < window.bottom; ++y)
        for (int x = window.left; x < window.right; ++x) different += CoverageAt(part, x, y) != CoverageAt(whole, x, y);
      EXPECT_EQ(different, 0) << c.name << ", window at " << window.left << "," << window.top;
      EXPECT_TRUE(part.coverage.empty() || (part.left >= window.left && part.top >= window.top &&
                                            part.left + part.width <= window.right &&
                                            part.top + part.height <= window.bottom))
          << c.name << ": the part lies within its window";
    }
  }
}
