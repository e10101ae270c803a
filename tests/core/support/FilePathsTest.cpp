#include <gtest/gtest.h>

#include "core/support/FilePaths.h"

using namespace kestrova;

TEST(MakeRelativePath, ExamplesWithBackslashes) {
  EXPECT_EQ(MakeRelativePath("C:\\p\\", "C:\\p\\"), "");
  EXPECT_EQ(MakeRelativePath("C:\\p\\", "D:\\p\\"), "D:\\p\\");
  EXPECT_EQ(MakeRelativePath("c:\\P\\", "C:\\p\\img\\"), "img\\");
  EXPECT_EQ(MakeRelativePath("C:\\p\\a\\", "C:\\p\\b\\"), "..\\b\\");
  EXPECT_EQ(MakeRelativePath("", "C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(MakeRelativePath("C:\\p\\", ""), "");
  EXPECT_EQ(MakeRelativePath("C:\\p\\sub1\\sub2\\", "C:\\p\\x\\"), "..\\..\\x\\");
  EXPECT_EQ(MakeRelativePath("C:\\p\\", "C:\\p\\img\\a\\"), "img\\a\\");
}

TEST(MakeRelativePath, CommonPartEndsAtAFolder) {
  EXPECT_EQ(MakeRelativePath("C:\\p\\sub\\", "C:\\p\\"), "..\\");
  EXPECT_EQ(MakeRelativePath("C:\\p\\ab\\", "C:\\p\\ac\\"), "..\\ac\\");
  EXPECT_EQ(MakeRelativePath("/home/u/proj/", "/home/u/project/img/"), "../project/img/");
  EXPECT_EQ(MakeRelativePath("/home/u/proj/deep/", "/home/u/"), "../../");
  EXPECT_EQ(MakeRelativePath("/home/u/proj", "/home/u/proj/img/"), "img/");
  EXPECT_EQ(MakeRelativePath("/home/u/proj/", "/home/u/proj"), "");
  EXPECT_EQ(MakeRelativePath("/a/", "b/"), "b/");
  EXPECT_EQ(MakeRelativePath("abc/", "abd/"), "../abd/");
}

TEST(FilePaths, FolderAndName) {
  EXPECT_EQ(FolderOf("C:\\p\\a.bmp"), "C:\\p\\");
  EXPECT_EQ(FolderOf("C:a.bmp"), "C:");
  EXPECT_EQ(FolderOf("/p/q/a.bmp"), "/p/q/");
  EXPECT_EQ(FolderOf("a.bmp"), "");
  EXPECT_EQ(FileNameOf("/p/q/a.bmp"), "a.bmp");
  EXPECT_EQ(FileNameOf("/p/q/"), "");
  EXPECT_FALSE(HasFolder("presets-user1.ini"));
  EXPECT_TRUE(HasFolder("sets/x.ini"));
}

TEST(PathInFolder, ResolvesDotsInTheTextAndUndoesMakeRelativePath) {
  EXPECT_EQ(PathInFolder("/a/b/", "c.ini"), "/a/b/c.ini");
  EXPECT_EQ(PathInFolder("/a/b", "./x/../c.ini"), "/a/b/c.ini");
  EXPECT_EQ(PathInFolder("/a/b/", "/abs/c.ini"), "/abs/c.ini");
  EXPECT_EQ(PathInFolder("/a/b/", "../../../../c.ini"), "/c.ini");
  // No folder on the way is looked at: a missing one is passed through as well.
  const std::string folder = "/no/such/folder/kestrova/";
  for (const std::string target : {"/work/", "/no/such/other/", "/no/such/folder/kestrova/sub/"}) {
    EXPECT_EQ(PathInFolder(folder, MakeRelativePath(folder, target) + "red.png"), target + "red.png");
  }
}
