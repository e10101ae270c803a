// Copying the settings record into the window's controls and back. The record
// goes into the controls through their own setters, so each control's handler
// runs when its value changes, exactly as after a user's edit; the refreshers
// at the end then bring every dependent control into its final state.

#include "core/files/SettingsRecord.h"
#include "core/support/StrLib.h"
#include "ui/model/form/MainForm.h"

namespace kestrova {

namespace {

// Puts the button of alignment 0, 1 or 2 down; any other value changes nothing.
void SetAlignment(int value, TSpeedButton& first, TSpeedButton& second, TSpeedButton& third) {
  if (value == 0) first.SetDown(true);
  if (value == 1) second.SetDown(true);
  if (value == 2) third.SetDown(true);
}

}  // namespace

void TForm1::ControlsToSettings() {
  TSettings& s = CurrentSettings;
  s.captions = MemoTxt.Text();
  s.prefix = EditPrefix.Text();
  s.postfix = EditPostfix.Text();
  s.outputdir = DirectoryEdit1.Text();
  s.lcname = cbLower.Checked();
  s.gradient = cbGradient.Checked();
  s.horizontal = cbHorizon.Checked();
  s.twoonly = cbTwo.Checked();
  s.cutbig = cbCut.Checked();
  s.shadow = cbShadow.Checked();
  s.shdouble = cbDouble.Checked();
  s.cuth = RGCutMode.ItemIndex();
  s.useautonum = cbNumber.Checked();
  s.newx = RxSpinEditNewX.Value();
  s.newy = RxSpinEditNewY.Value();
  s.x = RxSpinEditTextX.Value();
  s.y = RxSpinEditTextY.Value();
  s.cutx = RxSpinEditCutX.Value();
  s.cuty = RxSpinEditCutY.Value();
  s.cutx0 = RxSpinEditCutX0.Value();
  s.cuty0 = RxSpinEditCutY0.Value();
  s.shx = RxSpinEditSX.Value();
  s.shy = RxSpinEditSY.Value();
  s.gc1 = GradientImage1.ColorStart();
  s.gc2 = GradientImage1.ColorMid();
  s.gc3 = GradientImage1.ColorEnd();
  s.shcolor = ShadowColor;
  s.FileFormat = RG1.ItemIndex();
  s.FrameWidth = RxSpinEditFW.Value();
  s.FrameOn = cbFrame.Checked();
  s.BNOpacity = Buttonizer1.Opacity();
  s.BNX = Buttonizer1.X();
  s.BNY = Buttonizer1.Y();
  s.BNColorBG = Buttonizer1.ColorBG();
  s.BNColorFG = Buttonizer1.ColorFG();
  s.BNColorBL = Buttonizer1.ColorBL();
  const TFont& font = MemoTxt.Font();
  s.fontcolor = font.color;
  s.fontname = font.name;
  s.fontstyle = font.style;
  s.fontcharset = font.charset;
  s.fontsize = font.size;
  s.vhmode = RGDisplay.ItemIndex();
  s.vhmode0 = RGDisplay0.ItemIndex();
  s.savehtml = cbHTML.Checked();
  s.textalign = AlignmentOf(SpeedBtnLeft, SpeedBtnCen, SpeedBtnRight);
  s.matrix_cols = RxSpinEditMX.Value();
  s.jpg_qual = RxSliderJPG.Value();
  s.spacing = CBSpacing.Checked();
  s.notitles = cbNoCapts.Checked();
  s.postBNx = RxSpinEditPBNX.Value();
  s.postBNy = RxSpinEditPBNY.Value();
  s.postBNopacity = RxSliderPBNOpacity.Value();
  s.GlyphFile = BulletIndex >= 0 && BulletIndex < static_cast<int>(BulletList.size())
                    ? BulletList[static_cast<std::size_t>(BulletIndex)]
                    : std::string();
  s.GlyphX = RxSpinEditGlyphX.Value();
  s.GlyphY = RxSpinEditGlyphY.Value();
  s.GlyphWidth = RxSpinEditGlyphW.Value();
  s.GlyphHeight = RxSpinEditGlyphH.Value();
  s.GlyphMargin = RxSpinEditGlyphMargin.Value();
  s.RowPerBtn = RxSpinEditRPB.Value();
  s.ForceDirs = cbForceDir.Checked();
  s.GIFColorReduc = ComboGIFRC.ItemIndex();
  s.GIFDither = ComboGIFDTR.ItemIndex();
  s.GIFCompr = ComboGIFCompr.ItemIndex();
  s.PNGTransparentColor = ColorBitBtnPNGTr.GlyphColor();
  s.PNGCompressionLevel = RxSpinEditPNGLevel.Value();
  s.PNGTransparent = cbPNGTransp.Checked();
  s.MarSize = RxSpinEditMarSize.Value();
  s.GapSize = RxSpinEditGapSize.Value();
  s.BKColor = ColorBitBtnBK.GlyphColor();
  s.FrameRound = cbFrameRound.Checked();
  s.FrameMargin = RxSpinEditFrameMargin.Value();
  s.FrameRX = RxSpinEditFrameRX.Value();
  s.FrameRY = RxSpinEditFrameRY.Value();
  s.BtnPerImgMode = RGImgPerBtn.ItemIndex();
  s.BtnPerImgCnt = RxSpinEditBtnPerImg.Value();
  s.IgnBlank = cbIgnBlank.Checked();
  s.HTMLMap = cbHTMLMap.Checked();
  s.textyalign = AlignmentOf(SpeedBtnUp, SpeedBtnMid, SpeedBtnBottom);
  s.radial = cbRadial.Checked();
  s.RoundBtn = cbRoundBtn.Checked();
  s.Round3DLike = cbRound3D.Checked();
  s.Angle = static_cast<float>(RxSpinEditAngle.Value());
  s.ExtRadius = RxSpinEditExtRadius.Value();
  s.Myblack = BitBtnBNBlack.GlyphColor();
  s.Mywhite = BitBtnBNWhite.GlyphColor();
  s.BNColorTR = BitBtnTRColor.GlyphColor();
  s.smooth = RxSpinEditSmooth.Value();
  s.roundmargin = RxSpinEditRMargin.Value();
  s.antialias = cbAnitAlias.Checked();
  s.rowoffset = RxSpinEditRowOffset.Value();
  s.IconTransparent = cbIcoTRans.Checked();
  s.IconTranspColor = ColorBitBtnIcoTrans.GlyphColor();
}

void TForm1::SettingsToControls() {
  const TSettings& s = CurrentSettings;
  Buttonizer1.BeginUpdate();
  RecordToTextAndImageControls(s);
  RecordToFontControls(s);
  RecordToOutputControls(s);
  RecordToRoundButtonControls(s);
  Buttonizer1.EndUpdate();
  Buttonizer1.Invalidate();
  cbAnitAlias.SetChecked(s.antialias);
  SelectBulletNamed(s.GlyphFile);
  RefreshAfterRecordCopy();
}

// Captions, naming, cut, text offsets, gradient, shadow colour, output format,
// frame and bevel effect.
void TForm1::RecordToTextAndImageControls(const TSettings& s) {
  MemoTxt.SetText(s.captions);
  EditPrefix.SetText(s.prefix);
  EditPostfix.SetText(s.postfix);
  DirectoryEdit1.SetText(s.outputdir);
  cbLower.SetChecked(s.lcname);
  cbGradient.SetChecked(s.gradient);
  cbHorizon.SetChecked(s.horizontal);
  cbTwo.SetChecked(s.twoonly);
  cbCut.SetChecked(s.cutbig);
  cbShadow.SetChecked(s.shadow);
  cbDouble.SetChecked(s.shdouble);
  RGCutMode.SetItemIndex(s.cuth);
  cbNumber.SetChecked(s.useautonum);
  RxSpinEditNewX.SetValue(s.newx);
  RxSpinEditNewY.SetValue(s.newy);
  RxSpinEditTextX.SetValue(s.x);
  RxSpinEditTextY.SetValue(s.y);
  RxSpinEditCutX.SetValue(s.cutx);
  RxSpinEditCutY.SetValue(s.cuty);
  RxSpinEditCutX0.SetValue(s.cutx0);
  RxSpinEditCutY0.SetValue(s.cuty0);
  RxSpinEditSX.SetValue(s.shx);
  RxSpinEditSY.SetValue(s.shy);
  GradientImage1.SetColorStart(s.gc1);
  GradientImage1.SetColorMid(s.gc2);
  GradientImage1.SetColorEnd(s.gc3);
  BitBtnGC1.SetGlyphColor(GradientImage1.ColorStart());
  BitBtnGC2.SetGlyphColor(GradientImage1.ColorMid());
  BitBtnGC3.SetGlyphColor(GradientImage1.ColorEnd());
  ShadowColor = s.shcolor;
  BitBtnShadowColor.SetGlyphColor(ShadowColor);
  RG1.SetItemIndex(s.FileFormat);
  BitBtnFrameColor.SetGlyphColor(s.FrameColor);
  RxSpinEditFW.SetValue(s.FrameWidth);
  cbFrame.SetChecked(s.FrameOn);
  RxSlider1.SetValue(s.BNOpacity);
  RxSpinEditBX.SetValue(s.BNX);
  RxSpinEditBY.SetValue(s.BNY);
  Buttonizer1.SetColorBG(s.BNColorBG);
  Buttonizer1.SetColorFG(s.BNColorFG);
  Buttonizer1.SetColorBL(s.BNColorBL);
  BitBtnBGColor.SetGlyphColor(Buttonizer1.ColorFG());
  BitBtnBN1Color.SetGlyphColor(Buttonizer1.ColorBG());
  BitBtnBN2Color.SetGlyphColor(Buttonizer1.ColorBL());
}

// The caption font, its sample and the horizontal alignment.
void TForm1::RecordToFontControls(const TSettings& s) {
  TFont font = MemoTxt.Font();
  font.color = s.fontcolor;
  MemoTxt.SetFont(font);
  BitBtnAdjColor.SetGlyphColor(MemoTxt.Font().color);
  font.name = s.fontname;
  font.charset = s.fontcharset;
  font.style = s.fontstyle;
  font.size = s.fontsize;
  MemoTxt.SetFont(font);
  UpdateMemoColor();
  SyncFontSample(nullptr, &MemoTxt.Font());
  SetAlignment(s.textalign, SpeedBtnLeft, SpeedBtnCen, SpeedBtnRight);
}

// Page, layout, post effect, icon placement, lines per button, file options,
// joining and the vertical alignment.
void TForm1::RecordToOutputControls(const TSettings& s) {
  cbHTML.SetChecked(s.savehtml);
  RGDisplay.SetItemIndex(s.vhmode);
  RGDisplay0.SetItemIndex(s.vhmode0);
  RxSpinEditMX.SetValue(s.matrix_cols);
  RxSliderJPG.SetValue(s.jpg_qual);
  CBSpacing.SetChecked(s.spacing);
  cbNoCapts.SetChecked(s.notitles);
  RxSpinEditPBNX.SetValue(s.postBNx);
  RxSpinEditPBNY.SetValue(s.postBNy);
  RxSliderPBNOpacity.SetValue(s.postBNopacity);
  ColorBitBtnPBN1Color.SetGlyphColor(s.postBNColorBG);
  ColorBitBtnPBN2Color.SetGlyphColor(s.postBNColorBL);

  RxSpinEditGlyphX.SetValue(s.GlyphX);
  RxSpinEditGlyphY.SetValue(s.GlyphY);
  RxSpinEditGlyphW.SetValue(s.GlyphWidth);
  RxSpinEditGlyphH.SetValue(s.GlyphHeight);
  RxSpinEditGlyphMargin.SetValue(s.GlyphMargin);
  RxSpinEditRPB.SetValue(s.RowPerBtn);
  cbForceDir.SetChecked(s.ForceDirs);

  ComboGIFRC.SetItemIndex(s.GIFColorReduc);
  ComboGIFDTR.SetItemIndex(s.GIFDither);
  RxSpinEditPNGLevel.SetValue(s.PNGCompressionLevel);
  cbPNGTransp.SetChecked(s.PNGTransparent);
  ColorBitBtnPNGTr.SetGlyphColor(s.PNGTransparentColor);
  ColorBitBtnBK.SetGlyphColor(s.BKColor);
  RxSpinEditMarSize.SetValue(s.MarSize);
  RxSpinEditGapSize.SetValue(s.GapSize);
  cbFrameRound.SetChecked(s.FrameRound);
  RxSpinEditFrameMargin.SetValue(s.FrameMargin);
  RxSpinEditFrameRX.SetValue(s.FrameRX);
  RxSpinEditFrameRY.SetValue(s.FrameRY);
  ComboGIFCompr.SetItemIndex(s.GIFCompr);
  RGImgPerBtn.SetItemIndex(s.BtnPerImgMode);
  RxSpinEditBtnPerImg.SetValue(s.BtnPerImgCnt);
  cbIgnBlank.SetChecked(s.IgnBlank);
  cbHTMLMap.SetChecked(s.HTMLMap);
  SetAlignment(s.textyalign, SpeedBtnUp, SpeedBtnMid, SpeedBtnBottom);
}

// Radial gradient, round button and the last effect and icon values.
void TForm1::RecordToRoundButtonControls(const TSettings& s) {
  cbRadial.SetChecked(s.radial);
  cbRoundBtn.SetChecked(s.RoundBtn);
  cbRound3D.SetChecked(s.Round3DLike);
  RxSpinEditAngle.SetValue(WholeDegrees(s.Angle));
  RxSpinEditExtRadius.SetValue(s.ExtRadius);
  BitBtnBNBlack.SetGlyphColor(s.Myblack);
  BitBtnBNWhite.SetGlyphColor(s.Mywhite);
  BitBtnTRColor.SetGlyphColor(s.BNColorTR);
  Buttonizer1.SetRoundBtn(s.RoundBtn);
  Buttonizer1.SetRound3DLike(s.Round3DLike);
  Buttonizer1.SetAngle(s.Angle);
  Buttonizer1.SetExtRadius(s.ExtRadius);
  Buttonizer1.SetMyblack(s.Myblack);
  Buttonizer1.SetMywhite(s.Mywhite);
  Buttonizer1.SetColorTR(s.BNColorTR);
  RxSpinEditRMargin.SetValue(s.roundmargin);
  RxSpinEditSmooth.SetValue(s.smooth);
  RxSpinEditRowOffset.SetValue(s.rowoffset);
  cbIcoTRans.SetChecked(s.IconTransparent);
  ColorBitBtnIcoTrans.SetGlyphColor(s.IconTranspColor);
}

void TForm1::BringPresetIntoRanges(TSettings& s) const {
  s.BNX = RxSpinEditBX.Limited(s.BNX);
  s.BNY = RxSpinEditBY.Limited(s.BNY);
  s.BNOpacity = RxSlider1.Limited(s.BNOpacity);
  s.Angle = static_cast<float>(RxSpinEditAngle.Limited(WholeDegrees(s.Angle)));
  s.ExtRadius = RxSpinEditExtRadius.Limited(s.ExtRadius);
  s.roundmargin = RxSpinEditRMargin.Limited(s.roundmargin);
  s.smooth = RxSpinEditSmooth.Limited(s.smooth);
  s.FrameWidth = RxSpinEditFW.Limited(s.FrameWidth);
  s.FrameMargin = RxSpinEditFrameMargin.Limited(s.FrameMargin);
  s.FrameRX = RxSpinEditFrameRX.Limited(s.FrameRX);
  s.FrameRY = RxSpinEditFrameRY.Limited(s.FrameRY);
  // The colours and switches take any value; every control shows them as they are.
}

// Selects the icon list's entry naming the file, letter case aside; the last
// such entry wins, and with none no icon is selected.
void TForm1::SelectBulletNamed(const std::string& fileName) {
  BulletIndex = -1;
  for (std::size_t i = 0; i < BulletList.size(); ++i) {
    if (SameText(BulletList[i], fileName)) BulletIndex = static_cast<int>(i);
  }
}

// Brings every dependent control into its final state whatever ran while the
// values were set; then draws a new base image when the project names none,
// and the selected icon onto the base image.
void TForm1::RefreshAfterRecordCopy() {
  cbCutClick();
  RG1Click();
  UpdateGradientControls();
  UpdateShadowPreview();
  UpdateFrameControls();
  ApplyButtonEffect();
  ShowSelectedBullet();
  UpdateHtmlMapState();
  if (CurrentSettings.image_file.empty()) Createempty1Click();
  if (BulletIndex != -1) {
    DrawBullet(ImageIcnPrev.Picture(), ImageBase.Picture());
    ImageBase.PictureChanged();
  }
}

}  // namespace kestrova
