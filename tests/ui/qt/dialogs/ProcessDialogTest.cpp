#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/dialogs/ProcessDialog.h"

using namespace kestrova;

namespace {

Bitmap Pattern(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<TColor>((x * 3) | ((y * 7) << 8)));
  }
  return b;
}

// Runs `steps` on the image-processing dialog once it is shown by RunProcessDialog.
int RunWith(test::TestWindow& w, const std::function<void(qt::ProcessDialog&)>& steps) {
  test::WhenModalShown([&steps](QWidget* modal) {
    auto* dialog = dynamic_cast<qt::ProcessDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    steps(*dialog);
  });
  return qt::RunProcessDialog(w.window.get(), w.Form());
}

void Resize(qt::ProcessDialog& dialog, int width, int height) {
  dialog.findChild<QSpinBox*>("RxSpinEditRX")->setValue(width);
  dialog.findChild<QSpinBox*>("RxSpinEditRY")->setValue(height);
  QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtnResize"), Qt::LeftButton);
}

}  // namespace

TEST(ProcessDialogWindow, ResizesAndUsesTheCopyThroughItsWidgets) {
  test::TestWindow w;
  w.Form().ImageBase.SetPicture(Pattern(100, 40));
  std::string status;
  QString title;
  QSize shown;
  const int result = RunWith(w, [&](qt::ProcessDialog& dialog) {
    title = dialog.windowTitle();
    EXPECT_EQ(dialog.findChild<QSpinBox*>("RxSpinEditRX")->value(), 100);
    EXPECT_EQ(dialog.findChild<QSpinBox*>("RxSpinEditRY")->maximum(), 32768);
    Resize(dialog, 250, 30);
    QCoreApplication::processEvents();
    shown = dialog.findChild<QWidget*>("Img1")->size();
    status = dialog.findChild<QStatusBar*>("StatusBar1")->findChild<QLabel*>()->text().toStdString();
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtnU"), Qt::LeftButton);
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(title, "Image processing");
  EXPECT_EQ(shown, QSize(250, 30));
  EXPECT_EQ(status, " Image info: size: 250x30 x 24 bit  filename: ");
  EXPECT_EQ(w.Form().ImageBase.Picture().Width(), 250);
  EXPECT_EQ(w.Find<QLabel>("LabelInfo")->text().toStdString(), " Image info: size: 250x30 x 24 bit\n filename: ");
  // The dialog stays for the next time, as a child of the window.
  int dialogs = 0;
  for (QObject* child : w.window->children()) dialogs += dynamic_cast<qt::ProcessDialog*>(child) != nullptr ? 1 : 0;
  EXPECT_EQ(dialogs, 1);
}

TEST(ProcessDialogWindow, EscapeAndCloseLeaveTheBaseImage) {
  test::TestWindow w;
  const Bitmap base = Pattern(60, 20);
  w.Form().ImageBase.SetPicture(base);
  for (bool escape : {true, false}) {
    const int result = RunWith(w, [escape](qt::ProcessDialog& dialog) {
      Resize(dialog, 10, 10);
      if (escape) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
      } else {
        QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtnC"), Qt::LeftButton);
      }
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(w.Form().ImageBase.Picture() == base);
  }
}

TEST(ProcessDialogWindow, ASizeTooLargeIsReportedAndTheCopyStays) {
  test::TestWindow w;
  w.Form().ImageBase.SetPicture(Pattern(30, 30));
  int width = 0;
  RunWith(w, [&width](qt::ProcessDialog& dialog) {
    Resize(dialog, 32768, 9000);
    width = dialog.Model().Img1.Width();
    dialog.reject();
  });
  EXPECT_EQ(width, 30);
  ASSERT_EQ(w.answers.messages.size(), 1u);
  EXPECT_EQ(w.answers.messages[0], "The image cannot be resized to 32768 x 9000:\r\nImage too large");
}

TEST(ProcessDialogWindow, EveryCaptionFitsInEveryLanguage) {
  test::TestWindow w;
  w.Form().ImageBase.SetPicture(Pattern(8, 8));
  for (int language : {lgEnglish, lgPolish, lgGerman, lgSpanish, lgItalian}) {
    LangIndex = language;
    RunWith(w, [language](qt::ProcessDialog& dialog) {
      QCoreApplication::processEvents();
      for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_TRUE(test::TextFits(*button)) << button->objectName().toStdString() << language;
      }
      const QLabel* label = dialog.findChild<QLabel*>("Label2");
      EXPECT_GE(label->width(), label->sizeHint().width()) << language;
      dialog.reject();
    });
  }
  LangIndex = lgEnglish;
}
