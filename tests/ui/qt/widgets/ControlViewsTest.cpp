// Each kind of view mirrors its control both ways: a change of the control
// shows in the widget without running the control's handler again, and a
// user's edit of the widget goes through the control's setter, which runs the
// handler once.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <climits>

#include "ui/model/form/MainForm.h"
#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/CheckBoxView.h"
#include "ui/qt/widgets/ColorButtonView.h"
#include "ui/qt/widgets/ComboBoxView.h"
#include "ui/qt/widgets/EditView.h"
#include "ui/qt/widgets/LabelView.h"
#include "ui/qt/widgets/MemoView.h"
#include "ui/qt/widgets/PageControlView.h"
#include "ui/qt/widgets/RadioGroupView.h"
#include "ui/qt/widgets/SliderView.h"
#include "ui/qt/widgets/SpeedButtonView.h"
#include "ui/qt/widgets/SpinEditView.h"

using namespace kestrova;
using namespace kestrova::qt;

namespace {

// A control with a counting handler, and its widget inside a parent widget.
template <class Control>
struct Counted {
  Counted() : control("C", "P") {}
  Control control;
  int runs = 0;
  QWidget parent;
};

}  // namespace

TEST(ControlViews, SpinEditValueLimitsEnabledAndHint) {
  Counted<TRxSpinEdit> c;
  c.control.SetMinValue(1);
  c.control.SetMaxValue(10);
  c.control.SetValue(3);
  c.control.SetOnChange([&] { ++c.runs; });
  auto* box = new QSpinBox(&c.parent);
  new SpinEditView(c.control, box);
  EXPECT_EQ(box->value(), 3);
  EXPECT_EQ(box->minimum(), 1);
  EXPECT_EQ(box->maximum(), 10);

  c.control.SetValue(12);  // the model brings it to its limit
  EXPECT_EQ(box->value(), 10);
  EXPECT_EQ(c.runs, 1);
  box->setValue(4);  // the user
  EXPECT_EQ(c.control.Value(), 4);
  EXPECT_EQ(c.runs, 2);

  c.control.SetMaxValue(1);  // equal limits: unlimited
  c.control.SetMinValue(1);
  EXPECT_EQ(box->minimum(), INT_MIN);
  EXPECT_EQ(box->maximum(), INT_MAX);
  box->setValue(-5000);
  EXPECT_EQ(c.control.Value(), -5000);

  c.control.SetEnabled(false);
  c.control.SetHint("Opacity");
  EXPECT_FALSE(box->isEnabled());
  EXPECT_EQ(box->toolTip(), "Opacity");
  EXPECT_EQ(c.runs, 3);
}

TEST(ControlViews, CheckBoxCaptionAndCheckMark) {
  Counted<TCheckBox> c;
  c.control.SetOnClick([&] { ++c.runs; });
  auto* box = new QCheckBox(&c.parent);
  new CheckBoxView(c.control, box);
  c.control.SetCaption("Frame");
  c.control.SetChecked(true);
  EXPECT_EQ(box->text(), "Frame");
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(c.runs, 1);
  box->click();
  EXPECT_FALSE(c.control.Checked());
  EXPECT_EQ(c.runs, 2);
}

TEST(ControlViews, RadioGroupItemsSelectionAndANewItemListKeepingTheSelection) {
  Counted<TRadioGroup> c;
  c.control.SetItems({"Vertical", "Horizontal", "Matrix"});
  c.control.SetItemIndex(1);
  c.control.SetOnClick([&] { ++c.runs; });
  auto* box = new QGroupBox(&c.parent);
  box->resize(240, 80);
  auto* view = new RadioGroupView(c.control, box);
  EXPECT_TRUE(view->Item(1)->isChecked());
  c.control.SetItems({"Pionowo", "Poziomo", "Matryca"});
  EXPECT_EQ(view->Item(2)->text(), "Matryca");
  EXPECT_TRUE(view->Item(1)->isChecked());
  EXPECT_EQ(c.runs, 0);
  view->Item(2)->click();
  EXPECT_EQ(c.control.ItemIndex(), 2);
  EXPECT_EQ(c.runs, 1);
  c.control.SetCaption("Cut");
  EXPECT_EQ(box->title(), "Cut");
}

