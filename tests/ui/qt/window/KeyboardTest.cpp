// What the keyboard alone reaches beside the menus and the tool bar: the
// pop-up menus of the base image and of the previews by the context-menu key
// and Shift+F10, and the folder browser of the output folder.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>

#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/widgets/QtText.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

void Activate(TestWindow& w) {
  w.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get(), kNoTimeLimit));
}

void Press(TestWindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(w.window->windowHandle(), key, modifiers);
}

QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

// Chooses "Copy to clipboard", the menu's last item, with the keys.
void CopyWithKeys(QMenu* menu) {
  QTest::keyClick(menu->windowHandle(), Qt::Key_Up);
  ASSERT_EQ(menu->activeAction()->objectName().left(15), "Copytoclipboard");
  QTest::keyClick(menu->windowHandle(), Qt::Key_Return);
}

QImage Picture(const TImage& image) { return qt::ToQImage(image.Picture()); }

}  // namespace

TEST(Keyboard, TheContextMenuKeysOpenThePopUpMenusAtTheFocusedBaseImageAndPreview) {
  TestWindow w;
  TForm1& form = w.Form();
  GeneratePreviews(w, "One\r\nTwo\r\nThree\r\n");
  Activate(w);
  QCursor::setPos(0, 0);  // the menus open at the control, not here

  auto* box = w.Find<QScrollArea>("ScrollBox1");
  box->setFocus(Qt::TabFocusReason);
  Press(w, Qt::Key_Menu);
  QMenu* menu = OpenMenu();
  ASSERT_EQ(menu, w.window->Popups()->ImageMenu());
  EXPECT_EQ(menu->pos(), box->mapToGlobal(box->rect().center()));
  CopyWithKeys(menu);
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            Picture(form.ImageBase).convertToFormat(QImage::Format_RGB32));

  // The previews take the focus in turn: the arrows walk them.
  qt::ImageBoxView* panel = w.window->OutputPanel();
  panel->setFocus(Qt::TabFocusReason);
  Press(w, Qt::Key_Down);
  Press(w, Qt::Key_Down);
  Press(w, Qt::Key_Up);
  const TImage& second = form.ScrollBox2.Image(1);
  Press(w, Qt::Key_F10, Qt::ShiftModifier);
  menu = OpenMenu();
  ASSERT_EQ(menu, w.window->Popups()->ButtonMenu());
  const QRect onScreen(panel->viewport()->mapToGlobal(QPoint(second.Left(), second.Top())),
                       QSize(second.Width(), second.Height()));
  EXPECT_TRUE(onScreen.contains(menu->pos())) << menu->pos().x() << "," << menu->pos().y();
  CopyWithKeys(menu);
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            Picture(second).convertToFormat(QImage::Format_RGB32));
  EXPECT_NE(Picture(second), Picture(form.ScrollBox2.Image(0)));
}

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
