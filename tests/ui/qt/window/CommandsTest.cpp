// The main window's commands as a user reaches them: menu items and their
// shortcuts, tool buttons, buttons, pop-up menus, double clicks, the mouse on
// the base image, dropped files and the clipboard. Dialogs are answered by
// the test; the browser is a fake xdg-open that records its arguments.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <set>

#include "core/images/ImageFiles.h"
#include "rendering/Canvas.h"
#include "tests/ui/model/commands/SessionSupport.h"
#include "tests/ui/qt/FakeProgram.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/commands/MakerAddresses.h"
#include "ui/model/commands/ViewerFailure.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/widgets/ImageView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/WebLinks.h"
#include "ui/qt/window/PopupMenus.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

QAction* Action(TestWindow& w, const char* name) { return w.window->findChild<QAction*>(name); }

QString StatusText(TestWindow& w, int panel) { return w.window->statusBar()->findChildren<QLabel*>()[panel]->text(); }

// A project that sets the new image's width and one caption.
void WriteProject(const std::string& path, int width) {
  WriteBytes(path, "[main]\r\nnewx=" + std::to_string(width) + "\r\n[captions]\r\nc0=Dropped\r\n");
}

// Drags the files over the widget and drops them there, as a file manager does.
void DropFiles(QWidget* target, const std::vector<std::string>& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& file : files) urls << QUrl::fromLocalFile(QString::fromStdString(file));
  data.setUrls(urls);
  const QPoint at(5, 5);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

TColor ColourOf(const QImage& image, int x, int y) { return qt::FromQColor(image.pixelColor(x, y)); }

}  // namespace

TEST(MainMenu, HoldsEveryItemWithItsCaptionAndShortcut) {
  TestWindow w;
  struct Row {
    const char* item;
    const char* caption;
    QKeySequence shortcut;
  };
  const Row rows[] = {
      {"Loadsettings1", "Load project", QKeySequence("Ctrl+O")},
      {"Savesettings1", "Save project", QKeySequence("Ctrl+S")},
      {"Savegeneratedbuttons1", "Save generated buttons", QKeySequence("F12")},
      {"Openbaseimage1", "Open base image", QKeySequence("Ctrl+I")},
      {"Savebaseimage1", "Save base image", QKeySequence()},
      {"Openbuttoncaptionstextfile1", "Open button captions", QKeySequence("Ctrl+T")},
      {"Savecaptions1", "Save button captions", QKeySequence()},
      {"Close1", "Close", QKeySequence("Alt+F4")},
      {"Recreateimage1", "Recreate image", QKeySequence("F5")},
      {"Presets1", "Presets...", QKeySequence("F4")},
      {"Processimage1", "Process image...", QKeySequence("F3")},
      {"Font1", "Font", QKeySequence("Ctrl+F")},
      {"Adjustcolor1", "Color", QKeySequence("Ctrl+G")},
      {"Generateimages1", "Generate output images", QKeySequence("F9")},
      {"Textpanelvisible1", "Text panel visible", QKeySequence()},
      {"HelpMenuItem", "Help", QKeySequence("F1")},
      {"PayPaldonation1", "PayPal donation", QKeySequence()},
      {"Zandrelkocom1", "zandrelko.example", QKeySequence()},
      {"About1", "About...", QKeySequence()},
  };
  for (const Row& row : rows) {
    QAction* action = Action(w, row.item);
    ASSERT_NE(action, nullptr) << row.item;
    EXPECT_EQ(action->text(), row.caption) << row.item;
    EXPECT_EQ(action->shortcut(), row.shortcut) << row.item;
  }
  QStringList menus;
  for (QAction* menu : w.window->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"File", "Button", "View", "Help"}));
  // Load recent is a sub-menu of File, empty at first.
  auto* recent = w.window->findChild<QMenu*>("Loadrecent1");
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(recent->title(), "Load recent");
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_EQ(recent->actions()[0]->text(), "{none}");
  EXPECT_FALSE(recent->actions()[0]->isEnabled());
}

