#include <gtest/gtest.h>

#include <QDialog>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/commands/WindowCommands.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/widgets/RendererWidget.h"
#include "ui/qt/window/PreviewWindow.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// A window with a small base image and `count` captions.
void Prepare(TForm1& form, int count) {
  form.ImageBase.SetPicture(Bitmap(40, 12));
  form.MemoTxt.SetFont(TFont{"DejaVu Sans", 6, 0, 1, 0, 0});
  std::string captions;
  for (int i = 0; i < count; ++i) captions += "b" + std::to_string(i) + "\r\n";
  form.MemoTxt.SetText(captions);
}

}  // namespace

TEST(OutputPanel, ShowsTenThousandPreviewsAtTheirPlacesWithTheirHints) {
  TestWindow w;
  TForm1& form = w.Form();
  Prepare(form, 10000);
  form.Generateimages1.Click();
  ASSERT_EQ(form.ScrollBox2.ImageCount(), 10000);
  qt::ImageBoxView* panel = w.window->OutputPanel();
  EXPECT_EQ(panel->ContentSize(), QSize(40, 12 * 10000));
  EXPECT_EQ(panel->verticalScrollBar()->maximum(), 12 * 10000 - panel->viewport()->height());

  panel->verticalScrollBar()->setValue(12 * 5000);
  const QImage shown = panel->viewport()->grab().toImage();
  EXPECT_FALSE(shown.isNull());
  const TImage* under = panel->ImageAt(QPoint(5, 3));
  ASSERT_NE(under, nullptr);
  EXPECT_EQ(under->Name(), "newbutton5000");
  EXPECT_EQ(under->Hint(), "b5000");

  form.RGDisplay.SetItemIndex(1);  // a row: the panel follows the new places
  EXPECT_EQ(panel->ContentSize(), QSize(40 * 10000, 12));
}

TEST(OutputPanel, GeneratingShowsTheWaitCursorAndGridPlacesFollowTheColumns) {
  TestWindow w;
  TForm1& form = w.Form();
  Prepare(form, 7);
  bool waited = false;
  form.Hooks.ShowWaitCursor = [&waited](bool on) { waited = waited || on; };
  form.RGDisplay.SetItemIndex(2);
  form.RxSpinEditMX.SetValue(3);
  form.CBSpacing.SetChecked(true);
  Generateimages1Click(form);
  EXPECT_TRUE(waited);
  qt::ImageBoxView* panel = w.window->OutputPanel();
  EXPECT_EQ(panel->ContentSize(), QSize(3 * 40 + 2 * 2, 3 * 12 + 2 * 2));
  EXPECT_EQ(panel->ImageAt(QPoint(42 + 5, 14 + 5))->Name(), "newbutton4");
}

TEST(PreviewWindow, IsThreeHundredByOneHundredOrSquareForRoundSamples) {
  TestWindow w;
  TForm1& form = w.Form();
  struct Case {
    qt::PreviewKind kind;
    bool round;
    const char* title;
    QSize size;
  };
  const Case cases[] = {
      {qt::PreviewKind::Gradient, false, "Kestrova - GRADIENT", {300, 100}},
      {qt::PreviewKind::Gradient, true, "Kestrova - GRADIENT", {300, 300}},
      {qt::PreviewKind::Effect, false, "Kestrova - BUTTONIZER", {300, 100}},
      {qt::PreviewKind::Effect, true, "Kestrova - BUTTONIZER", {300, 300}},
  };
  for (const Case& c : cases) {
    form.cbGradient.SetChecked(true);
    form.cbRadial.SetChecked(c.round);
    form.cbRoundBtn.SetChecked(c.round);
    auto dialog = qt::MakePreviewWindow(c.kind, form, w.window.get());
    EXPECT_EQ(dialog->windowTitle(), c.title);
    EXPECT_EQ(dialog->size(), c.size);
    dialog->show();
    auto* sample = dialog->findChild<qt::RendererWidget*>("PreviewSample");
    ASSERT_NE(sample, nullptr);
    sample->Render();
    EXPECT_EQ(sample->Picture().size(), c.size);
    dialog->resize(400, 120);  // painted again at the new size
    sample->Render();
    EXPECT_EQ(sample->Picture().size(), QSize(400, 120));
  }
}
