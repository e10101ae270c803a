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

TEST(ProgramFolders, ResourcesLieNextToTheExecutableThenInItsPrefix) {
  const std::vector<std::string> installed = ResourceFoldersOf("/opt/kv/bin/kestrova");
  ASSERT_GE(installed.size(), 2u);
  EXPECT_EQ(installed[0], "/opt/kv/bin/");
  EXPECT_EQ(installed[1], "/opt/kv/share/kestrova/");
  // Last comes the prefix the build was configured for; no folder is listed twice.
  EXPECT_TRUE(installed.back().ends_with("/share/kestrova/")) << installed.back();
  for (std::size_t i = 0; i < installed.size(); ++i) {
    for (std::size_t j = i + 1; j < installed.size(); ++j) EXPECT_NE(installed[i], installed[j]);
  }
  const std::vector<std::string> unknown = ResourceFoldersOf("");
  ASSERT_EQ(unknown.size(), 1u);
  EXPECT_EQ(unknown[0], installed.back());
}
