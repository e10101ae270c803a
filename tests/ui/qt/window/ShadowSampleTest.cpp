// The shadow sample stacks its labels as the generated buttons draw: the
// shadows under the text.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTabWidget>

#include "tests/ui/qt/WindowTestSupport.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

int StackPlace(const QWidget* box, const char* name) {
  const QObjectList& children = box->children();
  for (int i = 0; i < children.size(); ++i) {
    if (children[i]->objectName() == name) return i;
  }
  return -1;
}

}  // namespace

TEST(ShadowSample, TheTextLabelIsDrawnOverBothShadows) {
  TestWindow w;
  TForm1& form = w.Form();
  auto* box = w.Find<QWidget>("GBShadow");
  ASSERT_NE(box, nullptr);
  // After the first show's refresh: second shadow at the back, the text in front.
  EXPECT_LT(StackPlace(box, "LabelSh3"), StackPlace(box, "LabelSh2"));
  EXPECT_LT(StackPlace(box, "LabelSh2"), StackPlace(box, "LabelSh1"));
  EXPECT_GE(StackPlace(box, "LabelSh3"), 0);

  // A red shadow right under black text: none of it shows.
  w.Find<QTabWidget>("PageControl1")->setCurrentWidget(w.Find<QWidget>("TabSheetSha"));
  form.cbShadow.SetChecked(true);
  form.cbDouble.SetChecked(true);
  form.ShadowColor = 0x0000FF;
  form.RxSpinEditSX.SetValue(0);
  form.RxSpinEditSY.SetValue(0);
  QCoreApplication::processEvents();
  const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int red = 0;
  int dark = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
      if (c.red() < 60 && c.green() < 60 && c.blue() < 60) ++dark;
    }
  }
  EXPECT_EQ(red, 0);
  EXPECT_GT(dark, 20);
}
