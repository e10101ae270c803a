#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/model/Recent.h"

namespace kestrova {
namespace {

using Files = std::vector<std::string>;

TEST(RecentFiles, AddFileMovesTheLastMatchToTheTopIgnoringAsciiCase) {
  TRecent recent;
  recent.SetFilesAsText("/p/one.btn\r\n/WORK/a.btn\r\n/p/two.btn\r\n/work/A.btn\r\n");
  recent.AddFile("/work/A.BTN");
  EXPECT_EQ(recent.Files(), (Files{"/work/A.BTN", "/p/one.btn", "/WORK/a.btn", "/p/two.btn"}));

  recent.AddFile("/p/Ż.btn");
  recent.AddFile("/p/ż.btn");  // letters beyond ASCII compare exactly
  EXPECT_EQ(recent.GetFile(0), "/p/ż.btn");
  EXPECT_EQ(recent.GetFile(1), "/p/Ż.btn");
}

TEST(RecentFiles, AddFileTrimsToMaxFilesButSettingMaxFilesDoesNot) {
  TRecent recent;
  for (int i = 1; i <= 11; ++i) recent.AddFile("/f" + std::to_string(i));
  ASSERT_EQ(recent.Count(), 10);
  EXPECT_EQ(recent.GetFile(0), "/f11");
  EXPECT_EQ(recent.GetFile(9), "/f2");

  recent.SetMaxFiles(5);
  EXPECT_EQ(recent.Count(), 10);
  recent.AddFile("/f2");
  EXPECT_EQ(recent.Files(), (Files{"/f2", "/f11", "/f10", "/f9", "/f8"}));

  recent.SetMaxFiles(0);
  EXPECT_EQ(recent.MaxFiles(), 1);
  recent.SetMaxLen(3);
  EXPECT_EQ(recent.MaxLen(), 7);
  recent.SetMaxLen(8);
  EXPECT_EQ(recent.MaxLen(), 8);
}

TEST(RecentFiles, TextFormKeepsEveryLineAndOutOfRangeIndexesGiveEmptyText) {
  TRecent recent;
  recent.SetFilesAsText("/a\n\n /b \r/a");
  EXPECT_EQ(recent.Files(), (Files{"/a", "", " /b ", "/a"}));
  EXPECT_EQ(recent.FilesAsText(), "/a\r\n\r\n /b \r\n/a\r\n");
  EXPECT_EQ(recent.GetFile(2), " /b ");
  EXPECT_EQ(recent.GetFile(4), "");
  EXPECT_EQ(recent.GetFile(-1), "");
  recent.SetFilesAsText("");
  EXPECT_EQ(recent.FilesAsText(), "");
}

TEST(RecentFiles, ShortenPathKeepsWholeFoldersWithinTheBudget) {
  TRecent recent;  // MaxLen 40
  const std::string forty = "/home/user/projects/web/menus/buttons.bt";
  ASSERT_EQ(forty.size(), 40u);
  EXPECT_EQ(recent.ShortenPath(forty), forty);
  EXPECT_EQ(recent.ShortenPath("/c/Projects/Web/Buttons/Menu/main-menu.btn"), "/c/Projects/Web/Buttons/.../main-menu.btn");
  // The budget ends one character before a "/": that folder goes too.
  EXPECT_EQ(recent.ShortenPath("/home/ann/Projects/Web/Menu/main-menu.btn1"), "/home/ann/Projects/Web/.../main-menu.btn1");
  EXPECT_EQ(recent.ShortenPath("relative/folder/of/some/length/file-name.btn"), "relative/folder/of/some/.../file-name.btn");

  const std::string name(40, 'n');
  EXPECT_EQ(recent.ShortenPath("/" + name), "/.../" + name);
  EXPECT_EQ(recent.ShortenPath("/home/" + name), "/.../" + name);
  EXPECT_EQ(recent.ShortenPath(name + "x"), ".../" + name + "x");

  recent.SetMaxLen(7);
  EXPECT_EQ(recent.ShortenPath("/ab/cd/e"), "/ab/.../e");
}

TEST(RecentFiles, ShortenPathCountsCharactersNotBytes) {
  TRecent recent;
  const std::string polish = "/źródła/żółwie/gęśli/ćma/łąki/pliki.btn";  // 39 characters
  EXPECT_EQ(recent.ShortenPath(polish), polish);
  EXPECT_EQ(recent.ShortenPath(polish + "xx"), "/źródła/żółwie/gęśli/ćma/.../pliki.btnxx");
}

}  // namespace
}  // namespace kestrova
