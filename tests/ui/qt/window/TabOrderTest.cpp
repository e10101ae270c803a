// The order Tab walks the window's controls in, backwards with Shift+Tab, the
// focus mark of every stop, and Tab in the captions memo.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>
#include <map>
#include <set>

#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/controls/TabList.h"
#include "ui/qt/window/StoredLayout.h"

using namespace kestrova;
using namespace kestrova::test;

namespace {

// The control whose widget is `widget` or holds it (a spin box holds its edit line).
const TControl* ControlOf(const QWidget* widget, const TForm1& form) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (const TControl* control = form.FindComponent(w->objectName().toStdString())) return control;
  }
  return nullptr;
}

void Activate(TestWindow& w) {
  w.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get(), kNoTimeLimit));
}

// The controls Tab reaches from `start` (itself first), one per press, until
// the walk comes back to `start` or `steps` presses are done.
std::vector<const TControl*> TabWalk(TestWindow& w, QWidget* start, int steps = 400) {
  start->setFocus(Qt::TabFocusReason);
  std::vector<const TControl*> walk;
  QWidget* first = QApplication::focusWidget();
  for (int i = 0; i < steps; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || (i > 0 && focus == first)) break;
    walk.push_back(ControlOf(focus, w.Form()));
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return walk;
}

std::vector<std::string> Names(const std::vector<const TControl*>& controls) {
  std::vector<std::string> names;
  for (const TControl* c : controls) names.push_back(c != nullptr ? c->Name() : "?");
  return names;
}

