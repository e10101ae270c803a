#include <gtest/gtest.h>

#include <sstream>

#include "gif/GIFSupport.h"

using namespace kestrova;

TEST(GIFSupport, WriteStringsCutsIntoSubBlocks) {
  std::ostringstream out;
  WriteStrings(out, {"abc"});
  EXPECT_EQ(out.str(), std::string("\x03" "abc\x00", 5));

  std::ostringstream longOut;
  WriteStrings(longOut, {std::string(300, 'x')});
  const std::string bytes = longOut.str();
  ASSERT_EQ(bytes.size(), 1 + 255 + 1 + 45 + 1u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 255);
  EXPECT_EQ(static_cast<unsigned char>(bytes[256]), 45);
  EXPECT_EQ(bytes.back(), '\0');

  std::istringstream in(bytes);
  std::vector<std::string> strings{"old"};
  ReadStrings(in, strings);
  ASSERT_EQ(strings.size(), 2u);
  EXPECT_EQ(strings[0].size(), 255u);
  EXPECT_EQ(strings[1].size(), 45u);
}

TEST(GIFSupport, EmptyListsAndEnds) {
  std::ostringstream out;
  WriteStrings(out, {});
  EXPECT_EQ(out.str(), std::string(1, '\0'));
  std::istringstream in(out.str());
  std::vector<std::string> strings{"old"};
  ReadStrings(in, strings);
  EXPECT_TRUE(strings.empty());

  std::istringstream endsEarly(std::string("\x02" "a\x00", 1) + "a");
  EXPECT_THROW(ReadStrings(endsEarly, strings), GIFException);

  std::istringstream noTerminator(std::string("\x01" "a"));
  ReadStrings(noTerminator, strings);
  EXPECT_EQ(strings, std::vector<std::string>{"a"});

  std::istringstream empty("");
  EXPECT_EQ(ReadByte(empty), 0);
  std::uint8_t b = 7;
  EXPECT_FALSE(TryReadByte(empty, b));
}

TEST(GIFSupport, ColorsToBits) {
  EXPECT_EQ(ColorsToBits(0), 0);
  EXPECT_EQ(ColorsToBits(1), 1);
  EXPECT_EQ(ColorsToBits(2), 1);
  EXPECT_EQ(ColorsToBits(3), 2);
  EXPECT_EQ(ColorsToBits(4), 2);
  EXPECT_EQ(ColorsToBits(5), 3);
  EXPECT_EQ(ColorsToBits(129), 8);
  EXPECT_EQ(ColorsToBits(256), 8);
  EXPECT_EQ(ColorsToBits(257), 9);
}
