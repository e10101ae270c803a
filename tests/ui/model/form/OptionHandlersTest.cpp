#include <gtest/gtest.h>

#include "ui/model/form/MainForm.h"

using namespace kestrova;

TEST(RG1Click, BmpTurnsThePageOffAndOtherFormatsOnlyEnableIt) {
  TForm1 form;
  int names = 0;
  form.Hooks.UpdateNamesList = [&names] { ++names; };
  form.cbHTML.SetChecked(true);
  form.RGImgPerBtn.SetItemIndex(1);
  form.cbHTMLMap.SetChecked(true);
  form.RG1.SetItemIndex(0);
  EXPECT_FALSE(form.cbHTML.Checked());
  EXPECT_FALSE(form.cbHTML.Enabled());
  EXPECT_FALSE(form.cbHTMLMap.Checked());
  EXPECT_FALSE(form.ComboGIFRC.Enabled());
  const std::string page = form.PageControl2.ActivePage();
  form.RG1.SetItemIndex(3);
  EXPECT_TRUE(form.cbHTML.Enabled());
  EXPECT_FALSE(form.cbHTML.Checked());
  EXPECT_EQ(form.PageControl2.ActivePage(), "TabSheet3");
  EXPECT_TRUE(form.RxSpinEditPNGLevel.Enabled());
  EXPECT_FALSE(form.RxSliderJPG.Enabled());
  form.RG1.SetItemIndex(2);
  EXPECT_EQ(form.PageControl2.ActivePage(), "TabSheet1");
  EXPECT_TRUE(form.RxSliderJPG.Enabled());
  EXPECT_NE(page, "");
  EXPECT_GE(names, 3);
}

TEST(cbCutClick, CutControlsFollowTheCheckMark) {
  TForm1 form;
  form.cbCut.SetChecked(true);
  EXPECT_TRUE(form.RGCutMode.Enabled());
  EXPECT_TRUE(form.BitBtnXEYE.Enabled());
  form.cbCut.SetChecked(false);
  EXPECT_FALSE(form.RxSpinEditCutY0.Enabled());
  EXPECT_FALSE(form.RGCutMode.Enabled());
}

TEST(NamingOptions, NoCaptionsNeedsNumbering) {
  TForm1 form;
  form.cbNumber.SetChecked(false);
  form.cbNoCapts.SetChecked(true);
  EXPECT_TRUE(form.cbNumber.Checked());
  form.cbNumber.SetChecked(false);
  EXPECT_FALSE(form.cbNoCapts.Checked());
}

TEST(FontControls, StyleButtonsAndSizeChangeTheCaptionFont) {
  TForm1 form;
  form.SpeedBtnB.Click();
  form.SpeedBtnU.Click();
  EXPECT_EQ(form.MemoTxt.Font().style, fsBold | fsUnderline);
  TFont f = form.MemoTxt.Font();
  f.style |= fsStrikeOut;
  form.MemoTxt.SetFont(f);
  form.SpeedBtnB.Click();
  EXPECT_EQ(form.MemoTxt.Font().style, fsUnderline | fsStrikeOut);
  EXPECT_FALSE(form.SpeedBtnB.Down());
  EXPECT_EQ(form.LabelSh1.Font().style, fsUnderline | fsStrikeOut);

  form.RxSpinEditFontSize.SetValue(14);
  EXPECT_EQ(form.MemoTxt.Font().size, 14);
  EXPECT_EQ(form.LabelABC.Font().size, 12);  // the sample keeps its own size
  EXPECT_EQ(form.LabelSh1.Font().size, 14);
}

TEST(BitBtnIcnAdjClick, FitsTheIconInsideTheMargin) {
  TForm1 form;
  form.ImageBase.SetPicture(Bitmap(96, 32));
  form.RxSpinEditGlyphMargin.SetValue(3);
  form.BitBtnIcnAdj.Click();
  EXPECT_EQ(form.RxSpinEditGlyphX.Value(), 3);
  EXPECT_EQ(form.RxSpinEditGlyphY.Value(), 3);
  EXPECT_EQ(form.RxSpinEditGlyphW.Value(), 26);
  EXPECT_EQ(form.RxSpinEditGlyphH.Value(), 26);
  form.RxSpinEditGlyphMargin.SetValue(20);
  form.BitBtnIcnAdj.Click();
  EXPECT_EQ(form.RxSpinEditGlyphX.Value(), 3);
  EXPECT_EQ(form.RxSpinEditGlyphW.Value(), 26);
}

