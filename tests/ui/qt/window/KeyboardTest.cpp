// What the keyboard alone reaches beside the menus and the tool bar: the
// folder browser of the output folder.

#include <gtest/gtest.h>

#include <QLineEdit>

#include "tests/ui/qt/WindowTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

void Activate(TestWindow& w) {
  w.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
}

void Press(TestWindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(w.window->windowHandle(), key, modifiers);
}

}  // namespace

TEST(Keyboard, AltDownInTheFolderEditOpensTheFolderBrowserWhoseButtonComesNextInTheTabChain) {
  TestWindow w;
  TForm1& form = w.Form();
  form.PageControl1.SetActivePage("TabSheetOut");
  form.DirectoryEdit1.SetText("/srv/start");
  w.answers.folder = "/srv/chosen";
  Activate(w);
  auto* edit = w.Find<QLineEdit>("DirectoryEdit1");
  edit->setFocus(Qt::TabFocusReason);
  Press(w, Qt::Key_Down);
  EXPECT_TRUE(w.answers.folderStarts.empty());
  Press(w, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(w.answers.folderStarts, std::vector<std::string>{"/srv/start"});
  EXPECT_EQ(form.DirectoryEdit1.Text(), "/srv/chosen");

  Press(w, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "DirectoryEdit1Browse");
  w.answers.folder.reset();  // Cancel
  Press(w, Qt::Key_Space);
  EXPECT_EQ(w.answers.folderStarts.size(), 2u);
  EXPECT_EQ(form.DirectoryEdit1.Text(), "/srv/chosen");
  Press(w, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), edit);
}