TEST(MainMenu, EveryShortcutReachesItsHandlerWhileTheCaptionsHaveTheFocus) {
  TestWindow w;
  TForm1& form = w.Form();
  FakeProgram opener("xdg-open");
  int presets = 0, process = 0;
  w.window->OpenPresetsDialog = [&presets] { ++presets; };
  w.window->OpenProcessDialog = [&process] { ++process; };
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.MemoTxt.SetText("Home\r\n");
  form.Timer1Timer();  // the commands' enabled state as the timer keeps it
  w.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get(), kNoTimeLimit));
  auto* memo = w.Find<QPlainTextEdit>("MemoTxt");
  memo->setFocus();

  const auto press = [&](QKeySequence keys) {
    const QKeyCombination key = keys[0];
    QTest::keyClick(memo, key.key(), key.keyboardModifiers());
  };
  // Each dialog command asks its own dialog (answered Cancel).
  const std::pair<const char*, const char*> dialogKeys[] = {
      {"Ctrl+O", "OpenDialog2"},
      {"Ctrl+S", "SaveDialog2"},
      {"Ctrl+I", "OpenPictureDialog1"},
      {"Ctrl+T", "OpenDialog1"},
  };
  for (const auto& [keys, dialog] : dialogKeys) {
    w.answers.fileDialogs.clear();
    press(QKeySequence(keys));
    EXPECT_EQ(w.answers.fileDialogs, std::vector<std::string>{dialog}) << keys;
  }
  press(QKeySequence("Ctrl+F"));
  EXPECT_EQ(w.answers.fontStarts.size(), 1u);
  press(QKeySequence("Ctrl+G"));
  EXPECT_EQ(w.answers.colourStarts.size(), 1u);
  press(QKeySequence("F4"));
  EXPECT_EQ(presets, 1);
  press(QKeySequence("F3"));
  EXPECT_EQ(process, 1);
  press(QKeySequence("F5"));
  EXPECT_EQ(form.ImageBase.Picture().Width(), form.RxSpinEditNewX.Value());
  press(QKeySequence("F9"));
  EXPECT_EQ(form.ScrollBox2.ImageCount(), 1);
  form.Timer1Timer();
  {
    TempFolder output;
    ScopedCurrentFolder here(output.Path());
    press(QKeySequence("F12"));
    EXPECT_EQ(w.answers.messages.back().substr(0, 19), "OK. Files saved to:");
  }
  press(QKeySequence("F1"));
  const std::vector<std::string> help = opener.TakeArguments();
  ASSERT_EQ(help.size(), 1u);
  EXPECT_TRUE(help[0].ends_with("Kestroen.html")) << help[0];
  w.answers.messageAnswer = mrNo;
  press(QKeySequence("Alt+F4"));
  EXPECT_EQ(w.answers.messages.back(), "Exit application (any unsaved data will be lost)?");
  EXPECT_EQ(memo->toPlainText(), "Home\n");  // no key reached the captions
}

TEST(MainMenu, ToolButtonsAndButtonsRunTheCommandsOfTheirMenuItems) {
  TestWindow w;
  int presets = 0;
  w.window->OpenPresetsDialog = [&presets] { ++presets; };
  const std::pair<const char*, const char*> tools[] = {
      {"TBLoad", "OpenDialog2"},      {"TBSave", "SaveDialog2"},      {"TBLoadImg", "OpenPictureDialog1"},
      {"TBSaveImg", "SavePictureDialog1"}, {"TBLoadTxt", "OpenDialog1"}, {"TBSaveTxt", "SaveDialog1"},
      {"Savebaseimage1", "SavePictureDialog1"}, {"Savecaptions1", "SaveDialog1"},
  };
  for (const auto& [tool, dialog] : tools) {
    w.answers.fileDialogs.clear();
    Action(w, tool)->trigger();
    EXPECT_EQ(w.answers.fileDialogs, std::vector<std::string>{dialog}) << tool;
  }
  Action(w, "TBFont")->trigger();
  w.Find<QPushButton>("BitBtnFont")->click();
  EXPECT_EQ(w.answers.fontStarts.size(), 2u);
  Action(w, "TBColor")->trigger();
  EXPECT_EQ(w.answers.colourStarts.size(), 1u);
  Action(w, "TBPres")->trigger();
  w.Find<QPushButton>("BitBtnPreset")->click();
  EXPECT_EQ(presets, 2);
  // With no dialog connected the command opens nothing.
  w.window->OpenAboutBox = nullptr;
  Action(w, "About1")->trigger();
}

TEST(MainMenu, ProcessImageRefreshesTheImageInformationAfterItsDialog) {
  TestWindow w;
  TForm1& form = w.Form();
  w.window->OpenProcessDialog = [&form] { form.ImageBase.Picture() = Bitmap(33, 7); };
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.Timer1Timer();
  Action(w, "TBProcess")->trigger();
  EXPECT_TRUE(w.Find<QLabel>("LabelInfo")->text().contains("33x7")) << w.Find<QLabel>("LabelInfo")->text().toStdString();
}

