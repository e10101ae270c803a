#include <gtest/gtest.h>
#include <iconv.h>

#include "core/support/TextEncoding.h"
#include "core/support/TextFiles.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;

namespace {
// The system's own converter, as an independent reference.
std::string IconvToUtf8(const char* codePage, std::string in) {
  iconv_t cd = iconv_open("UTF-8", codePage);
  if (cd == reinterpret_cast<iconv_t>(-1)) return "?";
  std::string out(in.size() * 4, '\0');
  char* src = in.data();
  char* dst = out.data();
  size_t srcLeft = in.size(), dstLeft = out.size();
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return "?";
  out.resize(out.size() - dstLeft);
  return out;
}
}  // namespace

TEST(TextEncoding, Utf8StaysAsItIsWithoutItsMark) {
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFza\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", 0), "za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87");
  EXPECT_EQ(DecodeTextFile("plain", 1), "plain");
}

TEST(TextEncoding, RejectsMalformedUtf8) {
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\x80", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
}

TEST(TextEncoding, LegacyBytesFollowTheLanguage) {
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string in(1, static_cast<char>(byte));
    const std::string polish = IconvToUtf8("CP1250", in), western = IconvToUtf8("CP1252", in);
    if (polish != "?") {
      EXPECT_EQ(DecodeTextFile(in, kLanguagePolish), polish) << byte;
    }
    if (western != "?") {
      EXPECT_EQ(DecodeTextFile(in, 0), western) << byte;
      EXPECT_EQ(DecodeTextFile(in, 3), western) << byte;
    }
  }
  // "Łódź" in Windows-1250.
  EXPECT_EQ(DecodeTextFile("\xA3\xF3\x64\x9F", kLanguagePolish), "\xC5\x81\xC3\xB3\x64\xC5\xBA");
  SetTextFileLanguage(kLanguagePolish);
  EXPECT_EQ(DecodeTextFile("\xA3"), "\xC5\x81");
  SetTextFileLanguage(0);
  EXPECT_EQ(DecodeTextFile("\xA3"), "\xC2\xA3");
}

TEST(TextEncoding, PathsFromFilesUseSlashes) { EXPECT_EQ(PathFromFile("C:\\p\\img\\a.bmp"), "C:/p/img/a.bmp"); }

TEST(TextFiles, ReadDecodedWrittenAsUtf8Lines) {
  test::TempFolder folder;
  test::WriteBytes(folder / "caps.txt", "Zur\xFC" "ck\r\n");
  std::string text;
  EXPECT_EQ(ReadTextFile(folder / "caps.txt", text), ReadStatus::Ok);
  EXPECT_EQ(text, "Zur\xC3\xBC" "ck\r\n");
  EXPECT_TRUE(WriteTextFile(folder / "out.txt", {"Zur\xC3\xBC" "ck", ""}));
  EXPECT_EQ(test::ReadBytes(folder / "out.txt"), "Zur\xC3\xBC" "ck\r\n\r\n");
  EXPECT_EQ(ReadTextFile(folder / "none.txt", text), ReadStatus::Missing);
  EXPECT_EQ(text, "");
  EXPECT_FALSE(WriteTextFile(folder / "no/out.txt", {"x"}));
}
