// The colour buttons: each opens the colour dialog at the current colour and,
// on OK, stores the colour where it lives and shows it on the button.

#include "ui/model/form/MainForm.h"

namespace kestrova {

void TForm1::BitBtnGC1Click() {
  if (const auto c = ChooseColor(GradientImage1.ColorStart())) {
    GradientImage1.SetColorStart(*c);
    BitBtnGC1.SetGlyphColor(GradientImage1.ColorStart());
    UpdateGradientControls();
  }
}

void TForm1::BitBtnGC2Click() {
  if (const auto c = ChooseColor(GradientImage1.ColorMid())) {
    GradientImage1.SetColorMid(*c);
    BitBtnGC2.SetGlyphColor(GradientImage1.ColorMid());
    UpdateGradientControls();
  }
}

void TForm1::BitBtnGC3Click() {
  if (const auto c = ChooseColor(GradientImage1.ColorEnd())) {
    GradientImage1.SetColorEnd(*c);
    BitBtnGC3.SetGlyphColor(GradientImage1.ColorEnd());
    UpdateGradientControls();
  }
}

void TForm1::BitBtnBGColorClick() {
  if (const auto c = ChooseColor(Buttonizer1.ColorFG())) {
    Buttonizer1.SetColorFG(*c);
    BitBtnBGColor.SetGlyphColor(*c);
  }
}

void TForm1::BitBtnBN1ColorClick() {
  if (const auto c = ChooseColor(Buttonizer1.ColorBG())) {
    Buttonizer1.SetColorBG(*c);
    BitBtnBN1Color.SetGlyphColor(Buttonizer1.ColorBG());
    ApplyButtonEffect();
  }
}

void TForm1::BitBtnBN2ColorClick() {
  if (const auto c = ChooseColor(Buttonizer1.ColorBL())) {
    Buttonizer1.SetColorBL(*c);
    BitBtnBN2Color.SetGlyphColor(Buttonizer1.ColorBL());
    ApplyButtonEffect();
  }
}

void TForm1::BitBtnTRColorClick() {
  if (const auto c = ChooseColor(Buttonizer1.ColorTR())) {
    Buttonizer1.SetColorTR(*c);
    BitBtnTRColor.SetGlyphColor(*c);
  }
}

void TForm1::BitBtnBNBlackClick() {
  if (const auto c = ChooseColor(Buttonizer1.Myblack())) {
    Buttonizer1.SetMyblack(*c);
    BitBtnBNBlack.SetGlyphColor(*c);
  }
}

void TForm1::BitBtnBNWhiteClick() {
  if (const auto c = ChooseColor(Buttonizer1.Mywhite())) {
    Buttonizer1.SetMywhite(*c);
    BitBtnBNWhite.SetGlyphColor(*c);
  }
}

void TForm1::BitBtnFrameColorClick() {
  if (const auto c = ChooseColor(CurrentSettings.FrameColor)) {
    CurrentSettings.FrameColor = *c;
    BitBtnFrameColor.SetGlyphColor(*c);
    UpdateFrameControls();
  }
}

void TForm1::ColorBitBtnPBN1ColorClick() {
  if (const auto c = ChooseColor(CurrentSettings.postBNColorBG)) {
    CurrentSettings.postBNColorBG = *c;
    ColorBitBtnPBN1Color.SetGlyphColor(*c);
  }
}

void TForm1::ColorBitBtnPBN2ColorClick() {
  if (const auto c = ChooseColor(CurrentSettings.postBNColorBL)) {
    CurrentSettings.postBNColorBL = *c;
    ColorBitBtnPBN2Color.SetGlyphColor(*c);
  }
}

void TForm1::BitBtnShadowColorClick() {
  if (const auto c = ChooseColor(ShadowColor)) {
    ShadowColor = *c;
    BitBtnShadowColor.SetGlyphColor(*c);
    UpdateShadowPreview();
  }
}

void TForm1::ChooseButtonColor(TColorBitBtn& button) {
  if (const auto c = ChooseColor(button.GlyphColor())) button.SetGlyphColor(*c);
}

void TForm1::ColorBitBtnBKClick() { ChooseButtonColor(ColorBitBtnBK); }
void TForm1::ColorBitBtnPNGTrClick() { ChooseButtonColor(ColorBitBtnPNGTr); }
void TForm1::ColorBitBtnIcoTransClick() { ChooseButtonColor(ColorBitBtnIcoTrans); }

void TForm1::BitBtnAdjColorClick() {
  if (const auto c = ChooseColor(MemoTxt.Font().color)) {
    TFont font = MemoTxt.Font();
    font.color = *c;
    MemoTxt.SetFont(font);
    BitBtnAdjColor.SetGlyphColor(*c);
    SyncFontSample(nullptr, &MemoTxt.Font());
    UpdateMemoColor();
    UpdateShadowPreview();
  }
}

}  // namespace kestrova