TEST(FileCommands, ACancelledDialogChangesNothing) {
  TestWindow w;
  TForm1& form = w.Form();
  form.MemoTxt.SetText("Keep\r\n");
  for (const char* item : {"Loadsettings1", "Savesettings1", "Openbaseimage1", "Savebaseimage1",
                           "Openbuttoncaptionstextfile1", "Savecaptions1"}) {
    Action(w, item)->trigger();
  }
  EXPECT_EQ(w.answers.fileDialogs.size(), 6u);
  EXPECT_TRUE(w.answers.messages.empty());
  EXPECT_EQ(form.MemoTxt.Text(), "Keep\r\n");
  EXPECT_EQ(form.Recent1.Count(), 0);
  EXPECT_EQ(StatusText(w, 1), "");
}

TEST(FileCommands, SavingAProjectAddsItToTheRecentMenuWhichOpensItAgain) {
  TempFolder folder;
  TestWindow w;
  TForm1& form = w.Form();
  const std::string project = folder / "site.btn";
  form.MemoTxt.SetText("Home\r\nNews\r\n");
  form.RxSpinEditNewX.SetValue(91);
  w.answers.files = {project};
  Action(w, "Savesettings1")->trigger();
  EXPECT_TRUE(w.answers.messages.empty());
  EXPECT_EQ(StatusText(w, 1).toStdString(), project);
  EXPECT_NE(ReadBytes(project).find("c1=News\r\n"), std::string::npos);
  auto* recent = w.window->findChild<QMenu*>("Loadrecent1");
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_TRUE(recent->actions()[0]->text().startsWith("&A "));
  EXPECT_EQ(recent->actions()[0]->objectName(), "Recent1Item1");

  form.RxSpinEditNewX.SetValue(20);
  form.MemoTxt.SetText("");
  recent->actions()[0]->trigger();
  EXPECT_EQ(form.RxSpinEditNewX.Value(), 91);
  EXPECT_EQ(form.MemoTxt.Text(), "Home\r\nNews\r\n");

  // The save dialog starts at the project's name; Load project opens the file chosen.
  WriteProject(folder / "other.btn", 64);
  w.answers.files = {folder / "other.btn"};
  Action(w, "Loadsettings1")->trigger();
  EXPECT_EQ(form.RxSpinEditNewX.Value(), 64);
  EXPECT_EQ(recent->actions().size(), 2);
  w.answers.files.clear();
  Action(w, "Savesettings1")->trigger();
  EXPECT_EQ(w.answers.fileDialogStarts.back(), folder / "other.btn");
}

// A picture renamed to .btn, chosen in the project dialog or dropped, is
// refused with the reason: the settings, the previews shown, the recent menu
// and the status bar stay as they were.
TEST(FileCommands, AFileThatIsNoProjectIsRefusedAndTheWindowStaysAsItWas) {
  TempFolder folder;
  TestWindow w;
  TForm1& form = w.Form();
  WriteProject(folder / "site.btn", 91);
  w.answers.files = {folder / "site.btn"};
  Action(w, "Loadsettings1")->trigger();
  GeneratePreviews(w, "One\r\nTwo\r\n");
  qt::ImageBoxView* panel = w.window->OutputPanel();
  panel->Sync();
  const QSize content = panel->ContentSize();
  auto* recent = w.window->findChild<QMenu*>("Loadrecent1");
  ASSERT_EQ(recent->actions().size(), 1);
  const QString entry = recent->actions()[0]->text();
  ASSERT_TRUE(w.answers.messages.empty());

  const std::string photo = folder / "photo.btn";
  WriteBytes(photo, ReadBytes(std::string(KESTROVA_TEST_DATA) + "/jpeg/colour.jpg"));
  w.answers.files = {photo};
  Action(w, "Loadsettings1")->trigger();
  DropFiles(w.window.get(), {photo});
  const std::string refused = "Error opening file: \r\n" + photo + "\r\nNot a project file";
  EXPECT_EQ(w.answers.messages, (std::vector<std::string>{refused, refused}));
  EXPECT_EQ(w.Find<QSpinBox>("RxSpinEditNewX")->value(), 91);
  EXPECT_EQ(w.Find<QPlainTextEdit>("MemoTxt")->toPlainText(), "One\nTwo\n");
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 2);
  panel->Sync();
  EXPECT_EQ(panel->ContentSize(), content);
  ASSERT_NE(panel->ImageAt(QPoint(5, 3)), nullptr);
  EXPECT_EQ(panel->ImageAt(QPoint(5, 3))->Hint(), "One");
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_EQ(recent->actions()[0]->text(), entry);
  EXPECT_EQ(StatusText(w, 1).toStdString(), folder / "site.btn");
}

