#include "core/generation/NameCollisions.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

#include "core/support/StrLib.h"
#include "tests/support/MemoryLimit.h"

using namespace kestrova;

namespace {

// The collisions as a table of every name finds them.
std::vector<NameCollision> ByTableOfNames(const std::vector<std::string>& names, bool ignoreCase) {
  std::vector<NameCollision> found;
  std::unordered_map<std::string, int> first;
  for (int k = 0; k < static_cast<int>(names.size()); ++k) {
    const auto [at, isNew] = first.emplace(ignoreCase ? LowerAscii(names[k]) : names[k], k);
    if (!isNew) found.push_back({at->second, k});
  }
  return found;
}

std::vector<NameCollision> Find(const std::vector<std::string>& names, bool ignoreCase) {
  return FindNameCollisions(
      static_cast<int>(names.size()), [&](int k) { return names[static_cast<std::size_t>(k)]; }, ignoreCase);
}

}  // namespace

TEST(NameCollisions, EachLaterImageIsPairedWithTheFirstOfItsName) {
  const std::vector<std::string> names = {"a.gif", "b.gif", "a.gif", "A.gif", "a.gif", "b.GIF"};
  EXPECT_EQ(Find(names, false), (std::vector<NameCollision>{{0, 2}, {0, 4}}));
  EXPECT_EQ(Find(names, true), (std::vector<NameCollision>{{0, 2}, {0, 3}, {0, 4}, {1, 5}}));
  EXPECT_TRUE(Find({}, true).empty());
  // Many names, many of them alike: the same pairs as a table of every name gives.
  std::mt19937 random(36);
  std::vector<std::string> many;
  for (int i = 0; i < 20000; ++i) {
    std::string name = "name_" + std::to_string(random() % 3000) + ".gif";
    if (random() % 2) name = UpperAscii(name);
    many.push_back(name);
  }
  for (const bool ignoreCase : {false, true}) EXPECT_EQ(Find(many, ignoreCase), ByTableOfNames(many, ignoreCase));
}

TEST(NameCollisions, AMillionNamesAreComparedWithinAFewBytesEach) {
  // A table of a million names of 30 characters takes some 100 MB; their
  // hashes take 16 MB.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::OutOfMemoryChildren children;
  EXPECT_EXIT(
      {
        const auto nameOf = [](int k) { return "Caption_number_" + std::to_string(1000000 + k % 999999) + ".gif"; };
        const std::int64_t peak = test::PeakResidentBytes();
        const std::vector<NameCollision> found = FindNameCollisions(1000000, nameOf, true);
        if (test::PeakResidentBytes() - peak >= std::int64_t{40} << 20) std::_Exit(2);
        std::_Exit(found == std::vector<NameCollision>{{0, 999999}} ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
