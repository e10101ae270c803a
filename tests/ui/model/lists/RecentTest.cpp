#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/model/controls/Button.h"
#include "ui/model/lists/Recent.h"

namespace kestrova {
namespace {

using Files = std::vector<std::string>;
using Items = std::vector<TRecentItem>;

TEST(RecentFiles, AddFileMovesTheLastMatchToTheTopIgnoringAsciiCase) {
  TRecent recent;
  recent.SetFilesAsText("/p/one.btn\r\n/WORK/a.btn\n/p/two.btn\r/work/A.btn\r\n");
  recent.AddFile("/work/A.BTN");
  EXPECT_EQ(recent.Files(), (Files{"/work/A.BTN", "/p/one.btn", "/WORK/a.btn", "/p/two.btn"}));
  EXPECT_EQ(recent.FilesAsText(), "/work/A.BTN\r\n/p/one.btn\r\n/WORK/a.btn\r\n/p/two.btn\r\n");

  recent.AddFile("/p/Ż.btn");
  recent.AddFile("/p/ż.btn");  // letters beyond ASCII compare exactly
  EXPECT_EQ(recent.GetFile(1), "/p/Ż.btn");
  EXPECT_EQ(recent.GetFile(6), "");
  EXPECT_EQ(recent.GetFile(-1), "");
}

TEST(RecentFiles, AddFileTrimsToMaxFilesButSettingMaxFilesDoesNot) {
  TRecent recent;
  for (int i = 1; i <= 11; ++i) recent.AddFile("/f" + std::to_string(i));
  ASSERT_EQ(recent.Count(), 10);
  EXPECT_EQ(recent.GetFile(9), "/f2");
  recent.SetMaxFiles(5);
  EXPECT_EQ(recent.Count(), 10);
  recent.AddFile("/f2");
  EXPECT_EQ(recent.Files(), (Files{"/f2", "/f11", "/f10", "/f9", "/f8"}));

  recent.SetMaxFiles(0);
  EXPECT_EQ(recent.MaxFiles(), 1);
  recent.SetMaxLen(3);
  EXPECT_EQ(recent.MaxLen(), 7);
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
  EXPECT_EQ(recent.ShortenPath("/home/" + name), "/.../" + name);
  EXPECT_EQ(recent.ShortenPath(name + "x"), ".../" + name + "x");

  // Lengths count characters, and a cut never splits one.
  const std::string polish = "/źródła/żółwie/gęśli/ćma/łąki/pliki.btn";  // 39 characters
  EXPECT_EQ(recent.ShortenPath(polish), polish);
  EXPECT_EQ(recent.ShortenPath(polish + "xx"), "/źródła/żółwie/gęśli/ćma/.../pliki.btnxx");
}

TEST(RecentMenu, BlankEntriesLeaveGapsInTheLettersAndAnEmptyListShowsThePlaceholder) {
  TRecent recent("Recent2");
  int rebuilds = 0;
  recent.SetViewListener([&rebuilds] { ++rebuilds; });
  recent.SetNoneCaption("{brak}");
  EXPECT_TRUE(recent.Items().empty());  // nothing is built without a menu
  EXPECT_EQ(rebuilds, 0);

  TButton menu(nullptr, "Loadrecent1", "File1");
  recent.SetMenu(&menu);
  EXPECT_EQ(recent.Items(), (Items{{"Recent2ItemNone", "{brak}", false, 0}}));
  recent.SetFilesAsText("/a.btn\r\n \t\r\n/c.btn\r\n");
  EXPECT_EQ(recent.Items(), (Items{{"Recent2Item1", "&A /a.btn", true, 0}, {"Recent2Item3", "&C /c.btn", true, 2}}));
  EXPECT_EQ(rebuilds, 2);
}

TEST(RecentMenu, CaptionsShowShortPathsLiterallyAndClicksReportTheFileIndex) {
  TRecent recent;
  TButton menu(nullptr, "Loadrecent1", "File1");
  std::vector<int> clicked;
  recent.OnClick = [&clicked](int tag) { clicked.push_back(tag); };
  recent.SetMenu(&menu);
  recent.ClickItem(0);  // the placeholder

  std::string text;
  for (int i = 27; i >= 1; --i) text += "/f" + std::to_string(i) + "\n";
  recent.SetFilesAsText(text + "/c/Projects/Web/Buttons/Menu/main&menu.btn");
  ASSERT_EQ(recent.Items().size(), 28u);
  EXPECT_EQ(recent.Items()[25].Caption, "&Z /f2");
  EXPECT_EQ(recent.Items()[26].Caption, "/f1");  // no accelerators beyond Z
  EXPECT_EQ(recent.Items()[27].Caption, "/c/Projects/Web/Buttons/.../main&&menu.btn");
  recent.ClickItem(27);
  EXPECT_EQ(clicked, std::vector<int>{27});
}

}  // namespace
}  // namespace kestrova