TEST(FileCommands, SavingAProjectWhereItCannotBeWrittenReportsTheReasonAndChangesNothing) {
  TestWindow w;
  TForm1& form = w.Form();
  form.Recent1.AddFile("/work/old.btn");
  form.StatusBar1.SetPanelText(1, "old.btn");
  const std::string project = "/nonexistent-folder/site.btn";
  w.answers.files = {project};
  Action(w, "Savesettings1")->trigger();
  ASSERT_EQ(w.answers.messages.size(), 1u);
  EXPECT_EQ(w.answers.messages[0],
            "Error saving: " + project + "\r\nUnable to write to " + project + " (No such file or directory)");
  EXPECT_EQ(form.Recent1.Files(), std::vector<std::string>{"/work/old.btn"});
  EXPECT_EQ(StatusText(w, 1), "old.btn");
}

TEST(FileCommands, OpensAndSavesTheBaseImageAndReportsAFileThatCannotBeRead) {
  TempFolder folder;
  TestWindow w;
  TForm1& form = w.Form();
  WriteBmpFile(folder / "base.bmp", 30, 10, 0x336699);
  w.answers.files = {folder / "base.bmp"};
  Action(w, "Openbaseimage1")->trigger();
  EXPECT_EQ(form.ImageBase.Picture().Width(), 30);
  EXPECT_EQ(form.CurrentSettings.image_file, folder / "base.bmp");

  w.answers.files = {folder / "copy.bmp"};
  Action(w, "SaveImgPop")->trigger();
  Bitmap copy;
  std::string error;
  ASSERT_TRUE(LoadPictureInto(folder / "copy.bmp", &copy, error)) << error;
  EXPECT_EQ(copy.GetPixel(3, 3), 0x336699u);

  WriteBytes(folder / "broken.png", "not a picture");
  w.answers.files = {folder / "broken.png"};
  Action(w, "OpenImgPop")->trigger();
  ASSERT_EQ(w.answers.messages.size(), 1u);
  EXPECT_EQ(w.answers.messages[0].rfind("Error opening file: " + folder / "broken.png" + "\r\n", 0), 0u)
      << w.answers.messages[0];
  EXPECT_EQ(form.ImageBase.Picture().Width(), 30);
}

TEST(FileCommands, CaptionsAreReadAsUtf8OrTheCodePageAndWrittenAsUtf8WithCrLf) {
  TempFolder folder;
  TestWindow w;
  TForm1& form = w.Form();
  WriteBytes(folder / "utf8.txt", "Start\nÜber uns\n");
  w.answers.files = {folder / "utf8.txt"};
  Action(w, "TBLoadTxt")->trigger();
  EXPECT_EQ(form.MemoTxt.Text(), "Start\r\nÜber uns\r\n");
  EXPECT_EQ(w.Find<QPlainTextEdit>("MemoTxt")->toPlainText(), "Start\nÜber uns\n");

  WriteBytes(folder / "cp1252.txt", "Caf\xE9\r\n");  // not UTF-8: Windows-1252 for English
  w.answers.files = {folder / "cp1252.txt"};
  Action(w, "Openbuttoncaptionstextfile1")->trigger();
  EXPECT_EQ(form.MemoTxt.Text(), "Café\r\n");

  w.answers.files = {folder / "out.txt"};
  Action(w, "TBSaveTxt")->trigger();
  EXPECT_EQ(ReadBytes(folder / "out.txt"), "Café\r\n");

  w.answers.files = {folder / "missing.txt"};
  Action(w, "TBLoadTxt")->trigger();
  ASSERT_EQ(w.answers.messages.size(), 1u);
  EXPECT_EQ(w.answers.messages[0],
            "Error opening file: " + folder / "missing.txt" + "\r\nNo such file or directory");
  EXPECT_EQ(form.MemoTxt.Text(), "Café\r\n");

  // Larger than any real captions file (this one takes no disk space): refused unread.
  WriteSparseFile(folder / "huge.txt", std::uint64_t{3} << 30, "Home\n");
  w.answers.files = {folder / "huge.txt"};
  Action(w, "TBLoadTxt")->trigger();
  ASSERT_EQ(w.answers.messages.size(), 2u);
  EXPECT_EQ(w.answers.messages[1], "Error opening file: " + folder / "huge.txt" +
                                       "\r\nFile too large: 3221225472 bytes, at most 67108864 are read");
  EXPECT_EQ(form.MemoTxt.Text(), "Café\r\n");

  w.answers.files = {folder / "no-such-folder/out.txt"};
  Action(w, "Savecaptions1")->trigger();
  ASSERT_EQ(w.answers.messages.size(), 3u);
  EXPECT_EQ(w.answers.messages[2],
            "Error saving: " + folder / "no-such-folder/out.txt" + "\r\nNo such file or directory");
}