TEST(ColourHandlers, CancelChangesNothingAndOkStoresWhereTheColourLives) {
  TForm1 form;
  std::optional<TColor> answer;
  TColor offered = 1;
  form.Hooks.ChooseColor = [&](TColor start) {
    offered = start;
    return answer;
  };
  const TSettings before = form.CurrentSettings;
  form.BitBtnShadowColor.Click();
  form.BitBtnFrameColor.Click();
  form.ColorBitBtnPBN1Color.Click();
  form.ColorBitBtnBK.Click();
  EXPECT_EQ(form.CurrentSettings, before);
  EXPECT_EQ(form.ShadowColor, 0xFFFFFFu);
  EXPECT_EQ(form.ColorBitBtnBK.GlyphColor(), 0xFFFFFFu);

  answer = 0x123456;
  form.BitBtnShadowColor.Click();
  EXPECT_EQ(form.ShadowColor, 0x123456u);
  EXPECT_EQ(form.BitBtnShadowColor.GlyphColor(), 0x123456u);
  EXPECT_EQ(form.LabelSh2.Font().color, 0x123456u);
  form.ColorBitBtnPBN2Color.Click();
  EXPECT_EQ(form.CurrentSettings.postBNColorBL, 0x123456u);
  EXPECT_EQ(offered, 0u);
  form.ColorBitBtnPNGTr.Click();
  EXPECT_EQ(form.ColorBitBtnPNGTr.GlyphColor(), 0x123456u);
  answer = 0x0000FF;
  form.BitBtnAdjColor.Click();
  EXPECT_EQ(form.MemoTxt.Font().color, 0x0000FFu);
  EXPECT_EQ(form.LabelSh1.Font().color, 0x0000FFu);
}

TEST(ColourHandlers, PreviewColoursLiveInTheRenderers) {
  TForm1 form;
  std::optional<TColor> answer = 0x00FF00;
  form.Hooks.ChooseColor = [&answer](TColor) { return answer; };
  form.BitBtnGC2.Click();
  EXPECT_EQ(form.GradientImage1.ColorMid(), 0x00FF00u);
  EXPECT_EQ(form.BitBtnGC2.GlyphColor(), 0x00FF00u);
  form.BitBtnBGColor.Click();
  EXPECT_EQ(form.Buttonizer1.ColorFG(), 0x00FF00u);
  EXPECT_EQ(form.Buttonizer1.ColorBG(), 0xC0C0C0u);
  form.BitBtnTRColor.Click();
  EXPECT_EQ(form.Buttonizer1.ColorTR(), 0x00FF00u);
  answer = 0x0000AA;
  form.BitBtnBN2Color.Click();
  EXPECT_EQ(form.Buttonizer1.ColorBL(), 0x0000AAu);
  EXPECT_EQ(form.BitBtnBN2Color.GlyphColor(), 0x0000AAu);

  form.ControlsToSettings();
  const TSettings before = form.CurrentSettings;
  answer.reset();
  for (TColorBitBtn* b : {&form.BitBtnGC1, &form.BitBtnBN1Color, &form.BitBtnBNBlack, &form.ColorBitBtnIcoTrans}) {
    b->Click();
  }
  form.ControlsToSettings();
  EXPECT_EQ(form.CurrentSettings, before);
}

TEST(Createempty1Click, DrawsANewBaseImageOfTheNewImageSize) {
  TForm1 form;
  form.CurrentSettings.image_file = "/old/base.png";
  form.RxSpinEditNewX.SetValue(40);
  form.RxSpinEditNewY.SetValue(12);
  form.TBNew.Click();
  EXPECT_EQ(form.ImageBase.Picture().Width(), 40);
  EXPECT_EQ(form.ImageBase.Height(), 12);
  EXPECT_TRUE(form.CurrentSettings.image_file.empty());
  EXPECT_EQ(form.LabelInfo.Caption(), " Image info: size: 40x12 x 24 bit\r\n filename: ");
}
