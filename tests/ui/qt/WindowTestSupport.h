#pragma once
// A main window for tests: its dialogs answered by the test (message boxes
// with a chosen button, the colour and font dialogs with a chosen value or
// Cancel, file dialogs with chosen files or Cancel, input boxes with a chosen
// text) and recorded.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/qt/Waiting.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/window/MainWindow.h"
#include "ui/qt/window/PopupMenus.h"

namespace kestrova::test {

struct DialogAnswers {
  int messageAnswer = mrOk;
  std::optional<TColor> colour;
  std::optional<TFont> font;
  // What every file dialog answers (empty: Cancel).
  std::vector<std::string> files;
  std::vector<std::string> messages;
  std::vector<TColor> colourStarts;
  std::vector<TFont> fontStarts;
  // The names of the file dialogs shown, and the file each started with.
  std::vector<std::string> fileDialogs;
  std::vector<std::string> fileDialogStarts;
  // Title, filter and " | multiple" (several files allowed) of each file dialog.
  std::vector<std::string> fileDialogDetails;
  std::optional<std::string> input;
  std::vector<std::string> inputBoxes;  // caption and prompt of each input box
  std::optional<std::string> folder;    // what the folder browser answers (none: Cancel)
  std::vector<std::string> folderStarts;

  qt::Dialogs Dialogs() {
    qt::Dialogs d;
    d.MessageBox = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
      messages.push_back(text);
      return messageAnswer;
    };
    d.ChooseColor = [this](TColor start) {
      colourStarts.push_back(start);
      return colour;
    };
    d.ChooseFolder = [this](const std::string& start) {
      folderStarts.push_back(start);
      return folder;
    };
    d.ChooseFont = [this](const TFont& start) {
      fontStarts.push_back(start);
      return font;
    };
    d.ExecuteFileDialog = [this](const TFileDialog& dialog) {
      fileDialogs.push_back(dialog.Name());
      fileDialogStarts.push_back(dialog.FileName());
      fileDialogDetails.push_back(dialog.Title() + " | " + dialog.Filter() +
                                  (dialog.Has(ofAllowMultiSelect) ? " | multiple" : ""));
      return files;
    };
    d.InputText = [this](const std::string& caption, const std::string& prompt, const std::string&) {
      inputBoxes.push_back(caption + " | " + prompt);
      return input;
    };
    return d;
  }
};

// True when a push button's caption (its "&" marks left out) fits inside it
// beside the style's margins.
inline bool TextFits(const QPushButton& button) {
  const QString text = QString(button.text()).remove(QLatin1Char('&'));
  return button.fontMetrics().horizontalAdvance(text) + 8 <= button.width();
}

// Runs `steps` on the modal window once one is shown: a dialog opened by a
// command may be shown only after the command has let events run, so a single
// zero-time timer could look before it is there. Looks each time the event
// loop runs its timers (every millisecond at most), ten thousand times at most,
// however long they take; `steps` gets nullptr when none was shown by then.
inline void WhenModalShown(std::function<void(QWidget*)> steps) {
  auto* timer = new QTimer;
  auto left = std::make_shared<int>(10000);
  // (a look left over from a test that has ended goes without a word)
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  QObject::connect(timer, &QTimer::timeout, [timer, left, test, steps = std::move(steps)] {
    const bool testGoesOn = ::testing::UnitTest::GetInstance()->current_test_info() == test;
    QWidget* modal = QApplication::activeModalWidget();
    if (testGoesOn && modal == nullptr && --*left > 0) return;
    timer->stop();
    timer->deleteLater();
    if (testGoesOn) steps(modal);
  });
  timer->start(1);
}

// A shown window with recorded dialogs. Its Timer1 is stopped once it has
// set the commands' enabled states, so that nothing changes them behind a
// test's back whenever the timer happens to run; a test that changes what
// they follow runs Form().Timer1Timer() itself.
struct TestWindow {
  TestWindow() : window(std::make_unique<qt::MainWindow>(answers.Dialogs())) {
    window->Timer1()->stop();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get(), kNoTimeLimit));
    window->Form().Timer1Timer();
  }
  ~TestWindow() {
    // Closing asks nothing in the tests' own teardown.
    window->Form().Timer1.Enabled = false;
  }
  TForm1& Form() { return window->Form(); }
  template <class W>
  W* Find(const char* name) {
    return window->findChild<W*>(name);
  }

  DialogAnswers answers;
  std::unique_ptr<qt::MainWindow> window;
};

// One preview per caption line, each made from a white 40 x 12 base image
// with its caption in a small font.
inline void GeneratePreviews(TestWindow& w, const std::string& captions) {
  TForm1& form = w.Form();
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 6, 0, 1, 0, 0});
  form.MemoTxt.SetText(captions);
  Bitmap white(40, 12);
  white.Fill(0xFFFFFF);
  form.ImageBase.SetPicture(white);
  form.Timer1Timer();
  w.window->findChild<QAction*>("Generateimages1")->trigger();
  form.Timer1Timer();
}

// Asks for the context menu of a preview of the output panel, as a right
// click near its top-left corner does; the menu that opened.
inline QMenu* OpenPreviewMenu(TestWindow& w, const TImage& preview) {
  qt::ImageBoxView* panel = w.window->OutputPanel();
  panel->Sync();
  const QPoint inside(preview.Left() + 2, preview.Top() + 2);
  QContextMenuEvent request(QContextMenuEvent::Mouse, inside, panel->viewport()->mapToGlobal(inside));
  QApplication::sendEvent(panel->viewport(), &request);
  return w.window->Popups()->ButtonMenu();
}

}  // namespace kestrova::test