TEST(FileCommands, DoubleClicksOnTheBaseImageItsBoxAndTheCaptionsOpenTheirFiles) {
  TestWindow w;
  w.Form().ImageBase.SetPicture(Bitmap(40, 12));
  QTest::mouseDClick(w.Find<QWidget>("ImageBase"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QTest::mouseDClick(w.Find<QScrollArea>("ScrollBox1")->viewport(), Qt::LeftButton, Qt::NoModifier,
                     QPoint(200, 100));
  QTest::mouseDClick(w.Find<QPlainTextEdit>("MemoTxt")->viewport(), Qt::LeftButton);
  EXPECT_EQ(w.answers.fileDialogs,
            (std::vector<std::string>{"OpenPictureDialog1", "OpenPictureDialog1", "OpenDialog1"}));
}

TEST(DroppedFiles, OneFileOpensAsAProjectWhateverItsNameAndTwoOpenNothing) {
  TempFolder folder;
  TestWindow w;
  TForm1& form = w.Form();
  WriteProject(folder / "a.btn", 81);
  WriteProject(folder / "b.txt", 82);
  auto* memo = w.Find<QPlainTextEdit>("MemoTxt");
  const int width = form.RxSpinEditNewX.Value();

  DropFiles(memo->viewport(), {folder / "a.btn", folder / "b.txt"});
  EXPECT_EQ(form.RxSpinEditNewX.Value(), width);
  EXPECT_EQ(StatusText(w, 1), "");

  DropFiles(memo->viewport(), {folder / "b.txt"});  // onto the captions: opened, not typed
  EXPECT_EQ(form.RxSpinEditNewX.Value(), 82);
  EXPECT_EQ(StatusText(w, 1).toStdString(), folder / "b.txt");
  EXPECT_EQ(memo->toPlainText(), "Dropped\n");

  DropFiles(w.window.get(), {folder / "a.btn"});
  EXPECT_EQ(form.RxSpinEditNewX.Value(), 81);
  DropFiles(w.Find<QSpinBox>("RxSpinEditNewY"), {folder / "b.txt"});
  EXPECT_EQ(form.RxSpinEditNewX.Value(), 82);
  EXPECT_EQ(form.Recent1.Files(), (std::vector<std::string>{folder / "b.txt", folder / "a.btn"}));
}

TEST(CutPicking, OriginThenSizeAreTakenFromPressesOnTheBaseImage) {
  TestWindow w;
  TForm1& form = w.Form();
  form.ImageBase.SetPicture(Bitmap(200, 60));
  form.cbCut.SetChecked(true);  // the pick buttons work in cut mode
  QCoreApplication::processEvents();
  auto* image = w.Find<QWidget>("ImageBase");
  w.Find<QPushButton>("BitBtnX0Y0")->click();
  QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
  w.Find<QPushButton>("BitBtnXEYE")->click();
  QTest::mouseClick(image, Qt::RightButton, Qt::NoModifier, QPoint(110, 35));  // any button picks
  w.window->Popups()->ImageMenu()->close();
  EXPECT_EQ(form.RxSpinEditCutX0.Value(), 10);
  EXPECT_EQ(form.RxSpinEditCutY0.Value(), 5);
  EXPECT_EQ(form.RxSpinEditCutX.Value(), 100);
  EXPECT_EQ(form.RxSpinEditCutY.Value(), 30);
  EXPECT_EQ(w.Find<QSpinBox>("RxSpinEditCutX")->value(), 100);

  // Both buttons before one press: the origin there and the size 0 x 0.
  w.Find<QPushButton>("BitBtnX0Y0")->click();
  w.Find<QPushButton>("BitBtnXEYE")->click();
  QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
  EXPECT_EQ(form.RxSpinEditCutX0.Value(), 50);
  EXPECT_EQ(form.RxSpinEditCutY0.Value(), 20);
  EXPECT_EQ(form.RxSpinEditCutX.Value(), 0);
  EXPECT_EQ(form.RxSpinEditCutY.Value(), 0);

  // A size left of and above the origin comes to 0; unarmed presses change nothing.
  w.Find<QPushButton>("BitBtnXEYE")->click();
  QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
  EXPECT_EQ(form.RxSpinEditCutX.Value(), 0);
  EXPECT_EQ(form.RxSpinEditCutY.Value(), 10);
  QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(150, 50));
  EXPECT_EQ(form.RxSpinEditCutX0.Value(), 50);
  EXPECT_EQ(form.RxSpinEditCutY.Value(), 10);
}

TEST(GradientColours, RandomColoursNeverHoldTheChannelValue255) {
  TestWindow w;
  TForm1& form = w.Form();
  form.cbGradient.SetChecked(true);
  auto* button = w.Find<QPushButton>("BitBtnRnd");
  ASSERT_TRUE(button->isEnabled());
  std::set<TColor> seen;
  for (int i = 0; i < 300; ++i) {
    button->click();
    for (const TColor c : {form.GradientImage1.ColorStart(), form.GradientImage1.ColorMid(),
                           form.GradientImage1.ColorEnd()}) {
      EXPECT_NE(RedOf(c), 255);
      EXPECT_NE(GreenOf(c), 255);
      EXPECT_NE(BlueOf(c), 255);
      seen.insert(c);
    }
  }
  EXPECT_GT(seen.size(), 100u);
  // The new colours show on the colour buttons.
  EXPECT_EQ(form.BitBtnGC2.GlyphColor(), form.GradientImage1.ColorMid());
}

TEST(GradientColours, ThreeRotationsBringBackTheColoursAndRedrawADrawnBaseImage) {
  TestWindow w;
  TForm1& form = w.Form();
  form.cbGradient.SetChecked(true);
  form.GradientImage1.SetColorStart(0x0000FF);
  form.GradientImage1.SetColorMid(0x00FF00);
  form.GradientImage1.SetColorEnd(0xFF0000);
  form.Createempty1Click();
  const TColor topBefore = form.ImageBase.Picture().GetPixel(5, 1);
  auto* button = w.Find<QPushButton>("BitBtnCycle");
  button->click();
  EXPECT_EQ(form.GradientImage1.ColorStart(), 0x00FF00u);
  EXPECT_EQ(form.GradientImage1.ColorMid(), 0xFF0000u);
  EXPECT_EQ(form.GradientImage1.ColorEnd(), 0x0000FFu);
  EXPECT_NE(form.ImageBase.Picture().GetPixel(5, 1), topBefore);
  button->click();
  button->click();
  EXPECT_EQ(form.GradientImage1.ColorStart(), 0x0000FFu);
  EXPECT_EQ(form.GradientImage1.ColorMid(), 0x00FF00u);
  EXPECT_EQ(form.GradientImage1.ColorEnd(), 0xFF0000u);
  EXPECT_EQ(form.ImageBase.Picture().GetPixel(5, 1), topBefore);
}

TEST(TextCommands, TheFontDialogStartsAtTheCaptionFontAndItsChoiceReachesTheSampleAndSize) {
  TestWindow w;
  TForm1& form = w.Form();
  TFont memo = form.MemoTxt.Font();
  memo.color = 0x0000C0;
  form.MemoTxt.SetFont(memo);
  TFont chosen = memo;
  chosen.name = "DejaVu Serif";
  chosen.size = 15;
  chosen.style = fsBold;
  w.answers.font = chosen;
  Action(w, "Font1")->trigger();
  ASSERT_EQ(w.answers.fontStarts.size(), 1u);
  EXPECT_EQ(w.answers.fontStarts[0], memo);
  EXPECT_EQ(form.MemoTxt.Font(), chosen);
  EXPECT_EQ(form.RxSpinEditFontSize.Value(), 15);
  EXPECT_EQ(form.GBFont.Caption(), "DejaVu Serif");
  EXPECT_TRUE(form.SpeedBtnB.Down());
  EXPECT_EQ(form.BitBtnAdjColor.GlyphColor(), 0x0000C0u);
  EXPECT_EQ(w.Find<QPlainTextEdit>("MemoTxt")->font().family(), "DejaVu Serif");

  w.answers.font.reset();  // Cancel
  Action(w, "TBFont")->trigger();
  EXPECT_EQ(form.MemoTxt.Font(), chosen);
}

TEST(TextCommands, CentringPutsTheTextBlockMidImageAndInCutModeMidCutHeightWithoutGaps) {
  TestWindow w;
  TForm1& form = w.Form();
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 12, 0, 1, 0, 0});  // 16 pixels; lines of 19
  Bitmap scratch(1, 1);
  TCanvas canvas(scratch);
  canvas.Font = form.MemoTxt.Font();
  const int h = canvas.TextHeight("abcdewxzABCDEWZX01234@#$");
  ASSERT_GT(h, 0);
  form.ImageBase.SetPicture(Bitmap(80, 100));
  form.RxSpinEditRPB.SetValue(2);
  form.RxSpinEditRowOffset.SetValue(4);
  auto* button = w.Find<QPushButton>("BitBtnCenterV");
  button->click();
  EXPECT_EQ(form.RxSpinEditTextY.Value(), (100 - 2 * h - 4) / 2);
  form.cbCut.SetChecked(true);
  form.RxSpinEditCutY.SetValue(1);
  button->click();
  EXPECT_EQ(form.RxSpinEditTextY.Value(), (1 - 2 * h) / 2);  // negative, truncated toward zero
  EXPECT_LT(form.RxSpinEditTextY.Value(), 0);
}

