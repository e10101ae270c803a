#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <set>

#include "core/files/IniFile.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/qt/TextFit.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/form/FormStorage.h"
#include "ui/qt/application/Application.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/widgets/RendererWidget.h"

using namespace kestrova;
using namespace kestrova::test;

TEST(MainWindow, StartsWithItsTitleTheNewImagePageAndTheFirstShowRefreshers) {
  ProgramFolderSandbox sandbox;
  TestWindow w;
  EXPECT_EQ(w.window->windowTitle(), "Kestrova");
  auto* pages = w.Find<QTabWidget>("PageControl1");
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->count(), 6);
  EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheetNew");
  EXPECT_EQ(pages->tabText(0), "New image");
  // FormShow ran: the output format's page and the empty image information.
  EXPECT_EQ(w.Find<QTabWidget>("PageControl2")->currentWidget()->objectName(), "TabSheet2");
  EXPECT_EQ(w.Find<QLabel>("LabelInfo")->text(), " Empty image");
  EXPECT_FALSE(w.Find<QCheckBox>("cbRound3D")->isEnabled());
  EXPECT_EQ(w.Find<QSpinBox>("RxSpinEditRMargin")->minimum(), INT_MIN);
  EXPECT_EQ(w.window->statusBar()->findChildren<QLabel*>().size(), 2);
}

TEST(MainWindow, RunTimeControlsSitAtTheirBoundsInTheirGroups) {
  TestWindow w;
  struct Case {
    const char* name;
    const char* parent;
    QRect bounds;
  };
  const Case cases[] = {
      {"BitBtnGC1", "GBGradient", {8, 40, 75, 25}},       {"RxSpinEditFW", "GBFrame", {176, 12, 49, 21}},
      {"Buttonizer1", "GBButton", {120, 16, 161, 41}},    {"RxSlider1", "GBButton", {144, 80, 201, 33}},
      {"RxSliderJPG", "GBjpg", {5, 16, 40, 193}},         {"DirectoryEdit1", "TabSheetOut", {8, 16, 233, 21}},
      {"RxSpinEditBtnPerImg", "TabSheetDisp", {196, 181, 57, 21}},
      {"BitBtnShadowColor", "TabSheetSha", {230, 22, 113, 25}},
  };
  for (const Case& c : cases) {
    auto* widget = w.Find<QWidget>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->parentWidget()->objectName(), c.parent) << c.name;
    EXPECT_EQ(widget->geometry(), c.bounds) << c.name;
  }
}

// The splitter between the option pages and the output panel is yellow all
// over; the one beside the captions keeps the style's look.
TEST(MainWindow, TheSplitterBetweenTheOptionPagesAndTheOutputIsYellow) {
  TestWindow w;
  EXPECT_EQ(w.Form().RxSplitter1.Color(), 0x00FFFFu);
  auto* splitter = w.Find<QSplitter>("Splitter");
  ASSERT_NE(splitter, nullptr);
  const auto colours = [](QWidget* widget) {
    const QImage image = widget->grab().toImage();
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) found.insert(image.pixel(x, y) & 0xFFFFFF);
    }
    return found;
  };
  QSplitterHandle* between = splitter->handle(splitter->indexOf(w.Find<QWidget>("PanelRight")));
  ASSERT_EQ(between->objectName(), "RxSplitter1");
  ASSERT_GT(between->width(), 0);
  EXPECT_EQ(colours(between), std::set<QRgb>{0xFFFF00});
  EXPECT_EQ(colours(splitter->handle(splitter->indexOf(w.Find<QWidget>("PanelMain")))).count(0xFFFF00), 0u);
}

// Every option page (and every page of the output-format pages) shown in turn,
// in each language: no caption, group title, button text, item or tab text is
// cut off by its widget, its parent or a control lying over it, or lies on the
// frame lines of its group (ctest runs this at the scale factors 1, 1.5 and 2).
TEST(MainWindow, EveryCaptionFitsItsWidgetInEveryLanguage) {
  TestWindow w;
  auto* pages = w.Find<QTabWidget>("PageControl1");
  auto* formats = w.Find<QTabWidget>("PageControl2");
  const std::vector<std::string> samples{"LabelABC", "LabelSh1", "LabelSh2", "LabelSh3"};
  for (const char* flag : {"BitBtnEN", "BitBtnPL", "BitBtnDE", "BitBtnES", "BitBtnIT"}) {
    w.Find<QToolButton>(flag)->click();
    for (int page = 0; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      const int subpages = pages->currentWidget()->isAncestorOf(formats) ? formats->count() : 1;
      for (int sub = 0; sub < subpages; ++sub) {
        if (subpages > 1) formats->setCurrentIndex(sub);
        QCoreApplication::processEvents();
        for (const std::string& fault : TextsCutOff(pages, samples)) ADD_FAILURE() << flag << " " << fault;
      }
    }
  }
  w.Find<QToolButton>("BitBtnEN")->click();
}

