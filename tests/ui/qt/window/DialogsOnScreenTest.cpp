// Every dialog the window opens, its own and Qt's, opened by its command with
// the standard dialogs, lies on the screen's available area with its frame,
// centred on it whatever the place of the window, every button of it inside
// (ctest runs these also at the scale factor 2 on a screen of 1280 x 800 and
// at 1.5 on one of 1024 x 768).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/support/TestFiles.h"
#include "tests/ui/qt/OnScreen.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/qt/dialogs/Dialogs.h"
#include "ui/qt/window/MainWindow.h"
#include "ui/qt/window/PreviewWindow.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// The window with the standard dialogs, each shown as the program shows it,
// at its least size in the top left corner of the screen, where a dialog
// centred on it lies off the screen's centre.
struct StandardWindow {
  StandardWindow() {
    window.Form().Timer1.Enabled = false;
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window, kNoTimeLimit));
    window.setGeometry(QRect(window.screen()->availableGeometry().topLeft(), window.minimumSizeHint()));
    Bitmap base(200, 60);
    base.Fill(0xC0C0C0);
    window.Form().ImageBase.SetPicture(base);
  }
  TForm1& Form() { return window.Form(); }
  qt::MainWindow window;
};

bool InScrolledPart(const QWidget* widget, const QWidget* dialog) {
  for (const QWidget* w = widget->parentWidget(); w != nullptr && w != dialog; w = w->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(w) != nullptr) return true;
  }
  return false;
}

// Whether the window with its frame lies centred on its screen's available
// area: the gaps on either side differ by a window pixel at most (two at a
// fractional scale, where the area's last pixel may be a part of one).
::testing::AssertionResult Centred(const QWidget& window) {
  const QRect area = window.screen()->availableGeometry();
  const QRect r = window.frameGeometry();
  const int across = (r.left() - area.left()) - (area.right() - r.right());
  const int down = (r.top() - area.top()) - (area.bottom() - r.bottom());
  const qreal scale = window.devicePixelRatio();
  const int slack = scale == std::round(scale) ? 1 : 2;
  if (std::abs(across) <= slack && std::abs(down) <= slack) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Describe(r) << " is not centred on " << Describe(area);
}

// Checks the modal dialog once shown: its frame centred on the screen's area,
// and every button it shows; then closes it as Escape does.
void CheckWhenShown(const std::string& what, bool* checked) {
  WhenModalShown([what, checked](QWidget* modal) {
    *checked = modal != nullptr;
    if (modal == nullptr) return;
    const QPointer<QWidget> dialog = modal;
    QCoreApplication::processEvents();
    if (dialog == nullptr) return;
    EXPECT_TRUE(OnScreen(*dialog)) << what << " (" << modal->metaObject()->className() << ")";
    EXPECT_TRUE(Centred(*dialog)) << what;
    // Every button, but those in a part that scrolls, shows whole.
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (!button->isVisibleTo(dialog) || InScrolledPart(button, dialog)) continue;
      const QRect shown(button->mapToGlobal(QPoint(0, 0)), button->size());
      EXPECT_TRUE(InsideArea(shown, *dialog->screen()))
          << what << ": button " << button->objectName().toStdString() << " \"" << button->text().toStdString()
          << "\"";
      EXPECT_TRUE(dialog->rect().contains(QRect(button->mapTo(dialog, QPoint(0, 0)), button->size())))
          << what << ": button \"" << button->text().toStdString() << "\" is cut off";
    }
    if (auto* box = qobject_cast<QDialog*>(dialog.data())) box->reject();
  });
}

// A message a message box breaks over lines, which it does as it shows.
constexpr const char* kLongMessage =
    "Cannot write /home/user/Pictures/buttons/b_contact.gif: a folder stands at its name, so the button "
    "cannot be written there; the other buttons of the run were written.";

}  // namespace

TEST(DialogsOnScreen, EveryDialogTheWindowOpensLiesOnTheScreenWithItsButtons) {
  ProgramFolderSandbox sandbox;
  StandardWindow w;
  TForm1& form = w.Form();
  struct Case {
    const char* what;
    std::function<void()> open;
  };
  const Case cases[] = {
      {"open project", [&] { form.Loadsettings1.Click(); }},
      {"save project", [&] { form.Savesettings1.Click(); }},
      {"open picture", [&] { form.Openbaseimage1.Click(); }},
      {"save picture", [&] { form.Savebaseimage1.Click(); }},
      {"open captions", [&] { form.Openbuttoncaptionstextfile1.Click(); }},
      {"save captions", [&] { form.Savecaptions1.Click(); }},
      {"folder", [&] { w.window.WindowDialogs().ChooseFolder(sandbox.Writable("")); }},
      {"colour", [&] { form.BitBtnGC1.Click(); }},
      {"font", [&] { form.BitBtnFont.Click(); }},
      {"message", [&] { w.window.close(); }},
      {"long message", [&] { w.window.WindowDialogs().MessageBox(kLongMessage, mtError, mbOK); }},
      {"input", [&] { w.window.WindowDialogs().InputText("Kestrova", "Name of the new set", "set"); }},
      {"presets", [&] { form.Presets1.Click(); }},
      {"image processing", [&] { form.Processimage1.Click(); }},
      {"about", [&] { form.About1.Click(); }},
      {"enlarged sample", [&] { qt::ShowPreviewWindow(qt::PreviewKind::Gradient, form, &w.window); }},
  };
  for (const Case& c : cases) {
    bool checked = false;
    CheckWhenShown(c.what, &checked);
    c.open();
    EXPECT_TRUE(checked) << c.what << ": no dialog shown";
    // The next dialog opens once this one has gone.
    WaitUntil([] { return QApplication::activeModalWidget() == nullptr; });
  }
}
