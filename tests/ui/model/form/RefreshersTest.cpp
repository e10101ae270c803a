#include <gtest/gtest.h>

#include "ui/model/form/MainForm.h"

using namespace kestrova;

TEST(UpdateShadowPreview, OffsetsMoveTheSampleEvenWithTheShadowOff) {
  TForm1 form;
  form.cbShadow.SetChecked(false);
  form.RxSpinEditSX.SetValue(3);
  form.RxSpinEditSY.SetValue(-2);
  EXPECT_FALSE(form.BitBtnShadowColor.Enabled());
  EXPECT_FALSE(form.cbDouble.Enabled());
  EXPECT_FALSE(form.RxSpinEditSX.Enabled());
  EXPECT_FALSE(form.RxSpinEditSY.Enabled());
  EXPECT_EQ(form.ShadowOffset, (TPoint{3, -2}));
  EXPECT_EQ(form.LabelSh2.Left(), form.LabelSh1.Left() + 3);
  EXPECT_EQ(form.LabelSh2.Top(), form.LabelSh1.Top() - 2);
  EXPECT_EQ(form.LabelSh3.Left(), form.LabelSh1.Left() - 3);
  EXPECT_EQ(form.LabelSh3.Top(), form.LabelSh1.Top() + 2);
  // The text in front, the shadows behind it (the second shadow at the back).
  EXPECT_EQ(form.GBShadowZOrder.BackToFront(),
            (std::vector<TControl*>{&form.LabelSh3, &form.LabelSh2, &form.LabelSh1}));

  form.cbShadow.SetChecked(true);
  EXPECT_TRUE(form.RxSpinEditSX.Enabled());
  EXPECT_FALSE(form.LabelSh3.Visible());
  form.cbDouble.SetChecked(true);
  EXPECT_TRUE(form.LabelSh3.Visible());
  EXPECT_EQ(form.LabelSh2.Font().color, form.ShadowColor);
  EXPECT_EQ(form.LabelSh1.Font().color, form.MemoTxt.Font().color);
}

TEST(UpdateGradientControls, RadialClearsAndDisablesHorizontalAndTwoColours) {
  TForm1 form;
  form.cbGradient.SetChecked(true);
  form.cbHorizon.SetChecked(true);
  form.cbTwo.SetChecked(true);
  EXPECT_FALSE(form.BitBtnGC2.Enabled());
  form.cbTwo.SetChecked(false);
  EXPECT_TRUE(form.BitBtnGC2.Enabled());
  form.cbRadial.SetChecked(true);
  EXPECT_FALSE(form.cbHorizon.Checked());
  EXPECT_FALSE(form.cbHorizon.Enabled());
  EXPECT_FALSE(form.cbTwo.Enabled());
  EXPECT_FALSE(form.BitBtnGC2.Enabled());
  EXPECT_TRUE(form.BitBtnGC1.Enabled());
  form.cbGradient.SetChecked(false);
  EXPECT_FALSE(form.cbRadial.Enabled());
  EXPECT_FALSE(form.BitBtnCycle.Enabled());
}

TEST(UpdateRowControls, BackToOneLineClearsIgnoreBlanks) {
  TForm1 form;
  form.RxSpinEditRPB.SetValue(3);
  EXPECT_TRUE(form.cbIgnBlank.Enabled());
  form.cbIgnBlank.SetChecked(true);
  form.RxSpinEditRPB.SetValue(1);
  EXPECT_FALSE(form.cbIgnBlank.Checked());
  EXPECT_FALSE(form.cbIgnBlank.Enabled());
  EXPECT_FALSE(form.RxSpinEditRowOffset.Enabled());
}

TEST(UpdateMemoColor, BackgroundContrastsWithTheFont) {
  TForm1 form;
  const auto background = [&form](TColor font) {
    TFont f = form.MemoTxt.Font();
    f.color = font;
    form.MemoTxt.SetFont(f);
    form.UpdateMemoColor();
    return form.MemoTxt.Color();
  };
  EXPECT_EQ(background(0x000000), 0xFFFFFFu);
  EXPECT_EQ(background(0xFFFFFF), 0x000000u);
  EXPECT_EQ(background(0x808080), 0xFFFFFFu);  // grey 127 falls in the unreadable band
  EXPECT_EQ(background(0x303030), 0xCFCFCFu);
}

TEST(UpdateHtmlMapState, MapNeedsThePageAndJoinedImages) {
  TForm1 form;
  form.cbHTML.SetChecked(true);
  EXPECT_FALSE(form.cbHTMLMap.Enabled());
  form.RGImgPerBtn.SetItemIndex(1);
  EXPECT_TRUE(form.cbHTMLMap.Enabled());
  form.cbHTMLMap.SetChecked(true);
  form.cbHTML.SetChecked(false);
  EXPECT_FALSE(form.cbHTMLMap.Enabled());
  EXPECT_TRUE(form.cbHTMLMap.Checked());  // unchecked only when the page option is disabled
}

TEST(PanelLayout, HidingTheControlsHidesTheSplitterAndCollapseToggles) {
  TForm1 form;
  form.Controlsvisible1.Click();
  EXPECT_FALSE(form.PanelMain.Visible());
  EXPECT_FALSE(form.RxSplitter1.Visible());
  EXPECT_TRUE(form.MemoTxt.Visible());
  form.BitBtnX.Click();
  EXPECT_EQ(form.PanelCtl.Height(), 10);
  EXPECT_FALSE(form.PageControl1.Visible());
  form.BitBtnX.Click();
  EXPECT_EQ(form.PanelCtl.Height(), 425);
  EXPECT_TRUE(form.PageControl1.Visible());
}