TEST(ControlViews, ComboBoxItemsAndSelection) {
  Counted<TComboBox> c;
  c.control.SetItems({"LZW", "RLE"});
  c.control.SetItemIndex(0);
  c.control.SetOnChange([&] { ++c.runs; });
  auto* box = new QComboBox(&c.parent);
  new ComboBoxView(c.control, box);
  EXPECT_EQ(box->count(), 2);
  c.control.SetItemIndex(1);
  EXPECT_EQ(box->currentIndex(), 1);
  EXPECT_EQ(c.runs, 1);
  box->activated(0);  // as a choice of the user
  EXPECT_EQ(c.control.ItemIndex(), 0);
  EXPECT_EQ(c.runs, 2);
}

TEST(ControlViews, EditTextAndTheKeyFilterOfFileNameCharacters) {
  Counted<TEdit> c;
  c.control.SetOnChange([&] { ++c.runs; });
  auto* line = new QLineEdit(&c.parent);
  auto* view = new EditView(c.control, line);
  view->SetKeyFilter(&TForm1::EditPrefixKeyPress);
  c.control.SetText("b_");
  EXPECT_EQ(line->text(), "b_");
  EXPECT_EQ(c.runs, 1);
  line->setFocus();
  QTest::keyClicks(line, "x y*/:<>?|\"\\z");
  EXPECT_EQ(c.control.Text(), "b_xyz");
  EXPECT_EQ(c.runs, 4);
}

TEST(ControlViews, MemoTextWithCrLfFontAndBackground) {
  Counted<TMemo> c;
  c.control.SetOnChange([&] { ++c.runs; });
  auto* edit = new QPlainTextEdit(&c.parent);
  new MemoView(c.control, edit);
  c.control.SetText("Home\r\nAbout\r\n");
  EXPECT_EQ(edit->toPlainText(), "Home\nAbout\n");
  EXPECT_EQ(c.runs, 1);
  edit->setPlainText("One\nTwo");  // as typed
  EXPECT_EQ(c.control.Text(), "One\r\nTwo");
  EXPECT_EQ(c.runs, 2);
  c.control.SetFont(TFont{"Liberation Serif", 14, fsBold, 1, 0xFFFFFF, 0});
  c.control.SetColor(0x000000);
  EXPECT_EQ(edit->font().family(), "Liberation Serif");
  EXPECT_TRUE(edit->font().bold());
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 255, 255));
  EXPECT_EQ(c.runs, 2);
}

TEST(ControlViews, SpeedButtonsOfAGroupStayDownAsTheGroupSays) {
  TSpeedButton left("L", "P"), centre("C", "P");
  TSpeedButton::JoinGroup({&left, &centre}, false);
  left.SetDown(true);
  int clicks = 0;
  centre.SetOnClick([&] { ++clicks; });
  QWidget parent;
  auto* l = new QToolButton(&parent);
  auto* c = new QToolButton(&parent);
  new SpeedButtonView(left, l);
  new SpeedButtonView(centre, c);
  EXPECT_TRUE(l->isChecked());
  c->click();
  EXPECT_TRUE(centre.Down());
  EXPECT_TRUE(c->isChecked());
  EXPECT_FALSE(l->isChecked());
  c->click();  // a group that allows no all-up keeps it down
  EXPECT_TRUE(c->isChecked());
  EXPECT_EQ(clicks, 2);
}

