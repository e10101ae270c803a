#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/support/FileAccess.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
using namespace kestrova::test;

TEST(ReadFileBytes, OnlyRegularFilesAreReadAndEveryFailureSaysWhy) {
  TempFolder folder;
  WriteBytes(folder / "small.txt", "abc");
  std::filesystem::create_directory(folder / "sub");
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  const struct {
    std::string path;
    ReadStatus status;
    std::string reason;  // empty: read
  } cases[] = {
      {folder / "small.txt", ReadStatus::Ok, ""},
      {folder / "none.txt", ReadStatus::Missing, "No such file or directory"},
      {folder / "small.txt/x", ReadStatus::Missing, "Not a directory"},
      {folder / "sub", ReadStatus::Failed, "Is a directory"},
      {folder / "pipe", ReadStatus::Failed, "Not a regular file"},   // opening it would wait for a writer
      {"/dev/zero", ReadStatus::Failed, "Not a regular file"},       // reading it would never end
      {"/dev/null", ReadStatus::Failed, "Not a regular file"},
  };
  for (const auto& c : cases) {
    std::string bytes = "old", reason;
    EXPECT_EQ(ReadFileBytes(c.path, bytes, &reason), c.status) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
    EXPECT_EQ(bytes, c.status == ReadStatus::Ok ? "abc" : "") << c.path;
  }
}

TEST(WriteFileAtomically, NamesUpToTheSystemsLimitAreWrittenAndFailuresSayWhy) {
  TempFolder folder;
  WriteBytes(folder / "blocker", "x");
  std::filesystem::create_directory(folder / "sub");
  const struct {
    std::string path;
    std::string reason;  // empty: written
  } cases[] = {
      {folder / std::string(255, 'n'), ""},  // the temporary file's name must not be longer
      {folder / std::string(256, 'n'), "File name too long"},
      {folder / "none/x", "No such file or directory"},
      {folder / "blocker/x", "Not a directory"},
      {folder / "sub", "Is a directory"},
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_EQ(WriteFileAtomically(c.path, "new", &reason), c.reason.empty()) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
    if (c.reason.empty()) {
      EXPECT_EQ(ReadBytes(c.path), "new");
    }
  }
  // Nothing is left behind by the failures.
  EXPECT_EQ(ListFolder(folder.Path()), "blocker " + std::string(255, 'n') + " sub ");
}

TEST(WriteFileAtomically, ANewFileGetsTheBitsTheUmaskAllowsAndNothingIsLeftBeside) {
  TempFolder folder;
  const mode_t oldMask = ::umask(027);
  const struct {
    std::string name;
    std::string bytes;
  } cases[] = {{"new.gif", "GIF89a"}, {"empty", ""}, {"big", std::string(1 << 20, 'b')}};
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteFileAtomically(folder / c.name, c.bytes)) << c.name;
    struct stat st {};
    ASSERT_EQ(::stat((folder / c.name).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << c.name;
    EXPECT_EQ(ReadBytes(folder / c.name), c.bytes) << c.name;
  }
  ::umask(oldMask);
  // A name held by a link to nowhere is taken over, as before.
  ASSERT_EQ(::symlink((folder / "gone").c_str(), (folder / "dangling").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(folder / "dangling", "x"));
  EXPECT_EQ(ReadBytes(folder / "dangling"), "x");
  EXPECT_EQ(ListFolder(folder.Path()), "big dangling empty new.gif ");
}
