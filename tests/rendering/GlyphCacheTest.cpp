#include "rendering/GlyphCache.h"

#include <gtest/gtest.h>

#include <string>

using namespace kestrova;

namespace {

GlyphKey Upright(char32_t c) { return GlyphKey{false, c, 0, 1000}; }

}  // namespace

// The cache keeps what was used last within its budget, whether a key is an
// upright Latin letter (found without hashing) or any other glyph, and a key
// that was let go is never found again.
TEST(GlyphCache, KeepsTheGlyphsUsedLastWithinItsBudget) {
  const struct {
    const char* name;
    GlyphKey a, b, c;
  } cases[] = {
      {"upright Latin letters", Upright('a'), Upright('b'), Upright('c')},
      {"glyph numbers and turned letters", GlyphKey{true, 'a', 0, 1000}, GlyphKey{false, 'b', 900, 1000},
       GlyphKey{false, 0x5D0, 0, 1000}},
  };
  for (const auto& c : cases) {
    GlyphCache<std::string> cache(20);
    cache.Keep(c.a, "first", 10);
    cache.Keep(c.b, "second", 10);
    ASSERT_NE(cache.Find(c.a), nullptr) << c.name;  // a is now the one used last
    cache.Keep(c.c, "third", 10);                   // so b goes
    EXPECT_EQ(cache.Find(c.b), nullptr) << c.name;
    ASSERT_NE(cache.Find(c.a), nullptr) << c.name;
    EXPECT_EQ(*cache.Find(c.a), "first") << c.name;
    EXPECT_EQ(*cache.Find(c.c), "third") << c.name;
    EXPECT_EQ(cache.Bytes(), 20u) << c.name;
    cache.Keep(c.a, "again", 10);  // kept anew in its own place
    EXPECT_EQ(*cache.Find(c.a), "again") << c.name;
    EXPECT_EQ(cache.Bytes(), 20u) << c.name;
  }
}