// The controls of `parent` that carry a tab order and that Tab can reach now,
// by their tab orders.
std::vector<const TControl*> ByTabOrder(TestWindow& w, const std::string& parent) {
  std::vector<const TControl*> controls;
  for (const TControl* c : w.Form().Components()) {
    if (c->Parent() != parent || c->TabOrder() < 0) continue;
    const QWidget* widget = w.Find<QWidget>(c->Name().c_str());
    if (widget != nullptr && widget->isVisible() && widget->isEnabled()) controls.push_back(c);
  }
  std::stable_sort(controls.begin(), controls.end(),
                   [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
  return controls;
}

}  // namespace

TEST(TabOrder, TabWalksTheButtonGroupByItsTabOrdersAndThenGoesOnToTheFrameGroup) {
  TestWindow w;
  Activate(w);
  const std::vector<const TControl*> expected = ByTabOrder(w, "GBButton");
  ASSERT_GE(expected.size(), 8u);
  ASSERT_EQ(expected.front()->Name(), "RxSpinEditNewX");

  std::vector<const TControl*> walk = TabWalk(w, w.Find<QWidget>("RxSpinEditNewX"), 40);
  const auto out = std::find_if(walk.begin(), walk.end(),
                                [](const TControl* c) { return c == nullptr || c->Parent() != "GBButton"; });
  ASSERT_NE(out, walk.end());
  EXPECT_EQ((*out)->Parent(), "GBFrame");
  walk.erase(out, walk.end());
  EXPECT_EQ(Names(walk), Names(expected));
  // From the opacity slider on to the button colour.
  const auto slider = std::find(walk.begin(), walk.end(), &w.Form().RxSlider1);
  ASSERT_NE(slider, walk.end());
  ASSERT_NE(slider + 1, walk.end());
  EXPECT_EQ(*(slider + 1), &w.Form().BitBtnBGColor);
}

// The text group's run-time controls, each put at its place in turn among
// the controls of the stored layout, push the font button in front of the
// colour button.
TEST(TabOrder, TabWalksTheTextGroupAsItsTabOrdersWereSetOneAfterAnother) {
  TestWindow w;
  w.Form().PageControl1.SetActivePage("TabSheetSet");
  w.Form().RxSpinEditRPB.SetValue(2);  // (one row a button leaves no spacing to set)
  Activate(w);
  std::vector<const TControl*> walk = TabWalk(w, w.Find<QWidget>("RxSpinEditRPB"), 8);
  ASSERT_GE(walk.size(), 7u);
  walk.resize(7);
  EXPECT_EQ(Names(walk), (std::vector<std::string>{"RxSpinEditRPB", "RxSpinEditRowOffset", "RxSpinEditTextX",
                                                   "RxSpinEditTextY", "BitBtnFont", "BitBtnAdjColor",
                                                   "RxSpinEditFontSize"}));
}

namespace {

// The controls of `parent` in the order the window's tab orders, set one
// after another, leave them: from the controls of the stored layout in its
// order, each setting moves its control to its place among the others.
std::vector<const TControl*> SetOneAfterAnother(const TForm1& form, const std::string& parent) {
  std::vector<const TControl*> list;
  for (const qt::LayoutEntry& entry : qt::StoredLayout()) {
    if (entry.kind == qt::LayoutKind::Label || entry.kind == qt::LayoutKind::RightLabel) continue;
    const TControl* control = form.FindComponent(entry.name);
    if (control != nullptr && control->Parent() == parent) list.push_back(control);
  }
  for (const TTabOrderSetting& setting : form.TabOrderSettings()) {
    if (setting.control->Parent() == parent) MoveInTabList(list, setting.control, setting.order);
  }
  return list;
}

}  // namespace

TEST(TabOrder, EveryGroupOfEveryPageIsWalkedWholeAsItsTabOrdersWereSet) {
  TestWindow w;
  TForm1& form = w.Form();
  for (TCheckBox* on : {&form.cbFrame, &form.cbFrameRound, &form.cbGradient, &form.cbShadow, &form.cbCut}) {
    on->SetChecked(true);
  }
  form.RxSpinEditRPB.SetValue(2);
  Activate(w);
  auto* pages = w.Find<QTabWidget>("PageControl1");
  std::set<std::string> checked;
  for (int page = 0; page < pages->count(); ++page) {
    // Each output format enables the options of its own format page.
    for (int format = 0; format < 4; ++format) {
      pages->setCurrentIndex(page);
      form.RG1.SetItemIndex(format);
      QCoreApplication::processEvents();
      const std::vector<const TControl*> walk = TabWalk(w, w.Find<QWidget>("MemoTxt"));
      std::map<std::string, std::vector<std::size_t>> places;  // where each parent's controls come
      for (std::size_t i = 0; i < walk.size(); ++i) {
        if (walk[i] != nullptr) places[walk[i]->Parent()].push_back(i);
      }
      for (const auto& [parent, at] : places) {
        if (ByTabOrder(w, parent).empty()) continue;  // no run-time control there
        // One stretch of the walk per group: Tab does not leave it and come back.
        EXPECT_EQ(at.back() - at.front() + 1, at.size()) << parent;
        std::vector<const TControl*> walked;  // (a field's button is a stop of the field's)
        for (std::size_t i : at) {
          if (walked.empty() || walked.back() != walk[i]) walked.push_back(walk[i]);
        }
        std::vector<const TControl*> expected = SetOneAfterAnother(form, parent);
        std::erase_if(expected, [&](const TControl* c) {
          return std::find(walked.begin(), walked.end(), c) == walked.end();
        });
        EXPECT_EQ(Names(walked), Names(expected)) << parent;
        // Every control with a tab order that can take the focus is walked.
        for (const TControl* c : ByTabOrder(w, parent)) {
          EXPECT_NE(std::find(walked.begin(), walked.end(), c), walked.end()) << parent << ": " << c->Name();
        }
        checked.insert(parent);
      }
    }
  }
  EXPECT_EQ(checked, (std::set<std::string>{"GBButton", "GBFrame", "GBGradient", "GroupBox1", "GBText", "GBCut",
                                            "GBOneImg", "GBBnEffect", "TabSheetSha", "TabSheetOut", "GBjpg",
                                            "TabSheet3", "TabSheetDisp"}));
}

TEST(TabOrder, ControlsWithoutATabOrderFillThePlacesTheOthersLeaveFree) {
  TestWindow w;
  TForm1& form = w.Form();
  form.cbFrame.SetChecked(true);
  form.cbFrameRound.SetChecked(true);
  Activate(w);
  std::vector<const TControl*> walk = TabWalk(w, w.Find<QWidget>("cbFrame"), 8);
  walk.resize(7);
  EXPECT_EQ(Names(walk), (std::vector<std::string>{"cbFrame", "RxSpinEditFW", "RxSpinEditFrameMargin", "cbFrameRound",
                                                   "RxSpinEditFrameRX", "RxSpinEditFrameRY", "BitBtnFrameColor"}));
}

TEST(TabOrder, TabInTheCaptionsMemoMovesOnAndTypesNoTab) {
  TestWindow w;
  Activate(w);
  auto* memo = w.Find<QPlainTextEdit>("MemoTxt");
  memo->setPlainText("Home");
  memo->moveCursor(QTextCursor::End);
  memo->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), memo);
  QTest::keyClick(memo, Qt::Key_Tab);
  EXPECT_EQ(w.Form().MemoTxt.Text(), "Home");
  EXPECT_NE(QApplication::focusWidget(), memo);
}

