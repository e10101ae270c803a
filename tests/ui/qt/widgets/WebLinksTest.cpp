// Starting other programs: xdg-open with an address as its one argument (and
// what is told when it cannot show it), a command line split into words
// without a shell, and the link label.

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <sstream>

#include "tests/ui/qt/FakeProgram.h"
#include "tests/ui/qt/Waiting.h"
#include "ui/qt/widgets/WWWLabel.h"
#include "ui/qt/widgets/WebLinks.h"

using namespace kestrova;
using namespace kestrova::qt;
using namespace kestrova::test;
using namespace std::chrono_literals;

namespace {

// The reasons a started program's failure was told with, in order.
struct Failures {
  ProgramFailure Tell() {
    return [this](const std::string& reason) { reasons.push_back(reason); };
  }
  std::vector<std::string> reasons;
};

// Children of this process that have ended but were never collected.
int ZombieChildren() {
  int count = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::istringstream children(ReadBytes(task.path() / "children"));
    for (int child = 0; children >> child;) {
      const std::string stat = ReadBytes("/proc/" + std::to_string(child) + "/stat");
      const std::size_t name = stat.rfind(')');
      if (name != std::string::npos && name + 2 < stat.size() && stat[name + 2] == 'Z') ++count;
    }
  }
  return count;
}

}  // namespace

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

TEST(WebLinks, OpenURLTellsAtOnceWhenXdgOpenIsMissing) {
  TempFolder empty;
  ScopedEnv path("PATH", empty.Path());
  Failures failures;
  OpenURL("https://zandrelko.example/", failures.Tell());
  EXPECT_EQ(failures.reasons, std::vector<std::string>{"xdg-open: No such file or directory"});
}

TEST(WebLinks, OpenURLTellsWhenXdgOpenFailsAtOnceWithoutWaitingForIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"exit 4", "xdg-open: exit status 4"},
      {"kill -9 $$", "xdg-open: ended by signal 9"},
  };
  for (const auto& [then, reason] : cases) {
    FakeProgram opener("xdg-open", then);
    Failures failures;
    // ("at once" made an hour: however long the machine takes to run it)
    OpenURL("/tmp/page.html", failures.Tell(), std::chrono::hours(1));
    EXPECT_TRUE(failures.reasons.empty());  // told from the event loop, once it has ended
    EXPECT_EQ(opener.TakeArguments(), std::vector<std::string>{"/tmp/page.html"});
    WaitUntil([&] { return !failures.reasons.empty(); });
    EXPECT_EQ(failures.reasons, std::vector<std::string>{reason});
    WaitUntil([] { return ZombieChildren() == 0; });
  }
}

TEST(WebLinks, AViewerThatKeepsRunningIsNotWaitedForAndItsLaterFailureNotTold) {
  TempFolder marks;
  // Runs until let go, then fails.
  FakeProgram opener("xdg-open", "touch '" + marks / "running" + "'; while [ ! -e '" + marks / "go" +
                                     "' ]; do sleep 0.02; done; touch '" + marks / "ended" + "'; exit 3");
  Failures failures;
  // The time for failing at once is over before it is let go: it ends later, whatever the machine's speed.
  OpenURL("https://zandrelko.example/", failures.Tell(), 0ms);
  EXPECT_FALSE(std::filesystem::exists(marks / "ended"));
  WaitUntil([&] { return std::filesystem::exists(marks / "running"); });
  WriteBytes(marks / "go", "");
  WaitUntil([&] { return std::filesystem::exists(marks / "ended"); });
  // Its end is collected, and not told.
  WaitUntil([] { return ZombieChildren() == 0; });
  QTest::qWait(50);
  EXPECT_TRUE(failures.reasons.empty());
}
