#include "core/support/TextFiles.h"

#include <gtest/gtest.h>

#include "core/support/StrLib.h"
#include "core/support/TextEncoding.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// The lines as a reader of the whole file finds them: the file decoded, split
// into lines, each line followed by CR LF.
std::string LinesOfWholeFile(std::string_view bytes) {
  std::string text;
  for (const std::string& line : SplitLines(DecodeTextFile(bytes))) text += line + "\r\n";
  return text;
}

}  // namespace

TEST(ReadTextFileLines, GivesTheLinesOfTheWholeFileThoughItReadsABufferAtATime) {
  // One byte short of a read: the next byte is the last of the first read.
  const std::string full(std::size_t{1} << 16, 'a'), padding = full.substr(1);
  const std::string bom = "\xEF\xBB\xBF";
  const std::string cases[] = {
      "",
      "one",
      "one\n",
      "a\rb\r\nc\n\nd",
      bom + "x\n",
      bom,
      bom + "\n",
      "Zur\xFC" "ck\r\nweiter",      // not UTF-8: Windows-1252
      bom + "\xFC\r\n",              // not UTF-8 either: the mark is three characters then
      padding + "\r\nb",             // CR LF split between two reads
      padding + "\rb",               // a lone CR ending a read
      padding + "\r",                // ... and the file
      padding + "\n\nb",
      padding + "\xC3\xBC" "b",      // a UTF-8 sequence split between two reads
      full + "\r\n" + full + "\r",
  };
  TempFolder folder;
  for (const std::string& bytes : cases) {
    WriteBytes(folder / "captions.txt", bytes);
    std::string text = "old";
    EXPECT_EQ(ReadTextFileLines(folder / "captions.txt", text, kAnyFileSize), ReadStatus::Ok);
    EXPECT_EQ(text, LinesOfWholeFile(bytes)) << bytes.substr(0, 20) << " (" << bytes.size() << " bytes)";
  }
}

TEST(ReadTextFileLines, AFileLargerThanTheBoundIsRefusedUnread) {
  TempFolder folder;
  WriteSparseFile(folder / "huge.txt", std::uint64_t{3} << 30, "Home\r\n");
  WriteBytes(folder / "four.txt", "a\r\nb");
  const struct {
    std::string name;
    std::uint64_t maxBytes;
    ReadStatus status;
    std::string text;
    std::string reason;
  } cases[] = {
      {"huge.txt", std::uint64_t{64} << 20, ReadStatus::Failed, "",
       "File too large: 3221225472 bytes, at most 67108864 are read"},
      {"four.txt", 4, ReadStatus::Ok, "a\r\nb\r\n", ""},
      {"four.txt", 3, ReadStatus::Failed, "", "File too large: 4 bytes, at most 3 are read"},
      {"none.txt", 3, ReadStatus::Missing, "", "No such file or directory"},
  };
  for (const auto& c : cases) {
    std::string text = "old", reason;
    EXPECT_EQ(ReadTextFileLines(folder / c.name, text, c.maxBytes, &reason), c.status) << c.name << c.maxBytes;
    EXPECT_EQ(text, c.text) << c.name << c.maxBytes;
    EXPECT_EQ(reason, c.reason) << c.name << c.maxBytes;
  }
}