TEST(Clipboard, CopiesTheBaseImageAndAPreviewAsImages) {
  TestWindow w;
  TForm1& form = w.Form();
  Bitmap base(6, 4);
  base.Fill(0x204080);
  base.SetPixel(5, 3, 0x0000FF);
  form.ImageBase.SetPicture(base);
  w.window->Popups()->ImageMenu()->findChild<QAction*>("Copytoclipboard1")->trigger();
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(6, 4));
  EXPECT_EQ(ColourOf(copied, 0, 0), 0x204080u);
  EXPECT_EQ(ColourOf(copied, 5, 3), 0x0000FFu);

  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 6, 0, 1, 0, 0});
  Bitmap white(40, 12);
  white.Fill(0xFFFFFF);
  form.ImageBase.SetPicture(white);
  form.MemoTxt.SetText("One\r\nTwo\r\n");
  form.Timer1Timer();
  Action(w, "Generateimages1")->trigger();
  const TImage& second = form.ScrollBox2.Image(1);
  QMenu* menu = OpenPreviewMenu(w, second);
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->actions()[0]->text(), "Copy to clipboard");
  menu->actions()[0]->trigger();
  menu->close();
  const QImage preview = QApplication::clipboard()->image();
  EXPECT_EQ(preview, qt::ToQImage(second.Picture()).convertToFormat(preview.format()));
  EXPECT_NE(preview, qt::ToQImage(form.ScrollBox2.Image(0).Picture()).convertToFormat(preview.format()));
}

