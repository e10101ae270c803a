// Starting other programs: xdg-open with an address as its one argument, a
// command line split into words without a shell, and the link label.

#include <gtest/gtest.h>

#include <QTest>

#include "tests/ui/qt/FakeProgram.h"
#include "ui/qt/widgets/WWWLabel.h"
#include "ui/qt/widgets/WebLinks.h"

using namespace kestrova;
using namespace kestrova::qt;
using namespace kestrova::test;

TEST(WebLinks, ACommandLineSplitsIntoWordsAtBlanksOutsideDoubleQuotes) {
  const std::pair<QString, QStringList> cases[] = {
      {"viewer page.html", {"viewer", "page.html"}},
      {"  viewer \t  page.html  ", {"viewer", "page.html"}},
      {R"("/opt/my viewer/run" -new "a b.html")", {"/opt/my viewer/run", "-new", "a b.html"}},
      {R"(run "a b"c)", {"run", "a bc"}},
      {R"(run "" x)", {"run", "", "x"}},
      {R"(run "unclosed quote)", {"run", "unclosed quote"}},
      {"run it's;$HOME|`x`", {"run", "it's;$HOME|`x`"}},
      {"", {}},
      {"   ", {}},
  };
  for (const auto& [line, words] : cases) EXPECT_EQ(SplitCommandLine(line), words) << line.toStdString();
}

TEST(WebLinks, ExecCommandStartsTheProgramWithItsWordsAndReportsWhatCannotStart) {
  FakeProgram program("fake-viewer");
  EXPECT_TRUE(ExecCommand("fake-viewer \"a b\" 'c' $HOME;x"));
  EXPECT_EQ(program.TakeArguments(), (std::vector<std::string>{"a b", "'c'", "$HOME;x"}));
  EXPECT_TRUE(ExecCommand("\"" + program.Path() + "\" one"));
  EXPECT_EQ(program.TakeArguments(), std::vector<std::string>{"one"});
  EXPECT_FALSE(ExecCommand(""));
  EXPECT_FALSE(ExecCommand(" \t "));
  EXPECT_FALSE(ExecCommand("no-such-program-of-kestrova x"));
}

TEST(WebLinks, OpenURLGivesXdgOpenTheAddressAsItsOneArgument) {
  FakeProgram opener("xdg-open");
  OpenURL("https://zandrelko.example/a page?x=1&y=\"2\"");
  EXPECT_EQ(opener.TakeArguments(), std::vector<std::string>{"https://zandrelko.example/a page?x=1&y=\"2\""});
  OpenURL("");
  QTest::qWait(200);
  EXPECT_FALSE(opener.Ran());
}

TEST(WebLinks, TheLinkLabelLooksLikeALinkAndOpensItsAddressWhenClicked) {
  FakeProgram opener("xdg-open");
  WWWLabel label;
  label.setText("zandrelko.example");
  label.URL = "https://zandrelko.example/";
  label.resize(120, 20);
  EXPECT_TRUE(label.font().underline());
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(opener.TakeArguments(), std::vector<std::string>{"https://zandrelko.example/"});
}
