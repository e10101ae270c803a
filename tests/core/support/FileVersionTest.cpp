#include <gtest/gtest.h>

#include <cstdint>

#include "core/support/FileVersion.h"
#include "core/support/ProgramFolders.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;

namespace {
void PutWord(std::string& s, std::uint32_t w) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((w >> (8 * i)) & 0xFF);
}
// A version record whose fixed file information holds the given product version.
std::string Block(std::uint32_t ms, std::uint32_t ls) {
  std::string b("\x5C\x00\x34\x00\x00\x00", 6);
  for (char c : std::string("VS_VERSION_INFO")) b += std::string{c, '\0'};
  b += std::string(4, '\0');  // key terminator and padding
  for (std::uint32_t w : {0xFEEF04BDu, 0x00010000u, 0x11111111u, 0x22222222u, ms, ls, 0x3Fu, 0u, 4u, 1u, 0u, 0u, 0u})
    PutWord(b, w);
  return b;
}
}  // namespace

TEST(FileVersion, ReadsTheProductVersionOfAnyFile) {
  test::TempFolder folder;
  test::WriteBytes(folder / "a.exe", std::string(100, 'M') + Block(0x00010000, 0x0003000B) + "tail");
  EXPECT_EQ(GetFileVersionText(folder / "a.exe"), "1.0.3.11");
  test::WriteBytes(folder / "b.exe", Block(0x00020100, 0x00010000));
  EXPECT_EQ(GetFileVersionText(folder / "b.exe"), "2.0.1.0");
  // A signature without the structure version after it is no block.
  std::string fake = Block(0x00090009, 0);
  fake[44] = 7;
  test::WriteBytes(folder / "c.exe", fake);
  EXPECT_EQ(GetFileVersionText(folder / "c.exe"), "0.0.0.0");
  // Nor is a fixed file information without its record key.
  test::WriteBytes(folder / "d.exe", Block(0x00090009, 0).substr(40));
  EXPECT_EQ(GetFileVersionText(folder / "d.exe"), "0.0.0.0");
  EXPECT_EQ(GetFileVersionText(folder / "missing.exe"), "0.0.0.0");
}

TEST(FileVersion, FindsABlockAcrossReadPieces) {
  test::TempFolder folder;
  for (std::size_t offset : {(1u << 20) - 30, (1u << 20) - 1, 1u << 20}) {
    test::WriteBytes(folder / "big.exe", std::string(offset, '\0') + Block(0x00040005, 0x00060007));
    EXPECT_EQ(GetFileVersionText(folder / "big.exe"), "4.5.6.7") << offset;
  }
}

TEST(FileVersion, OurOwnExecutableCarriesTheBuildVersion) {
  const std::string exe = ExecutablePath();
  ASSERT_FALSE(exe.empty());
  EXPECT_NE(BuildVersionText(), "0.0.0.0");
  EXPECT_EQ(GetFileVersionText(exe), BuildVersionText());
}
