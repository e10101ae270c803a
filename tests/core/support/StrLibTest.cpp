#include <gtest/gtest.h>

#include "core/support/StrLib.h"

using namespace kestrova;

namespace {
std::vector<std::string> Split(std::string_view sep, std::string_view text) {
  std::vector<std::string> list{"old"};
  SplitString(sep, text, &list);
  return list;
}
using Lines = std::vector<std::string>;
}  // namespace

TEST(SplitString, PiecesBetweenSeparators) {
  EXPECT_EQ(Split(",", "a,,b,"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split(",", ",a"), (Lines{"", "a"}));
  EXPECT_EQ(Split(",", ","), (Lines{""}));
  EXPECT_EQ(Split(",", "abc"), (Lines{"abc"}));
  EXPECT_EQ(Split("ab", "xabyab"), (Lines{"x", "y"}));
  EXPECT_EQ(Split("aa", "aaa"), (Lines{"", "a"}));
}

TEST(SplitString, NothingToSplitLeavesTheList) {
  EXPECT_EQ(Split(",", ""), (Lines{"old"}));
  EXPECT_EQ(Split("", "a,b"), (Lines{"old"}));
  SplitString(",", "a", nullptr);  // no list: nothing happens
}

TEST(PosFrom, SearchesFromThePosition) {
  EXPECT_EQ(PosFrom("b", "abcb", 1), 2);
  EXPECT_EQ(PosFrom("b", "abcb", 3), 4);
  EXPECT_EQ(PosFrom("b", "abcb", 5), 0);
  EXPECT_EQ(PosFrom("b", "abcb", 0), 2);
  EXPECT_EQ(PosFrom("cb", "abcb", 2), 3);
  EXPECT_EQ(PosFrom("", "abcb", 1), 0);
}

TEST(StrToInt, DecimalAndDollarHex) {
  std::int32_t v = 0;
  EXPECT_TRUE(TryStrToInt("$1F", v));
  EXPECT_EQ(v, 31);
  EXPECT_TRUE(TryStrToInt("-$10", v));
  EXPECT_EQ(v, -16);
  EXPECT_TRUE(TryStrToInt("$FFFFFFFF", v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(TryStrToInt("  +12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(TryStrToInt("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  for (const char* bad : {"", "-", "$", "12 ", "1e3", "0x1F", "2147483648", "$100000000", "99999999999999999999"}) {
    EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
  }
  EXPECT_EQ(StrToIntDef("word", 7), 7);
}

TEST(TextHelpers, CaseTrimAndLines) {
  EXPECT_TRUE(SameText("Preset1", "pRESET1"));
  EXPECT_FALSE(SameText("preset", "preset1"));
  EXPECT_TRUE(StartsWithText("Preset3", "preset"));
  EXPECT_EQ(TrimBlanks(" \t a b \t"), "a b");
  EXPECT_EQ(TrimControls("\r\n a \x01"), "a");
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}
