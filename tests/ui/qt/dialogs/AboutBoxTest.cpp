#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "tests/support/TestFiles.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/dialogs/AboutBox.h"
#include "ui/qt/widgets/WWWLabel.h"

using namespace kestrova;
using kestrova::test::kNoTimeLimit;
using kestrova::test::WaitUntil;

namespace {

// A folder holding one of the test's stand-ins as the version library.
struct LibraryFolder {
  explicit LibraryFolder(const char* behaviour) {
    if (behaviour != nullptr) {
      std::filesystem::copy_file(std::string(KESTROVA_FAKE_VERSION_DIR) + "/libfake_version_" + behaviour + ".so",
                                 Path());
    }
  }
  std::string Path() const { return folder / "libtavmolint.so"; }
  // A function of the loaded stand-in that the tests read.
  template <class F>
  F Read(const char* name) const {
    void* handle = ::dlopen(Path().c_str(), RTLD_NOW | RTLD_NOLOAD);
    return handle == nullptr ? nullptr : reinterpret_cast<F>(::dlsym(handle, name));
  }
  int Queries() const {
    auto count = Read<int (*)()>("FakeQueryCount");
    return count != nullptr ? count() : 0;
  }
  int Polls() const {
    auto count = Read<int (*)()>("FakePollCount");
    return count != nullptr ? count() : 0;
  }
  std::string LastQuery() const {
    auto last = Read<void (*)(char*, int)>("FakeLastQuery");
    char text[256] = "";
    if (last != nullptr) last(text, sizeof text);
    return text;
  }
  // Calls hanging in the library now; letting them go.
  int Hanging() const {
    auto hanging = Read<int (*)()>("FakeHanging");
    return hanging != nullptr ? hanging() : 0;
  }
  void LetGo() const {
    if (auto letGo = Read<void (*)()>("FakeLetGo")) letGo();
  }
  test::TempFolder folder;
};

struct AboutBoxTest : ::testing::Test {
  std::unique_ptr<qt::AboutBox> Open(const LibraryFolder& library) {
    TAboutBoxSources sources = qt::AboutBox::DefaultAboutBoxSources();
    sources.libraryPath = library.Path();
    sources.version = "2.3.0.0";
    auto box = std::make_unique<qt::AboutBox>(form, sources);
    box->Model().Timer1.Interval = 10;
    box->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(box.get(), kNoTimeLimit));
    return box;
  }
  static QString Line(qt::AboutBox& box) { return box.findChild<QLabel*>("LabelVer")->text(); }

  TForm1 form;
};

}  // namespace

TEST_F(AboutBoxTest, TheVersionLineShowsWhatTheLibraryAnswers) {
  struct Case {
    const char* behaviour;  // nullptr: no library in the folder
    const char* line;
    int statusCalls;  // each step asks again after a status other than 0
  };
  const Case cases[] = {
      {"now", "Current version: 2.5.0.1", 1},
      {"late", "Current version: 2.6.1.0", 5},
      {"failstart", "Current version: unavailable...", 0},
      {"notext", "Current version: unavailable...", 1},
      {"noanswer", "", 0},  // an entry point missing: as without the library
      {nullptr, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.behaviour != nullptr ? c.behaviour : "no library");
    const LibraryFolder library(c.behaviour);
    auto box = Open(library);
    WaitUntil([&] { return !box->Timer()->isActive(); });
    EXPECT_EQ(Line(*box).toStdString(), c.line);
    EXPECT_EQ(library.Polls(), c.statusCalls);
  }
}

// A status other than 0 is asked again at once, and only a -1 then is a
// failure; there is no time-out, so a query that never ends keeps checking
// until the box is closed.
TEST_F(AboutBoxTest, AQueryThatNeverEndsKeepsCheckingUntilTheBoxCloses) {
  for (const char* behaviour : {"never", "flicker"}) {
    SCOPED_TRACE(behaviour);
    const LibraryFolder library(behaviour);
    auto box = Open(library);
    WaitUntil([&] { return library.Polls() >= 200; });
    EXPECT_EQ(Line(*box), "Checking for latest version...");
    EXPECT_TRUE(box->Timer()->isActive());
    box->close();
    WaitUntil([&] { return !box->Model().Query().Calling(); });
    EXPECT_EQ(library.Polls() % 2, 0) << "two status calls a step";
  }
}

TEST_F(AboutBoxTest, ALibraryThatIsNoLibraryLeavesTheLineEmpty) {
  LibraryFolder library(nullptr);
  test::WriteBytes(library.Path(), "\x7f" "ELF but not really");
  auto box = Open(library);
  EXPECT_FALSE(box->Timer()->isActive());
  EXPECT_EQ(Line(*box), "");
  EXPECT_EQ(box->findChild<QLabel*>("Version")->text(), "Kestrova, v2.3.0.0");
}

TEST_F(AboutBoxTest, TheWindowAnswersWhileTheQueryRunsAndClosingStopsThePolling) {
  const LibraryFolder library("never");
  auto box = Open(library);
  EXPECT_EQ(Line(*box), "Checking for latest version...");
  EXPECT_TRUE(box->Timer()->isActive());
  bool answered = false;
  QTimer::singleShot(20, [&answered] { answered = true; });
  WaitUntil([&] { return answered; });
  WaitUntil([&] { return library.Polls() >= 2; });
  EXPECT_TRUE(box->Timer()->isActive());
  QTest::keyClick(box.get(), Qt::Key_Escape);
  EXPECT_FALSE(box->isVisible());
  EXPECT_FALSE(box->Timer()->isActive());
  EXPECT_EQ(box->Model().ModalResult(), mrOk);
  // A status call made just before may still be on its way.
  WaitUntil([&] { return !box->Model().Query().Calling(); });
  const int polls = library.Polls();
  QTest::qWait(60);
  EXPECT_EQ(library.Polls(), polls);
}