namespace {

// The widgets Tab (or Shift+Tab) gives the focus to from the captions memo,
// one press each, until it is back at the memo.
std::vector<QWidget*> FocusWalk(TestWindow& w, bool forward) {
  auto* memo = w.Find<QWidget>("MemoTxt");
  memo->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> walk;
  for (int i = 0; i < 400; ++i) {
    QTest::keyClick(w.window->windowHandle(), Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == memo) break;
    walk.push_back(focus);
  }
  return walk;
}

int ChangedPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  int changed = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  }
  return changed;
}

std::vector<std::string> ObjectNames(const std::vector<QWidget*>& widgets) {
  std::vector<std::string> names;
  for (const QWidget* widget : widgets) names.push_back(widget->objectName().toStdString());
  return names;
}

}  // namespace

TEST(TabOrder, ShiftTabWalksTheChainOfTabBackwardsOnEveryPage) {
  TestWindow w;
  Activate(w);
  auto* pages = w.Find<QTabWidget>("PageControl1");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    QCoreApplication::processEvents();
    const std::vector<QWidget*> forward = FocusWalk(w, true);
    std::vector<QWidget*> backward = FocusWalk(w, false);
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(ObjectNames(backward), ObjectNames(forward)) << page;
    // The memo, the base image, the collapse bar, the tabs, the page, the output panel.
    const std::vector<std::string> names = ObjectNames(forward);
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
              (std::vector<std::string>{"ScrollBox1", "BitBtnX", "qt_tabwidget_tabbar"}));
    EXPECT_EQ(names.back(), "ScrollBox2");
  }
}

TEST(TabOrder, TabIntoARadioGroupLandsOnItsCheckedItem) {
  TestWindow w;
  TForm1& form = w.Form();
  form.PageControl1.SetActivePage("TabSheetOut");
  ASSERT_EQ(form.RG1.ItemIndex(), 1);
  Activate(w);
  const auto format = [] { return qobject_cast<QRadioButton*>(QApplication::focusWidget()); };
  // Tab from the control before the group, Shift+Tab from the one after it.
  for (const bool forward : {true, false}) {
    const std::vector<QWidget*> walk = FocusWalk(w, forward);
    const auto inGroup = [](QWidget* focus) { return focus->parentWidget()->objectName() == "RG1"; };
    const auto into = std::find_if(walk.begin(), walk.end(), inGroup);
    ASSERT_NE(into, walk.end());
    EXPECT_EQ((*into)->property("text").toString(), "GIF") << forward;
    EXPECT_EQ(std::count_if(walk.begin(), walk.end(), inGroup), 1) << "the group is one stop";
  }
  // The arrows walk the items and choose them.
  w.Find<QWidget>("RG1")->findChildren<QRadioButton*>()[1]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w.window->windowHandle(), Qt::Key_Left);
  ASSERT_NE(format(), nullptr);
  EXPECT_EQ(format()->text(), "BMP");
  EXPECT_EQ(form.RG1.ItemIndex(), 0);
}

TEST(TabOrder, EveryStopOfEveryPageShowsItsFocus) {
  TestWindow w;
  GeneratePreviews(w, "One\r\nTwo\r\n");
  Activate(w);
  auto* pages = w.Find<QTabWidget>("PageControl1");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    QCoreApplication::processEvents();
    for (QWidget* stop : FocusWalk(w, true)) {
      stop->setFocus(Qt::TabFocusReason);
      const QImage focused = stop->grab().toImage();
      w.Find<QWidget>("MemoTxt")->setFocus(Qt::TabFocusReason);
      // At least a text cursor's worth of pixels tells the focus.
      EXPECT_GE(ChangedPixels(focused, stop->grab().toImage()), 10)
          << stop->objectName().toStdString() << " on page " << page;
    }
  }
}