TEST(ControlViews, SliderRangeStepOrientationAndValue) {
  Counted<TRxSlider> c;
  c.control.SetVertical(true);
  c.control.SetIncrement(2);
  c.control.SetMinValue(1);
  c.control.SetValue(100);
  c.control.SetOnChange([&] { ++c.runs; });
  auto* slider = new QSlider(&c.parent);
  new SliderView(c.control, slider);
  EXPECT_EQ(slider->orientation(), Qt::Vertical);
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 100);
  EXPECT_EQ(slider->singleStep(), 2);
  EXPECT_EQ(slider->value(), 100);
  slider->setValue(40);
  EXPECT_EQ(c.control.Value(), 40);
  EXPECT_EQ(c.runs, 1);
}

TEST(ControlViews, ButtonsAndColourButtonsRunTheirClickHandlers) {
  Counted<TColorBitBtn> colour;
  colour.control.SetGlyphSize(9, 14);
  colour.control.SetGlyphColor(0x0000FF);
  colour.control.SetCaption("Color#1");
  colour.control.SetOnClick([&] { ++colour.runs; });
  auto* push = new QPushButton(&colour.parent);
  new ColorButtonView(colour.control, push);
  EXPECT_EQ(push->text(), "Color#1");
  EXPECT_EQ(push->iconSize(), QSize(9, 14));
  const QImage before = push->icon().pixmap(9, 14).toImage();
  EXPECT_EQ(before.pixelColor(3, 3), QColor(255, 0, 0));
  colour.control.SetGlyphColor(0x00FF00);
  EXPECT_EQ(push->icon().pixmap(9, 14).toImage().pixelColor(3, 3), QColor(0, 255, 0));
  EXPECT_EQ(colour.runs, 0);
  push->click();
  EXPECT_EQ(colour.runs, 1);

  Counted<TButton> button;
  button.control.SetOnClick([&] { ++button.runs; });
  auto* plain = new QPushButton(&button.parent);
  new ButtonView(button.control, plain);
  button.control.SetCaption("Predeter-\r\nminados");
  EXPECT_EQ(plain->text(), "Predeter-\nminados");
  plain->click();
  EXPECT_EQ(button.runs, 1);
}

TEST(ControlViews, PlacementByBoundsOrByTheCaption) {
  TLabel label("Label1", "P");
  label.SetBounds({10, 20, 0, 0});
  TCheckBox check("cb", "P");
  QWidget parent;  // the widgets go before their controls
  auto* widget = new QLabel(&parent);
  new LabelView(label, widget, false);
  label.SetCaption("Left or right offset");
  EXPECT_EQ(widget->pos(), QPoint(10, 20));
  EXPECT_EQ(widget->size(), widget->sizeHint());
  label.SetVisible(false);
  EXPECT_TRUE(widget->isHidden());

  check.SetBounds({4, 5, 60, 17});
  auto* box = new QCheckBox(&parent);
  new CheckBoxView(check, box);
  EXPECT_EQ(box->geometry(), QRect(4, 5, 60, 17));
}

TEST(ControlViews, PageControlShowsTheActivePageAndTakesTheUsersChoice) {
  TPageControl pages("PageControl1", "P");
  TTabSheet first("TabSheetNew", "PageControl1"), second("TabSheetSet", "PageControl1");
  QWidget parent;
  auto* tabs = new QTabWidget(&parent);
  auto* view = new PageControlView(pages, tabs);
  auto* page1 = new QWidget;
  auto* page2 = new QWidget;
  view->AddPage(page1, first.Name());
  view->AddPage(page2, second.Name());
  new TabSheetView(first, tabs, page1);
  new TabSheetView(second, tabs, page2);
  first.SetCaption("New image");
  EXPECT_EQ(tabs->tabText(0), "New image");
  pages.SetActivePage("TabSheetSet");
  EXPECT_EQ(tabs->currentIndex(), 1);
  tabs->setCurrentIndex(0);
  EXPECT_EQ(pages.ActivePage(), "TabSheetNew");
}
