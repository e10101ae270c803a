// Handlers of the option controls: output format, cut mode, naming options,
// caption font style and size, lines per button, joining mode, and the icon
// placement buttons.

#include <algorithm>
#include <string_view>

#include "ui/model/form/MainForm.h"

namespace kestrova {

void TForm1::RG1Click() {
  const int format = RG1.ItemIndex();
  if (format == 0) {
    // Disabled first, so that the image-map option follows the page option off.
    cbHTML.SetEnabled(false);
    cbHTML.SetChecked(false);
  } else if (format >= 1 && format <= 3) {
    cbHTML.SetEnabled(true);
    static const TTabSheet TForm1::*const kPages[] = {&TForm1::TabSheet2, &TForm1::TabSheet1, &TForm1::TabSheet3};
    PageControl2.SetActivePage((this->*kPages[format - 1]).Name());
  }
  ComboGIFRC.SetEnabled(format == 1);
  ComboGIFDTR.SetEnabled(format == 1);
  ComboGIFCompr.SetEnabled(format == 1);
  RxSliderJPG.SetEnabled(format == 2);
  cbPNGTransp.SetEnabled(format == 3);
  ColorBitBtnPNGTr.SetEnabled(format == 3);
  RxSpinEditPNGLevel.SetEnabled(format == 3);
  UpdateNamesList();
}

void TForm1::cbCutClick() {
  const bool on = cbCut.Checked();
  for (TControl* c : std::initializer_list<TControl*>{&RxSpinEditCutX, &RxSpinEditCutY, &RxSpinEditCutX0,
                                                      &RxSpinEditCutY0, &BitBtnX0Y0, &BitBtnXEYE, &RGCutMode}) {
    c->SetEnabled(on);
  }
}

void TForm1::cbNumberClick() {
  if (cbNoCapts.Checked() && !cbNumber.Checked()) cbNoCapts.SetChecked(false);
  UpdateNamesList();
}

void TForm1::cbNoCaptsClick() {
  if (cbNoCapts.Checked()) cbNumber.SetChecked(true);
  UpdateNamesList();
}

void TForm1::RxSpinEditRPBChange() {
  UpdateNamesList();
  UpdateRowControls();
}

void TForm1::RxSpinEditBtnPerImgChange() { UpdateNamesList(); }

void TForm1::RGImgPerBtnClick() {
  UpdateNamesList();
  UpdateHtmlMapState();
}

void TForm1::ToggleMemoFontStyle(const TSpeedButton& button, TFontStyles style) {
  TFont font = MemoTxt.Font();
  font.style = button.Down() ? (font.style | style) : (font.style & ~style);
  MemoTxt.SetFont(font);
  SyncFontSample(nullptr, &MemoTxt.Font());
  UpdateShadowPreview();
}

void TForm1::SpeedBtnBClick() { ToggleMemoFontStyle(SpeedBtnB, fsBold); }
void TForm1::SpeedBtnIClick() { ToggleMemoFontStyle(SpeedBtnI, fsItalic); }
void TForm1::SpeedBtnUClick() { ToggleMemoFontStyle(SpeedBtnU, fsUnderline); }

void TForm1::RxSpinEditFontSizeChange() {
  TFont font = MemoTxt.Font();
  font.size = RxSpinEditFontSize.Value();
  MemoTxt.SetFont(font);
  SyncFontSample(&RxSpinEditFontSize, &MemoTxt.Font());
  UpdateShadowPreview();
}

std::string TForm1::DirectoryEdit1BeforeDialog() const { return DirectoryEdit1.Text(); }

bool TForm1::EditPrefixKeyPress(char32_t key) {
  static constexpr std::u32string_view kSwallowed = U" \"*/:<>?\\|";
  return kSwallowed.find(key) == std::u32string_view::npos;
}

void TForm1::BitBtnIcnAdjClick() {
  const int w = ImageBase.Width(), h = ImageBase.Height();
  const int m = RxSpinEditGlyphMargin.Value();
  if (w < 1 || h < 1) return;
  const int s = std::min(w, h) - 2 * m;
  if (s < 0) return;
  RxSpinEditGlyphX.SetValue(m);
  RxSpinEditGlyphY.SetValue(m);
  RxSpinEditGlyphW.SetValue(s);
  RxSpinEditGlyphH.SetValue(s);
}

}  // namespace kestrova
