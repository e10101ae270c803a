// Routines that bring the controls depending on other controls into their
// state: shadow sample, frame, gradient and effect groups, font sample, memo
// colour, row options and the image-map option.

#include "ui/model/form/MainForm.h"

namespace kestrova {

namespace {

void MoveTo(TLabel& label, int left, int top) { label.SetBounds(left, top, label.Width(), label.Height()); }

}  // namespace

void TForm1::UpdateShadowPreview() {
  const bool on = cbShadow.Checked();
  BitBtnShadowColor.SetEnabled(on);
  cbDouble.SetEnabled(on);
  RxSpinEditSX.SetEnabled(on);
  RxSpinEditSY.SetEnabled(on);
  ShadowOffset = TPoint{RxSpinEditSX.Value(), RxSpinEditSY.Value()};

  GBShadowZOrder.BringToFront(LabelSh1);
  GBShadowZOrder.SendToBack(LabelSh2);
  GBShadowZOrder.SendToBack(LabelSh3);
  TFont text = MemoTxt.Font();
  LabelSh1.SetFont(text);
  text.color = ShadowColor;
  LabelSh2.SetFont(text);
  LabelSh3.SetFont(text);

  MoveTo(LabelSh2, LabelSh1.Left() + ShadowOffset.x, LabelSh1.Top() + ShadowOffset.y);
  MoveTo(LabelSh3, LabelSh1.Left() - ShadowOffset.x, LabelSh1.Top() - ShadowOffset.y);
  LabelSh3.SetVisible(cbDouble.Checked());
}

void TForm1::UpdateFrameControls() {
  const bool on = cbFrame.Checked();
  BitBtnFrameColor.SetEnabled(on);
  RxSpinEditFW.SetEnabled(on);
  cbFrameRound.SetEnabled(on);
  RxSpinEditFrameMargin.SetEnabled(on);
  RxSpinEditFrameRX.SetEnabled(on && cbFrameRound.Checked());
  RxSpinEditFrameRY.SetEnabled(on && cbFrameRound.Checked());
}

void TForm1::UpdateGradientControls() {
  const bool gradient = cbGradient.Checked();
  cbHorizon.SetEnabled(gradient && !cbRadial.Checked());
  cbTwo.SetEnabled(gradient && !cbRadial.Checked());
  cbRadial.SetEnabled(gradient);
  if (cbRadial.Checked()) {
    cbHorizon.SetChecked(false);
    cbTwo.SetChecked(false);
  }
  BitBtnGC1.SetEnabled(gradient);
  BitBtnGC3.SetEnabled(gradient);
  BitBtnGC2.SetEnabled(gradient && !cbTwo.Checked() && !cbRadial.Checked());
  BitBtnCycle.SetEnabled(gradient);
  BitBtnRnd.SetEnabled(gradient);
  GradientImage1.SetTwoOnly(cbTwo.Checked());
  GradientImage1.SetHorizontal(cbHorizon.Checked());
  GradientImage1.SetIsRound(cbRadial.Checked());
}

void TForm1::ApplyButtonEffect() {
  Buttonizer1.BeginUpdate();
  Buttonizer1.SetOpacity(RxSlider1.Value());
  Buttonizer1.SetX(RxSpinEditBX.Value());
  Buttonizer1.SetY(RxSpinEditBY.Value());
  Buttonizer1.SetRoundBtn(cbRoundBtn.Checked());
  Buttonizer1.SetRound3DLike(cbRound3D.Checked());
  Buttonizer1.SetAngle(static_cast<float>(RxSpinEditAngle.Value()));
  Buttonizer1.SetExtRadius(RxSpinEditExtRadius.Value());
  Buttonizer1.SetColorBG(BitBtnBN1Color.GlyphColor());
  Buttonizer1.SetColorFG(BitBtnBGColor.GlyphColor());
  Buttonizer1.SetColorBL(BitBtnBN2Color.GlyphColor());
  Buttonizer1.SetColorTR(BitBtnTRColor.GlyphColor());
  Buttonizer1.SetMyblack(BitBtnBNBlack.GlyphColor());
  Buttonizer1.SetMywhite(BitBtnBNWhite.GlyphColor());
  Buttonizer1.SetExtMargin(RxSpinEditRMargin.Value());
  Buttonizer1.SetSmooth(RxSpinEditSmooth.Value());
  Buttonizer1.EndUpdate();
  Buttonizer1.Invalidate();

  const bool round = cbRoundBtn.Checked();
  cbRound3D.SetEnabled(round);
  RxSpinEditAngle.SetEnabled(round && cbRound3D.Checked());
  for (TControl* c : std::initializer_list<TControl*>{&RxSpinEditExtRadius, &BitBtnTRColor, &BitBtnBNBlack,
                                                      &BitBtnBNWhite, &RxSpinEditSmooth, &RxSpinEditRMargin}) {
    c->SetEnabled(round);
  }
  RxSpinEditBX.SetEnabled(!round);
  RxSpinEditBY.SetEnabled(!round);
  RxSlider1.SetEnabled(!round);
}

void TForm1::UpdateMemoColor() {
  const TColor c = MemoTxt.Font().color;
  int g = 255 - (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3;
  if (g >= 104 && g <= 152) g = 255;
  MemoTxt.SetColor(RGBColor(g, g, g));
}

void TForm1::SyncFontSample(const TControl* sender, const TFont* font) {
  if (font == nullptr) return;
  GBFont.SetCaption(font->name);
  TFont sample = *font;
  sample.size = LabelABC.Font().size;
  sample.color = GBFont.Font().color;
  LabelABC.SetFont(sample);
  const TFontStyles style = MemoTxt.Font().style;
  SpeedBtnB.SetDown((style & fsBold) != 0);
  SpeedBtnI.SetDown((style & fsItalic) != 0);
  SpeedBtnU.SetDown((style & fsUnderline) != 0);
  if (sender == nullptr) RxSpinEditFontSize.SetValue(MemoTxt.Font().size);
}

void TForm1::UpdateRowControls() {
  cbIgnBlank.SetEnabled(RxSpinEditRPB.Value() > 1);
  RxSpinEditRowOffset.SetEnabled(cbIgnBlank.Enabled());
  if (RxSpinEditRPB.Value() < 2) cbIgnBlank.SetChecked(false);
}

void TForm1::UpdateHtmlMapState() {
  cbHTMLMap.SetEnabled(cbHTML.Checked() && RGImgPerBtn.ItemIndex() > 0);
  if (!cbHTML.Enabled()) cbHTMLMap.SetChecked(false);
}

}  // namespace kestrova
