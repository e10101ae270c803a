#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "ui/model/controls/TabList.h"
#include "ui/model/form/MainForm.h"

using namespace kestrova;

namespace {

struct Limits {
  const char* name;
  int min;
  int max;
  int start;
};

// Limits and values after start-up, as the window is specified.
const Limits kSpinEdits[] = {
    {"RxSpinEditFW", 1, 99, 1},          {"RxSpinEditFrameMargin", 0, 999, 1},
    {"RxSpinEditFrameRX", 0, 999, 1},    {"RxSpinEditFrameRY", 0, 999, 1},
    {"RxSpinEditNewX", 1, 9999, 96},     {"RxSpinEditNewY", 1, 9999, 32},
    {"RxSpinEditBX", 0, 99, 3},          {"RxSpinEditBY", 0, 99, 3},
    {"RxSpinEditAngle", 0, 360, 0},      {"RxSpinEditExtRadius", 0, 999, 0},
    {"RxSpinEditSmooth", 0, 99, 0},      {"RxSpinEditRMargin", 0, 0, 0},
    {"RxSpinEditGlyphX", -999, 999, 2},  {"RxSpinEditGlyphY", -999, 999, 2},
    {"RxSpinEditGlyphW", 0, 999, 16},    {"RxSpinEditGlyphH", 0, 999, 16},
    {"RxSpinEditGlyphMargin", 0, 999, 3}, {"RxSpinEditCutX", 0, 9999, 0},
    {"RxSpinEditCutY", 0, 9999, 0},      {"RxSpinEditCutX0", 0, 9999, 0},
    {"RxSpinEditCutY0", 0, 9999, 0},     {"RxSpinEditRPB", 1, 10, 1},
    {"RxSpinEditRowOffset", -99, 99, 0}, {"RxSpinEditTextX", -9999, 9999, 0},
    {"RxSpinEditTextY", -9999, 9999, 0}, {"RxSpinEditFontSize", 1, 999, 8},
    {"RxSpinEditPBNX", 0, 99, 1},        {"RxSpinEditPBNY", 0, 99, 1},
    {"RxSpinEditGapSize", 0, 99, 0},     {"RxSpinEditMarSize", 0, 99, 0},
    {"RxSpinEditSX", -999, 999, 1},      {"RxSpinEditSY", -999, 999, 1},
    {"RxSpinEditPNGLevel", 0, 9, 0},     {"RxSpinEditMX", 1, 999, 1},
    {"RxSpinEditMX0", 1, 999, 1},        {"RxSpinEditBtnPerImg", 2, 999, 2},
};

const Limits kSliders[] = {
    {"RxSlider1", 0, 100, 0},
    {"RxSliderPBNOpacity", 0, 100, 0},
    {"RxSliderJPG", 1, 100, 100},
};

template <typename T>
T& Find(TForm1& form, const char* name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  if (c == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *c;
}

}  // namespace

TEST(RuntimeControls, EverySpinEditStartsAndClampsAsSpecified) {
  TForm1 form;
  int spinEdits = 0;
  for (TControl* c : form.Components()) spinEdits += dynamic_cast<TRxSpinEdit*>(c) != nullptr;
  EXPECT_EQ(spinEdits, 36);
  for (const Limits& l : kSpinEdits) {
    SCOPED_TRACE(l.name);
    auto& s = Find<TRxSpinEdit>(form, l.name);
    EXPECT_EQ(s.Value(), l.start);
    s.SetValue(100000);
    EXPECT_EQ(s.Value(), l.min == l.max ? 100000 : l.max);
    s.SetValue(-100000);
    EXPECT_EQ(s.Value(), l.min == l.max ? -100000 : l.min);
  }
}

TEST(RuntimeControls, EverySliderStartsAndClampsAsSpecified) {
  TForm1 form;
  for (const Limits& l : kSliders) {
    SCOPED_TRACE(l.name);
    auto& s = Find<TRxSlider>(form, l.name);
    EXPECT_EQ(s.Value(), l.start);
    s.SetValue(1000);
    EXPECT_EQ(s.Value(), l.max);
    s.SetValue(-1000);
    EXPECT_EQ(s.Value(), l.min);
  }
}

TEST(RuntimeControls, CreatingAControlRunsNoHandler) {
  // A spin edit with a handler and a start value other than 0 runs nothing when made.
  TForm1 form;
  int runs = 0;
  TRxSpinEdit fresh("RxSpinEditRPB", "GBText");
  form.CreateSpinEdit(fresh, {0, 0, 1, 1}, [&runs] { ++runs; }, 5, 10, 1, 0);
  EXPECT_EQ(fresh.Value(), 5);
  EXPECT_EQ(runs, 0);
  fresh.SetValue(5);
  EXPECT_EQ(runs, 0);
  fresh.SetValue(6);
  EXPECT_EQ(runs, 1);
}

TEST(RuntimeControls, FontSizeSpinEditHoldsOneUntilStartUpSetsTheMemoFontSize) {
  TRxSpinEdit size("RxSpinEditFontSize", "GBText");
  size.SetMinValue(1);
  size.SetMaxValue(999);
  size.SetValue(0);
  EXPECT_EQ(size.Value(), 1);
  TForm1 form;
  EXPECT_EQ(form.RxSpinEditFontSize.Value(), form.MemoTxt.Font().size);
}

TEST(RuntimeControls, TheSplitterBetweenThePanelsIsYellow) {
  TForm1 form;
  EXPECT_EQ(form.RxSplitter1.Color(), 0x00FFFFu);  // red in the low byte: red and green
  EXPECT_EQ(form.RxSplitter1.Parent(), "TForm1");
}

TEST(RuntimeControls, TabOrderOutsideItsRangeIsARangeError) {
  TForm1 form;
  EXPECT_THROW(form.CreateColorButton(form.ColorBitBtnBK, {}, nullptr, 32768), std::out_of_range);
  EXPECT_THROW(form.RxSpinEditMX.SetTabOrder(-2), std::out_of_range);
}

TEST(TabList, SettingATabOrderMovesTheControlToThatPlaceAmongItsSiblings) {
  struct Case {
    const char* what;
    std::string list;  // one letter a control
    char item;
    int order;
    std::string after;
  };
  const Case cases[] = {
      {"a new control joins at the end, then moves", "abc", 'x', 1, "axbc"},
      {"to the front", "abc", 'x', 0, "xabc"},
      {"past the end: last", "abc", 'x', 7, "abcx"},
      {"below 0: first", "abc", 'x', -1, "xabc"},
      {"one already there moves back", "abcd", 'a', 2, "bcad"},
      {"one already there moves forward", "abcd", 'd', 1, "adbc"},
      {"to its own place: nothing moves", "abcd", 'c', 2, "abcd"},
      {"an existing one past the end", "abcd", 'b', 9, "acdb"},
      {"into an empty list", "", 'x', 3, "x"},
  };
  for (const Case& c : cases) {
    std::vector<char> list(c.list.begin(), c.list.end());
    MoveInTabList(list, c.item, c.order);
    EXPECT_EQ(std::string(list.begin(), list.end()), c.after) << c.what;
  }
}

namespace {

// The controls of `parent` in the order Tab walks them, starting from
// `designed` (the controls of the stored layout, in their order) and moved by
// every tab order the window set, in the order it set them.
std::vector<std::string> TabListOf(const TForm1& form, const std::string& parent,
                                   const std::vector<std::string>& designed) {
  std::vector<const TControl*> list;
  for (const std::string& name : designed) list.push_back(form.FindComponent(name));
  for (const TTabOrderSetting& setting : form.TabOrderSettings()) {
    if (setting.control->Parent() == parent) MoveInTabList(list, setting.control, setting.order);
  }
  std::vector<std::string> names;
  for (const TControl* c : list) names.push_back(c->Name());
  return names;
}

}  // namespace

TEST(RuntimeControls, TheTextGroupsRunTimeControlsTakeTheirPlacesOneAfterAnother) {
  TForm1 form;
  const std::vector<std::string> list =
      TabListOf(form, "GBText", {"BitBtnFont", "BitBtnCenterV", "cbIgnBlank", "cbAnitAlias"});
  EXPECT_EQ(list, (std::vector<std::string>{"RxSpinEditRPB", "RxSpinEditRowOffset", "RxSpinEditTextX",
                                            "RxSpinEditTextY", "BitBtnFont", "BitBtnAdjColor",
                                            "RxSpinEditFontSize", "BitBtnCenterV", "cbIgnBlank", "cbAnitAlias"}));
}

// Only in the button group do the tab orders end as the places they name: its
// sequence of settings, made last, sees to that.
TEST(RuntimeControls, TheButtonGroupsTabOrdersRunFromOneToSeventeenRoundButtonOptionsIncluded) {
  TForm1 form;
  const std::vector<std::string> list = TabListOf(form, "GBButton", {"BitBtnPreset", "cbRoundBtn", "cbRound3D"});
  ASSERT_EQ(list.size(), 18u);
  EXPECT_EQ(list.front(), "BitBtnPreset");
  for (std::size_t place = 1; place < list.size(); ++place) {
    EXPECT_EQ(form.FindComponent(list[place])->TabOrder(), static_cast<int>(place)) << list[place];
  }
  EXPECT_EQ(form.cbRoundBtn.TabOrder(), 12);
  EXPECT_EQ(form.cbRound3D.TabOrder(), 13);
}
