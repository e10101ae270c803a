// Texts from a project or a file's name are shown as written: a caption, an
// output folder or a file name that reads like markup naming a picture never
// makes the window open it.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextDocument>
#include <QToolTip>
#include <filesystem>

#include "tests/support/WatchedFifo.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/form/MainForm.h"
#include "ui/qt/dialogs/Dialogs.h"
#include "ui/qt/dialogs/FileDialog.h"
#include "ui/qt/widgets/PlainTexts.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// What a tooltip or label given `text` shows.
QString Shown(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  QTextDocument document;
  document.setHtml(text);
  return document.toPlainText();
}

}  // namespace

TEST(PlainTexts, ACaptionAndAFolderNamingAFifoAreShownAsWrittenWithoutOpeningIt) {
  TempFolder folder;
  const WatchedFifo fifo(folder / "fifo");
  ASSERT_TRUE(fifo.Ready());
  const std::string markup = "<img src=" + fifo.Path() + ">";
  TestWindow w;
  TForm1& form = w.Form();
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.MemoTxt.SetText(markup + "\r\n");
  form.Generateimages1.Click();
  form.Timer1Timer();  // Save follows the previews

  // The caption as the preview's tooltip.
  qt::ImageBoxView* panel = w.window->OutputPanel();
  panel->Sync();
  const QPoint inside(5, 5);
  QHelpEvent help(QEvent::ToolTip, inside, panel->viewport()->mapToGlobal(inside));
  QApplication::sendEvent(panel->viewport(), &help);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(Shown(QToolTip::text()).toStdString(), markup);
  QToolTip::hideText();

  // The folder in the message box after saving there.
  const std::string output = folder / markup;
  std::filesystem::create_directories(output);
  form.DirectoryEdit1.SetText(output);
  w.window->WindowDialogs().MessageBox = qt::DefaultDialogs(w.window.get()).MessageBox;
  QString said;
  Qt::TextFormat format = Qt::AutoText;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    said = box->text();
    format = box->textFormat();
    box->accept();
  });
  w.window->findChild<QAction*>("Savegeneratedbuttons1")->trigger();
  EXPECT_EQ(said.toStdString(), "OK. Files saved to: " + output + "/");
  EXPECT_EQ(format, Qt::PlainText);
  QTest::qWait(20);
  EXPECT_FALSE(fifo.Opened());
}

TEST(PlainTexts, TooltipsOfWidgetsAndPlacesAndQtsOwnQuestionsShowNamesAsWritten) {
  // A name holds no "/": its picture is named relative to the current folder.
  TempFolder folder;
  const WatchedFifo fifo(folder / "fifo");
  ASSERT_TRUE(fifo.Ready());
  const ScopedCurrentFolder current(folder.Path());
  const std::string markup = "<img src=fifo>";
  WriteBytes(folder / (markup + ".txt"), "");
  const std::string place = folder / (markup + " place");
  std::filesystem::create_directory(place);
  // A widget's own tooltip (a preset file's path, say).
  QWidget holder;
  holder.setToolTip(QString::fromStdString(markup));
  holder.show();
  QHelpEvent own(QEvent::ToolTip, QPoint(1, 1), holder.mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(&holder, &own);
  EXPECT_EQ(Shown(QToolTip::text()).toStdString(), markup);
  QToolTip::hideText();

  TForm1 form;
  qt::FileDialog dialog(form.SaveDialog1);
  dialog.setDirectory(QString::fromStdString(folder.Path()));
  dialog.setSidebarUrls({QUrl::fromLocalFile(QString::fromStdString(place))});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, kNoTimeLimit));

  // The place's tooltip: its folder.
  auto* places = dialog.findChild<QAbstractItemView*>("sidebar");
  ASSERT_NE(places, nullptr);
  const QPoint inside = places->visualRect(places->model()->index(0, 0)).center();
  QHelpEvent help(QEvent::ToolTip, inside, places->viewport()->mapToGlobal(inside));
  QApplication::sendEvent(places->viewport(), &help);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(Shown(QToolTip::text()).toStdString(), place);
  QToolTip::hideText();

  // Qt's question before a file is replaced.
  QString asked;
  WhenModalShown([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    asked = box->text();
    box->button(QMessageBox::No)->click();
  });
  dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(markup));
  dialog.accept();
  EXPECT_TRUE(asked.startsWith(QString::fromStdString(markup + ".txt already exists."))) << asked.toStdString();
  QTest::qWait(20);
  EXPECT_FALSE(fifo.Opened());
}