TEST(MainWindow, Timer1KeepsTheCommandsEnabledStateCurrent) {
  TestWindow w;
  TForm1& form = w.Form();
  QAction* generate = w.window->findChild<QAction*>("TBGen");
  QAction* save = w.window->findChild<QAction*>("TBSaveBtns");
  // The window's own timer, running as in the program (each wait lasts until it has run).
  ASSERT_EQ(w.window->Timer1()->interval(), 50);
  w.window->Timer1()->start();
  form.ImageBase.SetPicture(Bitmap(40, 16));
  w.Find<QPlainTextEdit>("MemoTxt")->setPlainText("Home\nNews");
  WaitUntil([&] { return generate->isEnabled(); });
  form.MemoTxt.SetText("");
  WaitUntil([&] { return !generate->isEnabled(); });

  form.ScrollBox2.AddImage("newbutton0");
  WaitUntil([&] { return save->isEnabled(); });
  form.ClearPreviews();
  WaitUntil([&] { return !save->isEnabled(); });
  w.window->Timer1()->stop();
}

TEST(MainWindow, AFlagSwitchesTheTextsOfEveryGroupAndKeepsRadioSelections) {
  TestWindow w;
  TForm1& form = w.Form();
  form.RGDisplay.SetItemIndex(2);
  form.RGCutMode.SetItemIndex(1);
  w.Find<QToolButton>("BitBtnPL")->click();
  EXPECT_EQ(w.Find<QTabWidget>("PageControl1")->tabText(0), "Nowy obrazek");      // page
  EXPECT_EQ(w.Find<QGroupBox>("GBFrame")->title(), "Ramka");                       // group box
  EXPECT_EQ(w.Find<QCheckBox>("cbGradient")->text(), "Wypełnij gradientem");       // check box
  EXPECT_EQ(w.Find<QPushButton>("BitBtnGC1")->text(), "Kolor#1");                  // colour button
  EXPECT_EQ(w.Find<QLabel>("Label13")->text(), "Szerokość");                       // label
  EXPECT_EQ(w.Find<QWidget>("Buttonizer1")->toolTip(), "Próbka efektu przycisku");  // hint
  EXPECT_EQ(w.window->findChild<QMenu*>("View1")->title(), "Widok");               // menu
  EXPECT_EQ(w.window->findChild<QAction*>("Close1")->text(), "Zamknij");           // menu item
  EXPECT_EQ(w.window->findChild<QAction*>("TBGen")->toolTip(), "Generuj...");     // tool button
  auto* display = w.Find<QGroupBox>("RGDisplay");
  const auto items = display->findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[2]->text(), "Matryca");
  EXPECT_TRUE(items[2]->isChecked());
  EXPECT_EQ(form.RGCutMode.ItemIndex(), 1);
  EXPECT_EQ(w.Find<QLabel>("LabelInfo")->text(), " Pusty obrazek");
  w.Find<QToolButton>("BitBtnEN")->click();
  EXPECT_EQ(w.Find<QGroupBox>("GBFrame")->title(), "Frame");
}

TEST(MainWindow, AColourButtonAsksFromItsColourAndShowsTheChoice) {
  TestWindow w;
  TForm1& form = w.Form();
  form.cbGradient.SetChecked(true);
  form.cbFrame.SetChecked(true);
  w.answers.colour = 0x00FF00;
  w.Find<QPushButton>("BitBtnGC1")->click();
  ASSERT_EQ(w.answers.colourStarts.size(), 1u);
  EXPECT_EQ(w.answers.colourStarts[0], 0xC0C0C0u);
  EXPECT_EQ(form.GradientImage1.ColorStart(), 0x00FF00u);
  EXPECT_EQ(w.Find<QPushButton>("BitBtnGC1")->icon().pixmap(9, 14).toImage().pixelColor(3, 3), QColor(0, 255, 0));
  w.answers.colour.reset();  // Cancel
  w.Find<QPushButton>("BitBtnFrameColor")->click();
  EXPECT_EQ(form.CurrentSettings.FrameColor, 0u);
}

TEST(MainWindow, ASpinEditChangeRendersTheEffectSampleAgainAndRunsItsHandlerOnce) {
  TestWindow w;
  TForm1& form = w.Form();
  int runs = 0;
  form.RxSpinEditBX.SetOnChange([&] {
    ++runs;
    form.ApplyButtonEffect();
  });
  auto* sample = w.Find<qt::RendererWidget>("Buttonizer1");
  form.RxSlider1.SetValue(100);
  sample->Render();
  const QImage before = sample->Picture();
  w.Find<QSpinBox>("RxSpinEditBX")->setValue(12);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(form.Buttonizer1.X(), 12);
  sample->Render();
  EXPECT_NE(sample->Picture(), before);
  form.RxSpinEditBX.SetValue(5);  // a model change shown by the widget runs the handler once
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(w.Find<QSpinBox>("RxSpinEditBX")->value(), 5);
}

