#include <gtest/gtest.h>

#include "ui/model/controls/Memo.h"
#include "ui/model/controls/ScrollBox.h"
#include "ui/model/controls/Slider.h"
#include "ui/model/controls/SpeedButton.h"
#include "ui/model/controls/SpinEdit.h"

using namespace kestrova;

namespace {

struct Counter {
  int runs = 0;
  std::function<void()> Handler() {
    return [this] { ++runs; };
  }
};

}  // namespace

TEST(SpinEdit, ClampsToLimitsUnlessBothAreEqual) {
  TRxSpinEdit rpb("RxSpinEditRPB", "GBText");
  rpb.SetMinValue(1);
  rpb.SetMaxValue(10);
  rpb.SetValue(12);
  EXPECT_EQ(rpb.Value(), 10);
  rpb.SetValue(-5);
  EXPECT_EQ(rpb.Value(), 1);

  TRxSpinEdit margin("RxSpinEditRMargin", "GBButton");  // 0..0: unlimited
  margin.SetValue(-1234);
  EXPECT_EQ(margin.Value(), -1234);
  margin.SetValue(std::int64_t{1} << 40);
  EXPECT_EQ(margin.Value(), std::numeric_limits<int>::max());
}

TEST(SpinEdit, HandlerRunsOnlyOnARealChange) {
  Counter c;
  TRxSpinEdit s("s", "");
  s.SetMinValue(0);
  s.SetMaxValue(99);
  s.SetOnChange(c.Handler());
  s.SetValue(0);
  EXPECT_EQ(c.runs, 0);
  s.SetValue(150);  // becomes 99
  s.SetValue(120);  // 99 again: no change
  EXPECT_EQ(c.runs, 1);
}

TEST(Slider, ValueAndLimitsKeepItInRange) {
  Counter c;
  TRxSlider jpg("RxSliderJPG", "GBjpg");
  jpg.SetOnChange(c.Handler());
  jpg.SetMinValue(1);  // 0 at creation moves to 1
  EXPECT_EQ(jpg.Value(), 1);
  jpg.SetValue(100);
  jpg.SetValue(250);
  EXPECT_EQ(jpg.Value(), 100);
  EXPECT_EQ(c.runs, 2);
}

TEST(SpeedButton, GroupsBehaveLikeRadioButtonsAndTogglesFlip) {
  TSpeedButton left("L", ""), centre("C", ""), right("R", "");
  TSpeedButton::JoinGroup({&left, &centre, &right}, false);
  centre.SetDown(true);
  right.SetDown(true);
  EXPECT_FALSE(centre.Down());
  EXPECT_TRUE(right.Down());
  right.SetDown(false);  // a radio-like group keeps its down button
  EXPECT_TRUE(right.Down());
  right.Click();
  EXPECT_TRUE(right.Down());

  Counter c;
  TSpeedButton bold("B", "");
  TSpeedButton::JoinGroup({&bold}, true);
  bold.SetOnClick(c.Handler());
  bold.SetDown(true);  // from the program: no handler
  EXPECT_EQ(c.runs, 0);
  bold.Click();
  EXPECT_FALSE(bold.Down());
  EXPECT_EQ(c.runs, 1);
}

TEST(Memo, LinesFollowTheEditControlRules) {
  TMemo m("MemoTxt", "");
  EXPECT_EQ(m.LineCount(), 0);
  m.SetText("a\r\nb\r\n");
  EXPECT_EQ(m.LineCount(), 2);
  m.SetText("a\nb");
  EXPECT_EQ(m.Text(), "a\r\nb");
  EXPECT_EQ(m.LineCount(), 2);
  m.SetText("a\r\n\r\n");
  EXPECT_EQ(m.Lines(), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(m.Line(5), "");
  m.SetLines({"x", "y"});
  EXPECT_EQ(m.Text(), "x\r\ny\r\n");
}

TEST(ScrollBox, KeepsOrderWhenImagesAreRemoved) {
  TScrollBox box("ScrollBox2", "PanelRight");
  for (const char* n : {"newbutton0", "muxbutton0", "newbutton1", "muxbutton1"}) box.AddImage(n);
  box.RemoveImagesIf([](const TImage& i) { return i.Name().starts_with("newbutton"); });
  ASSERT_EQ(box.ImageCount(), 2);
  EXPECT_EQ(box.Image(0).Name(), "muxbutton0");
  EXPECT_EQ(box.Image(1).Name(), "muxbutton1");
  EXPECT_EQ(box.FindImage("newbutton0"), nullptr);
}
