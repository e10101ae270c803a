// The colour buttons: each opens the colour dialog at the current colour and,
// on OK, stores the colour where it lives and shows it on the button.

#include "ui/model/MainForm.h"

namespace kestrova {

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