TEST_F(AboutBoxTest, EachOpeningAsksOnce) {
  const LibraryFolder library("late");
  auto first = Open(library);
  first->close();
  auto second = Open(library);
  WaitUntil([&] { return library.Queries() == 2; });
  EXPECT_EQ(library.LastQuery(), "https://zandrelko.example/version q=version&p=kestro&v=2.3.0.0");
}

TEST_F(AboutBoxTest, ALibraryCallThatDoesNotReturnHoldsUpNeitherTheBoxNorItsClosing) {
  for (const char* behaviour : {"queryhangs", "statushangs"}) {
    SCOPED_TRACE(behaviour);
    const LibraryFolder library(behaviour);
    // Escape closes the box while the call hangs.
    auto first = Open(library);
    WaitUntil([&] { return library.Hanging() == 1; });
    EXPECT_EQ(Line(*first), "Checking for latest version...");
    QTest::keyClick(first.get(), Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
    first.reset();

    // A box opened again keeps checking while the calls hang, and its OK button closes it.
    auto second = Open(library);
    EXPECT_EQ(Line(*second), "Checking for latest version...");
    EXPECT_TRUE(second->Timer()->isActive());
    EXPECT_GE(library.Hanging(), 1);
    QTest::mouseClick(second->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_FALSE(second->isVisible());
    second.reset();

    // The calls return once let go; the library stays loaded all along.
    library.LetGo();
    WaitUntil([&] { return library.Hanging() == 0; });
  }
}

TEST_F(AboutBoxTest, ShowsTheProgramTheSystemAndTheWebLink) {
  const LibraryFolder library(nullptr);
  std::string opened;
  form.Hooks.OpenURL = [&opened](const std::string& url) { opened = url; };
  auto box = Open(library);
  EXPECT_EQ(box->windowTitle(), "About...");
  EXPECT_EQ(box->size(), QSize(277, 397));
  EXPECT_FALSE(box->findChild<QLabel*>("Image1")->pixmap().isNull());
  // Six lines, each ended: the title and one fact each, in this order.
  const QStringList lines = box->findChild<QPlainTextEdit*>("MemoSys")->toPlainText().split('\n');
  const QStringList starts{"SYSTEM INFORMATION:", "System: ", "User Name: ", "Company Name: ", "Default Language: ",
                           "Total memory: ", ""};
  ASSERT_EQ(lines.size(), starts.size()) << lines.join('|').toStdString();
  for (qsizetype i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i].startsWith(starts[i])) << lines[i].toStdString();
  // Every fact shows without scrolling, the last one whole.
  auto* memo = box->findChild<QPlainTextEdit*>("MemoSys");
  const QTextBlock last = memo->document()->findBlockByNumber(memo->document()->blockCount() - 2);
  EXPECT_TRUE(last.text().startsWith("Total memory: ")) << last.text().toStdString();
  EXPECT_LE(memo->cursorRect(QTextCursor(last)).bottom(), memo->viewport()->height() - 1);
  auto* web = box->findChild<qt::WWWLabel*>("LabelWeb");
  ASSERT_NE(web, nullptr);
  EXPECT_EQ(web->text(), "https://zandrelko.example/");
  QTest::mouseClick(web, Qt::LeftButton);
  EXPECT_EQ(opened, "https://zandrelko.example/");
  // Every text fits its place.
  for (const char* name : {"Version", "Comments", "Credits", "LabelWeb", "LabelVer"}) {
    auto* label = box->findChild<QLabel*>(name);
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
  }
  QTest::mouseClick(box->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_FALSE(box->isVisible());
}

TEST_F(AboutBoxTest, RunAboutBoxWaitsUntilTheBoxCloses) {
  LangIndex = lgPolish;
  QString title;
  test::WhenModalShown([&title](QWidget* box) {
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(qt::RunAboutBox(nullptr, form), mrOk);
  LangIndex = lgEnglish;
  EXPECT_EQ(title, "O programie...");
}

TEST_F(AboutBoxTest, TheWebLinkIsATabStopWithAFocusMarkOpenedByEnterOrSpace) {
  const LibraryFolder library(nullptr);
  std::vector<std::string> opened;
  form.Hooks.OpenURL = [&opened](const std::string& url) { opened.push_back(url); };
  auto box = Open(library);
  box->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(box.get(), kNoTimeLimit));
  EXPECT_EQ(QApplication::focusWidget(), box->findChild<QPushButton*>("OKButton"));
  auto* web = box->findChild<qt::WWWLabel*>("LabelWeb");
  const QImage plain = web->grab().toImage();
  QTest::keyClick(box->windowHandle(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), web);
  EXPECT_NE(web->grab().toImage(), plain);
  QTest::keyClick(box->windowHandle(), Qt::Key_Return);
  QTest::keyClick(box->windowHandle(), Qt::Key_Space);
  EXPECT_EQ(opened, std::vector<std::string>(2, "https://zandrelko.example/"));
  EXPECT_TRUE(box->isVisible());
}