TEST(PopupMenus, TheBaseImageAndItsBoxOfferOpenSaveAndCopy) {
  TestWindow w;
  w.Form().ImageBase.SetPicture(Bitmap(40, 12));
  QCoreApplication::processEvents();
  auto* image = w.Find<QWidget>("ImageBase");
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), image->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(image, &request);
  QMenu* menu = w.window->Popups()->ImageMenu();
  ASSERT_TRUE(menu->isVisible());
  QStringList items;
  for (QAction* action : menu->actions()) items << action->text();
  EXPECT_EQ(items, QStringList({"Open base image", "Save base image", "Copy to clipboard"}));
  menu->close();
  auto* box = w.Find<QScrollArea>("ScrollBox1")->viewport();
  QContextMenuEvent onBox(QContextMenuEvent::Mouse, QPoint(300, 100), box->mapToGlobal(QPoint(300, 100)));
  QApplication::sendEvent(box, &onBox);
  EXPECT_TRUE(menu->isVisible());
  menu->close();
}

TEST(HelpAndWebLinks, OpenTheGuideOfTheLanguageAndTheMakersPagesWithXdgOpen) {
  ProgramFolderSandbox sandbox;
  std::filesystem::create_directories(sandbox.Shared(""));
  WriteBytes(sandbox.Shared("Kestroen.html"), "<html></html>");
  WriteBytes(sandbox.Shared("Kestropl.html"), "<html></html>");
  FakeProgram opener("xdg-open");
  TestWindow w;
  const auto opened = [&](const char* item) {
    Action(w, item)->trigger();
    return opener.TakeArguments();
  };
  EXPECT_EQ(opened("HelpMenuItem"), std::vector<std::string>{sandbox.Shared("Kestroen.html")});
  EXPECT_EQ(opened("Zandrelkocom1"), std::vector<std::string>{kMakerHomePage});
  EXPECT_EQ(opened("PayPaldonation1"), std::vector<std::string>{kDonationPage});
  w.Find<QToolButton>("BitBtnPL")->click();
  EXPECT_EQ(opened("HelpMenuItem"), std::vector<std::string>{sandbox.Shared("Kestropl.html")});
  EXPECT_EQ(opened("PayPaldonation1"), std::vector<std::string>{kDonationPagePolish});
  w.Find<QToolButton>("BitBtnDE")->click();
  EXPECT_EQ(opened("HelpMenuItem"), std::vector<std::string>{sandbox.Shared("Kestroen.html")});
  EXPECT_EQ(opened("PayPaldonation1"), std::vector<std::string>{kDonationPage});
  w.Find<QToolButton>("BitBtnEN")->click();
}

