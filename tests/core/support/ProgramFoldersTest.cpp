#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/support/ProgramFolders.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;

TEST(ProgramFolders, WritableFolderFollowsTheConfigHome) {
  test::ProgramFolderSandbox sandbox;
  EXPECT_EQ(WritableFolder(), sandbox.Writable(""));
  test::ScopedEnv relative("XDG_CONFIG_HOME", "relative/path");
  test::ScopedEnv home("HOME", "/home/someone");
  EXPECT_EQ(WritableFolder(), "/home/someone/.config/kestrova/");
}

TEST(ProgramFolders, ShippedCopyIsReadThenCopiedBeforeWriting) {
  test::ProgramFolderSandbox sandbox;
  ASSERT_EQ(::mkdir(sandbox.Shared("").c_str(), 0755), 0);
  test::WriteBytes(sandbox.Shared("presets-default.ini"), "[preset1]\r\n");
  EXPECT_EQ(ProgramFileForReading("presets-default.ini"), sandbox.Shared("presets-default.ini"));
  EXPECT_EQ(ProgramFileForReading("other.ini"), sandbox.Writable("other.ini"));
  std::string path;
  ASSERT_TRUE(ProgramFileForWriting("presets-default.ini", path));
  EXPECT_EQ(path, sandbox.Writable("presets-default.ini"));
  struct stat st {};
  ASSERT_EQ(::stat(sandbox.Writable("").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(test::ReadBytes(path), "[preset1]\r\n");
  EXPECT_EQ(ProgramFileForReading("presets-default.ini"), path);
  // The user's copy is never replaced by the shipped one again.
  test::WriteBytes(path, "[preset9]\r\n");
  ASSERT_TRUE(ProgramFileForWriting("presets-default.ini", path));
  EXPECT_EQ(test::ReadBytes(path), "[preset9]\r\n");
}

TEST(ProgramFolders, UncreatableWritableFolderIsReported) {
  test::ProgramFolderSandbox sandbox;
  test::WriteBytes(sandbox.Folder() / "config", "a file where the folder should be");
  std::string path;
  EXPECT_FALSE(EnsureWritableFolder());
  EXPECT_FALSE(ProgramFileForWriting("kestro.ini", path));
}