TEST(MainWindow, TheExitQuestionAnsweredNoKeepsTheWindowAndWritesNothing) {
  ProgramFolderSandbox sandbox;
  TestWindow w;
  w.answers.messageAnswer = mrNo;
  EXPECT_FALSE(w.window->close());
  EXPECT_TRUE(w.window->isVisible());
  ASSERT_EQ(w.answers.messages.size(), 1u);
  EXPECT_EQ(w.answers.messages[0], "Exit application (any unsaved data will be lost)?");
  EXPECT_FALSE(std::filesystem::exists(sandbox.Writable("")));
}

TEST(MainWindow, TheExitQuestionAnsweredYesWritesTheWindowStoreIconListAndProgramSettings) {
  ProgramFolderSandbox sandbox;
  {
    TestWindow w;
    w.Form().BulletList = {"star.png"};
    w.Find<QToolButton>("BitBtnDE")->click();
    w.window->setGeometry(30, 40, 900, 650);
    w.answers.messageAnswer = mrYes;
    EXPECT_TRUE(w.window->close());
  }
  const TIniFile store(sandbox.Writable("kestrova-ui.ini"));
  EXPECT_EQ(store.ReadInteger("TForm1", "Language", -1), 2);
  EXPECT_EQ(store.ReadString("TForm1", "NormPos", ""), "30,40,930,690");
  EXPECT_EQ(ReadBytes(sandbox.Writable("bullets.ini")), "star.png\r\n");
  EXPECT_TRUE(std::filesystem::exists(sandbox.Writable("kestro.ini")));

  TestWindow again;  // the language and the placement come back
  EXPECT_EQ(again.window->geometry(), QRect(30, 40, 900, 650));
  EXPECT_EQ(again.Find<QGroupBox>("GBFrame")->title(), "Rahmen");
  SetLangIndex(lgEnglish);
}

TEST(MainWindow, AltF4IsTheCloseItemsOwnShortcut) {
  TestWindow w;
  QAction* close = w.window->findChild<QAction*>("Close1");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
  w.answers.messageAnswer = mrNo;
  close->trigger();
  EXPECT_EQ(w.answers.messages.size(), 1u);
}

TEST(MainWindow, TheViewTogglesAndTheCollapseBarHidePartsOfTheWindow) {
  TestWindow w;
  w.window->findChild<QAction*>("Textpanelvisible1")->trigger();
  EXPECT_TRUE(w.Find<QWidget>("MemoTxt")->isHidden());
  EXPECT_FALSE(w.window->findChild<QAction*>("Textpanelvisible1")->isChecked());
  w.window->findChild<QAction*>("Outputvisible1")->trigger();
  EXPECT_TRUE(w.Find<QWidget>("PanelRight")->isHidden());
  w.Find<QPushButton>("BitBtnX")->click();
  EXPECT_TRUE(w.Find<QWidget>("PageControl1")->isHidden());
  EXPECT_EQ(w.Find<QWidget>("PanelCtl")->height(), 10);
  w.Find<QPushButton>("BitBtnX")->click();
  EXPECT_EQ(w.Find<QWidget>("PanelCtl")->height(), 425);
}

TEST(MainWindow, TheHintOfTheControlUnderTheMouseGoesToTheStatusBar) {
  TestWindow w;
  w.Form().ApplicationHint(qt::HintAt(w.Find<QWidget>("Buttonizer1")));
  EXPECT_EQ(w.window->statusBar()->findChildren<QLabel*>()[0]->text(), "Buttonize sample");
  w.Form().ApplicationHint(qt::HintAt(w.Find<QToolButton>("TBGen")));
  EXPECT_EQ(w.window->statusBar()->findChildren<QLabel*>()[0]->text(), "Generate...");
}

// Last of the window tests: the exception ends the application's event loop.
TEST(MainWindow, AnExceptionInAHandlerEndsTheProgramAfterTheCriticalErrorMessage) {
  TestWindow w;
  auto* app = static_cast<qt::Application*>(QCoreApplication::instance());
  qt::MainWindow* window = w.window.get();
  app->OnException = [window](const std::string& message) { window->Form().ApplicationException(message); };
  w.Form().cbShadow.SetOnClick([] { throw std::runtime_error("Access violation"); });
  QTimer::singleShot(0, [&w] { w.Find<QCheckBox>("cbShadow")->click(); });
  EXPECT_EQ(app->exec(), 1);
  app->OnException = nullptr;
  ASSERT_EQ(w.answers.messages.size(), 1u);
  EXPECT_EQ(w.answers.messages[0], "Critical error - program will be terminated...\r\nAccess violation");
  EXPECT_TRUE(w.Form().TerminateRequested);
}
