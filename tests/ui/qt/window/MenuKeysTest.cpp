// F10 or Alt pressed alone opens the menu bar.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <functional>

#include "tests/ui/qt/WindowTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

std::string OpenMenuName() {
  QMenu* menu = OpenMenu();
  return menu != nullptr ? menu->objectName().toStdString() : "";
}

bool WaitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 2000); }

void Activate(TestWindow& w) {
  w.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
}

void CloseMenus() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace

TEST(MenuKeys, F10OpensTheFileMenuTheArrowsWalkTheMenusAndEscapeLeaves) {
  TestWindow w;
  Activate(w);
  auto* memo = w.Find<QPlainTextEdit>("MemoTxt");
  memo->setFocus();
  QTest::keyClick(memo, Qt::Key_F10);
  ASSERT_TRUE(WaitFor([] { return OpenMenuName() == "File1"; })) << OpenMenuName();
  QTest::keyClick(OpenMenu(), Qt::Key_Right);
  ASSERT_TRUE(WaitFor([] { return OpenMenuName() == "Button1"; })) << OpenMenuName();
  QTest::keyClick(OpenMenu(), Qt::Key_Escape);
  ASSERT_TRUE(WaitFor([] { return OpenMenu() == nullptr; }));
  // The bar keeps the keyboard until a second Escape.
  QMenuBar* bar = w.window->menuBar();
  EXPECT_NE(bar->activeAction(), nullptr);
  QTest::keyClick(bar, Qt::Key_Escape);
  EXPECT_EQ(bar->activeAction(), nullptr);
  // The memo got no F10 of its own.
  EXPECT_EQ(w.Form().MemoTxt.Text(), "");
  CloseMenus();
}

TEST(MenuKeys, ALoneAltOpensTheFileMenuAltWithAnotherKeyDoesNot) {
  TestWindow w;
  Activate(w);
  auto* spin = w.Find<QWidget>("RxSpinEditNewX");
  spin->setFocus();
  QWidget* focus = QApplication::focusWidget();
  QTest::keyPress(focus, Qt::Key_Alt);
  QTest::keyRelease(focus, Qt::Key_Alt);
  ASSERT_TRUE(WaitFor([] { return OpenMenuName() == "File1"; })) << OpenMenuName();
  QTest::keyClick(OpenMenu(), Qt::Key_Escape);
  QTest::keyClick(w.window->menuBar(), Qt::Key_Escape);
  CloseMenus();

  focus->setFocus();
  QTest::keyPress(focus, Qt::Key_Alt);
  QTest::keyClick(focus, Qt::Key_X, Qt::AltModifier);
  QTest::keyRelease(focus, Qt::Key_Alt);
  QTest::qWait(50);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(w.window->menuBar()->activeAction(), nullptr);
  CloseMenus();
}
