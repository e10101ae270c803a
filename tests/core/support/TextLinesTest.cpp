#include "core/support/TextLines.h"

#include <gtest/gtest.h>

#include "core/support/StrLib.h"

using namespace kestrova;

TEST(TextLines, HoldTheLinesOfSplitLinesWithCrLfLineEnds) {
  const struct {
    std::string text;
    std::string held;  // the text kept: every line end CR LF
  } cases[] = {
      {"", ""},
      {"one", "one"},
      {"one\r\n", "one\r\n"},
      {"one\ntwo", "one\r\ntwo"},
      {"one\rtwo\r", "one\r\ntwo\r\n"},
      {"\n\n", "\r\n\r\n"},
      {"a\r\n\r\nb\n\rc", "a\r\n\r\nb\r\n\r\nc"},
      {"\r\r\n\n", "\r\n\r\n\r\n"},
  };
  for (const auto& c : cases) {
    const TextLines lines(c.text);
    EXPECT_EQ(lines.Text(), c.held) << c.text;
    EXPECT_EQ(lines, SplitLines(c.text)) << c.text;  // the lines as the splitting routine finds them
  }
  // A list of lines: each followed by CR LF.
  EXPECT_EQ(TextLines({"a", "", "b"}).Text(), "a\r\n\r\nb\r\n");
  EXPECT_EQ(TextLines(std::vector<std::string>{}).Text(), "");
}