TEST(HelpAndWebLinks, APageThatCannotBeShownIsToldWithItsFileOrAddressInTheLanguage) {
  ProgramFolderSandbox sandbox;
  std::filesystem::create_directories(sandbox.Shared(""));
  WriteBytes(sandbox.Shared("Kestroen.html"), "<html></html>");
  WriteBytes(sandbox.Shared("Kestropl.html"), "<html></html>");
  TestWindow w;
  {
    // No xdg-open on the path: told at once.
    TempFolder empty;
    ScopedEnv path("PATH", empty.Path());
    Action(w, "HelpMenuItem")->trigger();
    ASSERT_EQ(w.answers.messages.size(), 1u);
    EXPECT_EQ(w.answers.messages[0],
              "Cannot display: " + sandbox.Shared("Kestroen.html") + "\r\nxdg-open: No such file or directory");
    w.Find<QToolButton>("BitBtnPL")->click();
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    ASSERT_EQ(w.answers.messages.size(), 2u);
    EXPECT_EQ(w.answers.messages[1], "Nie można wyświetlić: " + sandbox.Shared("Kestropl.html") +
                                         "\r\nxdg-open: No such file or directory");
    w.Find<QToolButton>("BitBtnEN")->click();
  }
  {
    // An xdg-open that finds no browser fails at once: told once it has ended
    // (however long the machine takes to run it: "at once" made an hour here).
    FakeProgram opener("xdg-open", "exit 3");
    w.Form().Hooks.OpenURL = [](const std::string& url) {
      qt::OpenURL(url, [url](const std::string& reason) { ReportViewerFailure(url, reason); }, std::chrono::hours(1));
    };
    Action(w, "Zandrelkocom1")->trigger();
    WaitUntil([&] { return w.answers.messages.size() == 3; });
    ASSERT_EQ(w.answers.messages.size(), 3u);
    EXPECT_EQ(w.answers.messages[2], std::string("Cannot display: ") + kMakerHomePage + "\r\nxdg-open: exit status 3");
  }
}

TEST(HelpAndWebLinks, YesToShowingTheSavedPageTellsWhenItCannotBeShown) {
  TempFolder folder;
  TestWindow w;
  TForm1& form = w.Form();
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.MemoTxt.SetText("Home\r\n");
  form.Timer1Timer();
  Action(w, "Generateimages1")->trigger();
  form.Timer1Timer();
  form.cbHTML.SetChecked(true);
  form.DirectoryEdit1.SetText(folder.Path());
  TempFolder empty;
  ScopedEnv path("PATH", empty.Path());
  w.answers.messageAnswer = mrYes;
  Action(w, "Savegeneratedbuttons1")->trigger();
  ASSERT_EQ(w.answers.messages.size(), 3u);
  EXPECT_EQ(w.answers.messages[1], "Display HTML in web browser?");
  EXPECT_EQ(w.answers.messages[2],
            "Cannot display: " + folder / "kestro_test.html" + "\r\nxdg-open: No such file or directory");
}

TEST(MainMenu, PresetsProcessAndAboutOpenTheirDialogsModally) {
  TestWindow w;
  // Process image needs a base image, as Timer1 sees it.
  w.Form().ImageBase.SetPicture(Bitmap(40, 16));
  w.Form().Timer1Timer();
  const struct {
    const char* item;
    const char* dialog;
  } rows[] = {{"Presets1", "BtnPresetsForm"}, {"Processimage1", "ProcessForm"}, {"About1", "AboutBox"}};
  for (const auto& row : rows) {
    QString shown;
    WhenModalShown([&shown](QWidget* modal) {
      if (modal == nullptr) return;
      shown = modal->objectName();
      modal->close();
    });
    Action(w, row.item)->trigger();
    EXPECT_EQ(shown, row.dialog) << row.item;
  }
}
