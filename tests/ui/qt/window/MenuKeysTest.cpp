// F10 or Alt pressed alone opens the menu bar.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QWindow>
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

// Lets events run until `condition` holds (for as long as that takes).
bool WaitFor(const std::function<bool()>& condition) {
  WaitUntil(condition);
  return true;
}

void Activate(TestWindow& w) {
  w.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get(), kNoTimeLimit));
}

void CloseMenus() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace

TEST(MenuKeys, F10OpensTheFileMenuTheArrowsWalkTheMenusAndEscapeLeavesTheBar) {
  TestWindow w;
  Activate(w);
  auto* memo = w.Find<QPlainTextEdit>("MemoTxt");
  memo->setFocus();
  QTest::keyClick(w.window->windowHandle(), Qt::Key_F10);
  ASSERT_TRUE(WaitFor([] { return OpenMenuName() == "File1"; })) << OpenMenuName();
  QTest::keyClick(OpenMenu()->windowHandle(), Qt::Key_Right);
  ASSERT_TRUE(WaitFor([] { return OpenMenuName() == "Button1"; })) << OpenMenuName();
  QTest::keyClick(OpenMenu()->windowHandle(), Qt::Key_Escape);
  // Escape leaves the bar: the keyboard goes back to the memo.
  QMainWindow* window = w.window.get();
  EXPECT_TRUE(WaitFor([window, memo] { return OpenMenu() == nullptr && window->focusWidget() == memo; }));
  EXPECT_EQ(w.window->menuBar()->activeAction(), nullptr);
  CloseMenus();
}

TEST(MenuKeys, ALoneAltOpensTheFileMenuAltWithAnotherKeyDoesNot) {
  TestWindow w;
  Activate(w);
  auto* spin = w.Find<QWidget>("RxSpinEditNewX");
  spin->setFocus();
  QWidget* focus = QApplication::focusWidget();
  // Through the window, as the window system hands keys over.
  QWindow* handle = w.window->windowHandle();
  QTest::keyPress(handle, Qt::Key_Alt);
  QTest::keyRelease(handle, Qt::Key_Alt);
  ASSERT_TRUE(WaitFor([] { return OpenMenuName() == "File1"; })) << OpenMenuName();
  QTest::keyClick(OpenMenu()->windowHandle(), Qt::Key_Escape);
  QMainWindow* window = w.window.get();
  EXPECT_TRUE(WaitFor([window, focus] { return OpenMenu() == nullptr && window->focusWidget() == focus; }));
  CloseMenus();

  focus->setFocus();
  QTest::keyPress(handle, Qt::Key_Alt);
  QTest::keyClick(handle, Qt::Key_X, Qt::AltModifier);
  QTest::keyRelease(handle, Qt::Key_Alt);
  QTest::qWait(50);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(w.window->menuBar()->activeAction(), nullptr);
  CloseMenus();
}
